// Playing without a mouse and at any size: the Play menu with its keys, the
// focus ring, the keys' help section, the game log, the screen readers'
// view of the painted table, and View > Zoom.
#include <QMenuBar>

#include "client/board/board.h"
#include "client/chat/chatview.h"
#include "client/access/gamelog.h"
#include "client/access/keyboardplay.h"
#include "client/settings/settings.h"
#include "client/access/tableaccessible.h"
#include "client/board/tableview.h"
#include "client/window/tchat.h"
#include "client/board/zoommenu.h"
#include "windows/help.h"

namespace velmora::client {

namespace {
constexpr int kGamePlayPage = 3;
}  // namespace

void Tchat::wireAccess() {
    // First: the table view's interface is made at the first question about it.
    access_ = new TableAccessibility(board_, table_, this);
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

    gameLog_ = new GameLog(board_, table_, this);
    connect(keys_, &KeyboardPlay::focusMoved, access_, &TableAccessibility::focusMoved);
    // Arrivals, departures and chat lines all reach the chat view.
    access_->followChat(mainchat_->document());
    table_.hooks.status = [this](const std::string& text) {
        const QString status = QString::fromStdString(text);
        gameLog_->panel()->addStatus(table_.round, status);
        access_->announce(status);
    };

    zoom_ = new ZoomMenu(board_, centralWidget(), Settings::defaultPath(), this);
    for (QAction* a : menuBar()->actions())
        if (a->menu() && a->text() == tr("&View")) {
            QAction* log = a->menu()->addAction(tr("Game Log"));
            log->setObjectName(QStringLiteral("GameLog1"));
            connect(log, &QAction::triggered, gameLog_, &GameLog::showLog);
            QMenu* zoom = a->menu()->addMenu(tr("Zoom"));
            zoom->setObjectName(QStringLiteral("ZoomMenu"));
            zoom_->fill(zoom);
        }
    zoom_->load();
}

}  // namespace velmora::client
