// The spectator list `Tspylist`: who is watching, and for the hosting player
// a pop-up "Remove From Game" on the spectator under the pointer.
#pragma once

#include <QListWidget>
#include <QMenu>
#include <QStringList>
#include <functional>

#include "windows/sidewindow.h"

namespace velmora::windows {

// Who is watching, kept from the first arrival whether or not the list's
// window was ever made. Items read place, ": ", name.
class SpyRoster {
public:
    // Spectators hold the places after the four seats.
    static constexpr int kFirstPlace = 5, kLastPlace = 9;

    // A place holds one spectator, so a new arrival replaces whoever was
    // listed there; places outside 5..9 are ignored (the roster stays
    // bounded whatever a host sends). The row added or replaced, or -1.
    int add(int place, const QString& name);
    // The row of place, ": ", name that went, or -1 when it is not listed.
    int remove(int place, const QString& name);
    const QStringList& items() const { return items_; }

private:
    QStringList items_;
};

class Tspylist : public SideWindow {
    Q_OBJECT
public:
    // Shows `roster` (which must outlive the window), or a roster of its own.
    explicit Tspylist(QWidget* parent, SpyRoster* roster = nullptr);

    QListWidget* listbox_spys() const { return list_; }
    // Updates the roster and the list (rules in SpyRoster).
    void addSpy(int place, const QString& name);
    // Removes the item place, ": ", name; false when it is not listed.
    bool removeSpy(int place, const QString& name);
    QStringList items() const;

    // Only the hosting player may remove anyone.
    void setKickEnabled(bool on) { kickAllowed_ = on; }
    // Reads the place from the item under the pointer and hands it to kick;
    // nothing when no item is under the pointer.
    void popup_kickhimClick();

    // The row under the pointer as it last moved; -1 when none.
    int underPointer() const { return underPointer_; }
    QMenu* popupMenu() const { return popup_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // "Remove From Game": asks the main window to remove a place.
    void kick(int place);

private:
    void showPopup(const QPoint& pos);

    SpyRoster ownRoster_;
    SpyRoster* roster_;
    QListWidget* list_;
    QLabel* empty_;  // says that nobody watches
    QMenu* popup_;
    QAction* kickhim_;
    bool kickAllowed_ = false;
    int underPointer_ = -1;
};

}  // namespace velmora::windows
