// The main window's menus and their actions, each made once under its own
// name: nothing finds a menu again by its title or place. The parts that
// fill a menu (options, zoom, keyboard play) hand their actions back through
// collect(), so every action of the window is reachable by name.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace velmora::client {

class MainMenus : public QObject {
    Q_OBJECT
public:
    enum class Menu { File, Play, Options, View, Zoom, Help, Seat, Count };

    explicit MainMenus(QMainWindow* window);

    QMenu* menu(Menu which) const { return menus_[static_cast<size_t>(which)]; }
    // An action of any of the menus by object name; null when there is none.
    QAction* action(const QString& name) const { return actions_.value(name); }
    QAction* action(const char* name) const { return action(QString::fromLatin1(name)); }
    // Takes in the actions another part added to one of the menus.
    void collect(Menu which);

private:
    void buildBar(QMainWindow* window);
    void buildSeatMenu(QMainWindow* window);
    QMenu* makeMenu(Menu which, QMenu* menu, const char* name);
    QAction* add(Menu which, const char* name, const QString& text);
    void remember(QAction* action);
    void collect(QMenu* menu);

    QMainWindow* window_;
    std::array<QMenu*, static_cast<size_t>(Menu::Count)> menus_{};
    QHash<QString, QAction*> actions_;
};

}  // namespace velmora::client
