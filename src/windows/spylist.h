// The spectator list `Tspylist`: who is watching, and for the hosting player
// a pop-up "Remove From Game" on the spectator under the pointer.
#pragma once

#include <QListWidget>
#include <QMenu>
#include <QStringList>
#include <functional>

#include "windows/sidewindow.h"

namespace velmora::windows {

class Tspylist : public SideWindow {
    Q_OBJECT
public:
    explicit Tspylist(QWidget* parent);

    QListWidget* listbox_spys() const { return list_; }
    // Spectators hold the places after the four seats.
    static constexpr int kFirstPlace = 5, kLastPlace = 9;

    // Items read place, ": ", name. A place holds one spectator, so a new
    // arrival replaces whoever was listed there; places outside 5..9 are
    // not spectators' and are ignored (the list stays bounded whatever a
    // host sends).
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

    QListWidget* list_;
    QMenu* popup_;
    QAction* kickhim_;
    bool kickAllowed_ = false;
    int underPointer_ = -1;
};

}  // namespace velmora::windows
