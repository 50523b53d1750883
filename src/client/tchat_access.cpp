// Playing without a mouse: the Play menu with its keys, the focus ring and
// the keys' help section.
#include <QMenuBar>

#include "client/board.h"
#include "client/keyboardplay.h"
#include "client/tableview.h"
#include "client/tchat.h"
#include "windows/help.h"

namespace velmora::client {

namespace {
constexpr int kGamePlayPage = 3;
}  // namespace

void Tchat::wireAccess() {
    KeyboardParts parts;
    parts.window = this;
    parts.table = &table_;
    parts.actions = actions_.get();
    parts.view = board_->tableView();
    parts.chatInput = mychat_;
    parts.refresh = [this] { board_->refresh(); };
    keys_ = new KeyboardPlay(std::move(parts), this);
    // The Play menu stands between File and Options.
    auto* play = new QMenu(tr("&Play"), this);
    play->setObjectName(QStringLiteral("PlayMenu"));
    menuBar()->insertMenu(optionsMenu_->menuAction(), play);
    keys_->fillMenu(play);
    StartGame1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    side_->Thelp->appendSection(kGamePlayPage, tr("Keys"), KeyboardPlay::helpHtml());
}

}  // namespace velmora::client
