// Keyboard play on the main window: a focus ring over the own hand, the two
// piles and the laid groups, and keys that go through the same operations as
// the clicks (TableActions::activate on the focused item's typed target, and
// the button handlers), so the waiting rule and the host's judgement are the
// same for keys and mouse. Keys play only while the table has the focus, which
// only Esc (from the chat line) or F6 (back and forth) give it; the chat line
// has the keys otherwise: when the window comes up, after a box, dialog or
// menu closed, and after a click on the table. Hint also has Ctrl+H, which
// works from anywhere in the window.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

#include "client/model/boardtarget.h"

class QLineEdit;
class QMenu;
class QWidget;

namespace velmora::client {

class TableActions;
class TableModel;
class TableView;

struct KeyboardParts {
    QWidget* window = nullptr;  // keys of this window and its children
    TableModel* table = nullptr;
    TableActions* actions = nullptr;
    TableView* view = nullptr;
    QLineEdit* chatInput = nullptr;
    std::function<void()> hint;   // Play > Hint; nothing when empty
};

class KeyboardPlay : public QObject {
    Q_OBJECT
public:
    explicit KeyboardPlay(KeyboardParts parts, QObject* parent = nullptr);

    // Adds the play commands with their shortcuts to the menu.
    void fillMenu(QMenu* menu);
    // Handles one key pressed on the table; false when it is no play key.
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);

    // The board item under the focus ring ("card3", "image_draw",
    // "image_set21"); empty when there is nothing to focus.
    QString focusedItem() const;
    // On a laid group: whether Enter places the hit at its right end.
    bool rightEnd() const { return rightEnd_; }
    // The ring shows once a key moved it, until the mouse is used.
    bool ringShown() const;

    // The help text of the keys (rich text).
    static QString helpHtml();

signals:
    // The ring moved to another item or end (for screen readers).
    void focusMoved(const QString& item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Command;
    static const std::vector<Command>& commands();

    std::vector<QString> stops() const;
    void moveStop(int step);
    void moveInHand(int slot);
    bool focusOn(ItemRole role) const;
    void activate();
    void run(void (KeyboardPlay::*op)());
    void draw();
    void pickUp();
    void discard();
    void layStage();
    void sort();
    void hint();
    void toggleChat();
    void keysToChat();
    void moved();

    KeyboardParts p_;
    QWidget* ring_ = nullptr;
    QString stop_ = QStringLiteral("hand");  // "hand" or a pile or group name
    int handSlot_ = 1;
    bool rightEnd_ = false;
    bool keyed_ = false;
    QTimer homeKeys_;  // once the event that took the keys is over
};

}  // namespace velmora::client
