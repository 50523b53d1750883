// The main window's side of the small windows: the menu items that open
// them and what they ask of the main window.
#include <QAction>

#include "client/session.h"
#include "client/tchat.h"

namespace velmora::client {
namespace {
void bringUp(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}
}  // namespace

void Tchat::wireSideWindows() {
    side_->spylist->kick = [this](int place) { session_->kicking(place); };
    connect(action("SpyList1"), &QAction::triggered, side_->spylist, [this] { bringUp(side_->spylist); });
    connect(action("About1"), &QAction::triggered, side_->Tabout, [this] { bringUp(side_->Tabout); });
    QAction* help = action("Content1");
    help->setShortcutContext(Qt::ApplicationShortcut);  // F1 from any of the game's windows
    connect(help, &QAction::triggered, side_->Thelp, [this] { bringUp(side_->Thelp); });
}

}  // namespace velmora::client
