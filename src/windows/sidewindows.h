// The small windows beside the main window. All are created hidden, in a
// fixed order after the main window; the main window shows them on demand.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <QStringList>
#include <functional>
#include <memory>

namespace velmora::windows {

// A hidden top-level window on the table's felt, with its caption.
class SideWindow : public QDialog {
    Q_OBJECT
public:
    SideWindow(const char* objectName, const QString& caption, QWidget* parent);
};

// The spectator list: items read place, ": ", name.
class Tspylist : public SideWindow {
    Q_OBJECT
public:
    explicit Tspylist(QWidget* parent);

    QListWidget* listbox_spys() const { return list_; }
    void addSpy(int place, const QString& name);
    // Removes the item place, ": ", name; false when it is not listed.
    bool removeSpy(int place, const QString& name);
    QStringList items() const;

    // "Remove From Game": asks the main window to remove a place.
    std::function<void(int place)> kick;
    void setKickEnabled(bool on);
    void popup_kickhimClick();

private:
    QListWidget* list_;
    QAction* remove_;
    int underPointer_ = -1;
};

// Shown at every solo start: the way to the lobby, or on to the solo game.
class Tdownload : public SideWindow {
    Q_OBJECT
public:
    explicit Tdownload(QWidget* parent);
    void Button1Click() { close(); }  // "Play Solo Game"
    void Button2Click();              // open the installed lobby
};

// Everything the program creates besides the main window and the host, in
// creation order.
struct SideWindows {
    explicit SideWindows(QWidget* mainWindow);

    SideWindow* Tabout;
    Tspylist* spylist;
    SideWindow* Thelp;
    SideWindow* Tgamestart;
    SideWindow* Tphrases;
    Tdownload* download;
    SideWindow* Ttallylist;
};

}  // namespace velmora::windows
