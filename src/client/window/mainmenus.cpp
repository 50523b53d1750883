#include "client/window/mainmenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace velmora::client {

MainMenus::MainMenus(QMainWindow* window) : QObject(window), window_(window) {
    setObjectName(QStringLiteral("MainMenus"));
    buildBar(window);
    buildSeatMenu(window);
}

QMenu* MainMenus::makeMenu(Menu which, QMenu* menu, const char* name) {
    menu->setObjectName(QString::fromLatin1(name));
    menus_[static_cast<size_t>(which)] = menu;
    return menu;
}

QAction* MainMenus::add(Menu which, const char* name, const QString& text) {
    QAction* a = menu(which)->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setParent(window_);
    remember(a);
    return a;
}

void MainMenus::remember(QAction* action) {
    Q_ASSERT(!actions_.contains(action->objectName()));
    actions_.insert(action->objectName(), action);
}

// Options are filled in once the side windows exist, Play once keyboard
// play does and Zoom once the zoom does; each hands its actions back.
void MainMenus::buildBar(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    makeMenu(Menu::File, bar->addMenu(tr("&File")), "FileMenu");
    add(Menu::File, "StartGame1", tr("Start Game"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    menu(Menu::File)->addSeparator();
    add(Menu::File, "HostOrJoin1", tr("Host or Join…"));
    add(Menu::File, "CopyAddress1", tr("Copy Table Address"));
    add(Menu::File, "Exit1", tr("Exit"));
    makeMenu(Menu::Play, bar->addMenu(tr("&Play")), "PlayMenu");
    makeMenu(Menu::Options, bar->addMenu(tr("&Options")), "OptionsMenu");
    auto* justWatch = new QAction(tr("Just Watch"), window);
    justWatch->setObjectName(QStringLiteral("JustWatch1"));
    justWatch->setCheckable(true);
    remember(justWatch);
    makeMenu(Menu::View, bar->addMenu(tr("&View")), "ViewMenu");
    add(Menu::View, "ViewTally1", tr("View Tally"));
    add(Menu::View, "SpyList1", tr("Spy List"));
    add(Menu::View, "PrhaseList1", tr("Phrase List"));
    add(Menu::View, "GameLog1", tr("Game Log"));
    add(Menu::View, "LastRoundSummary1", tr("Last Round Summary"));
    makeMenu(Menu::Zoom, menu(Menu::View)->addMenu(tr("Zoom")), "ZoomMenu");
    makeMenu(Menu::Help, bar->addMenu(tr("&Help")), "HelpMenu");
    QAction* content = add(Menu::Help, "Content1", tr("Content"));
    content->setShortcut(QKeySequence(Qt::Key_F1));
    content->setShortcutContext(Qt::ApplicationShortcut);  // F1 from any of the game's windows
    add(Menu::Help, "About1", tr("About"));
}

void MainMenus::buildSeatMenu(QMainWindow* window) {
    makeMenu(Menu::Seat, new QMenu(window), "popup_kick");
    add(Menu::Seat, "RemoveFromGame1", tr("Remove From Game"));
    add(Menu::Seat, "SettoJustWatch1", tr("Set to Just Watch"));
    add(Menu::Seat, "UnsetJustWatch1", tr("Unset Just Watch"));
}

void MainMenus::collect(Menu which) { collect(menu(which)); }

void MainMenus::collect(QMenu* m) {
    for (QAction* a : m->actions()) {
        if (a->isSeparator() || a->objectName().isEmpty() || actions_.contains(a->objectName())) continue;
        remember(a);
        if (a->menu()) collect(a->menu());
    }
}

}  // namespace velmora::client
