#include "client/access/keyboardplay.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <algorithm>

#include "client/model/actions.h"
#include "client/model/tablemodel.h"
#include "client/board/tableview.h"

namespace velmora::client {

// One play command: its menu item, its keys and what it does.
struct KeyboardPlay::Command {
    const char* objectName;
    const char* text;
    std::vector<QKeySequence> keys;  // while the table has the keys
    void (KeyboardPlay::*op)();
    // Works from anywhere in the window, the chat line included; the menu
    // shows it, since it is the one that always works.
    QKeySequence windowKey = {};
};

const std::vector<KeyboardPlay::Command>& KeyboardPlay::commands() {
    static const std::vector<Command> kCommands{
        {"KeyDraw1", QT_TR_NOOP("Draw a Card"), {QKeySequence(Qt::Key_D)}, &KeyboardPlay::draw},
        {"KeyPickUp1", QT_TR_NOOP("Pick Up the Discard"), {QKeySequence(Qt::Key_P)}, &KeyboardPlay::pickUp},
        {"KeyLayStage1", QT_TR_NOOP("Lay the Stage"), {QKeySequence(Qt::Key_L)}, &KeyboardPlay::layStage},
        {"KeyDiscard1", QT_TR_NOOP("Discard the Raised Card"), {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_X)},
         &KeyboardPlay::discard},
        {"KeySort1", QT_TR_NOOP("Sort the Hand"), {QKeySequence(Qt::Key_S)}, &KeyboardPlay::sort},
        {"KeyHint1", QT_TR_NOOP("Hint"), {QKeySequence(Qt::Key_H)}, &KeyboardPlay::hint,
         QKeySequence(Qt::CTRL | Qt::Key_H)},
        {"KeyChat1", QT_TR_NOOP("Chat Line or Table"), {QKeySequence(Qt::Key_F6)}, &KeyboardPlay::toggleChat, QKeySequence(Qt::Key_F6)},
    };
    return kCommands;
}

namespace {

// Draws the focus ring over the item the keys act on; lies over the whole
// table view and lets the mouse through.
class FocusRing : public QWidget {
public:
    FocusRing(TableView* view, const KeyboardPlay& play) : QWidget(view), view_(view), play_(play) {
        setObjectName(QStringLiteral("focus_ring"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_TranslucentBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(view->rect());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!play_.ringShown()) return;
        const BoardItem* it = view_->item(play_.focusedItem());
        if (!it || !it->visible) return;
        const qreal z = view_->zoom();
        QRect box = it->rect;
        // A hand card under its right neighbour: ring its visible strip only.
        const BoardItem* last = nullptr;
        for (const BoardItem& i : view_->items())
            if (i.target.role == ItemRole::HandCard) last = &i;
        if (it->target.role == ItemRole::HandCard && last && last != it) box.setWidth(30);
        const QRectF r(QPointF(box.topLeft()) * z, QSizeF(box.size()) * z);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF ring = r.adjusted(-2.5 * z, -2.5 * z, 2.5 * z, 2.5 * z);
        p.setPen(QPen(QColor(40, 24, 8), 4 * z));
        p.drawRoundedRect(ring, 5 * z, 5 * z);
        p.setPen(QPen(QColor(255, 222, 110), 2 * z));
        p.drawRoundedRect(ring, 5 * z, 5 * z);
        if (it->target.role != ItemRole::Group) return;
        // The end a hit goes to: a bar on that side of the group.
        const qreal x = play_.rightEnd() ? ring.right() - 5 * z : ring.left() + 1 * z;
        p.fillRect(QRectF(x, ring.top() + 4 * z, 4 * z, ring.height() - 8 * z), QColor(255, 222, 110));
    }

private:
    TableView* view_;
    const KeyboardPlay& play_;
};

}  // namespace

KeyboardPlay::KeyboardPlay(KeyboardParts parts, QObject* parent) : QObject(parent), p_(std::move(parts)) {
    // A click never takes the focus for the table: it gets the keys only by
    // Esc or F6, and only then does a letter play.
    p_.view->setFocusPolicy(Qt::NoFocus);
    ring_ = new FocusRing(p_.view, *this);
    p_.view->installEventFilter(this);
    qApp->installEventFilter(this);
    homeKeys_.setSingleShot(true);
    homeKeys_.setInterval(0);
    connect(&homeKeys_, &QTimer::timeout, this, &KeyboardPlay::keysToChat);
}

// Typed text is chat unless the player gave the table the keys; whatever
// took them meanwhile (a box, a dialog, a menu, a click) gives them back.
void KeyboardPlay::keysToChat() {
    if (!p_.chatInput || !p_.window->isActiveWindow() || QApplication::activePopupWidget()) return;
    if (!p_.chatInput->hasFocus()) p_.chatInput->setFocus(Qt::OtherFocusReason);
    ring_->update();
}

void KeyboardPlay::fillMenu(QMenu* menu) {
    for (const Command& c : commands()) {
        QAction* a = menu->addAction(tr(c.text));
        a->setObjectName(QString::fromLatin1(c.objectName));
        // Letters play only while the table has the keys (Esc or F6), never
        // while the chat line or another part of the window has them; the
        // table's key filter runs them, and the menu shows them unless a
        // key of the whole window exists.
        if (!c.windowKey.isEmpty()) {
            a->setShortcut(c.windowKey);
            a->setShortcutContext(Qt::WindowShortcut);
        } else {
            a->setShortcuts(QList<QKeySequence>(c.keys.begin(), c.keys.end()));
            a->setShortcutContext(Qt::WidgetShortcut);
            p_.view->addAction(a);
        }
        connect(a, &QAction::triggered, this, [this, op = c.op] { run(op); });
    }
}

bool KeyboardPlay::ringShown() const {
    return keyed_ && p_.view->hasFocus() && !focusedItem().isEmpty();
}

std::vector<QString> KeyboardPlay::stops() const {
    std::vector<QString> out;
    if (p_.table->cardCount() > 0) out.push_back(QStringLiteral("hand"));
    out.push_back(QStringLiteral("image_draw"));
    out.push_back(QStringLiteral("image_discard"));
    for (const BoardItem& it : p_.view->items())
        if (it.visible && it.target.role == ItemRole::Group) out.push_back(it.name);
    return out;
}

QString KeyboardPlay::focusedItem() const {
    if (stop_ != QLatin1String("hand")) {
        const BoardItem* it = p_.view->item(stop_);
        if (it && it->visible) return stop_;
    }
    const int count = p_.table->cardCount();
    if (count == 0) return stop_ == QLatin1String("hand") ? QString() : QStringLiteral("image_draw");
    const int slot = std::clamp(handSlot_, 1, count);
    return QStringLiteral("card%1").arg(p_.table->hand[slot].id);
}

void KeyboardPlay::moved() {
    keyed_ = true;
    ring_->update();
    emit focusMoved(focusedItem());
}

void KeyboardPlay::moveStop(int step) {
    const std::vector<QString> all = stops();
    QString current = focusedItem();
    if (focusOn(ItemRole::HandCard)) current = QStringLiteral("hand");
    auto at = std::find(all.begin(), all.end(), current);
    const int n = static_cast<int>(all.size());
    int index = at == all.end() ? 0 : static_cast<int>(at - all.begin());
    index = ((index + step) % n + n) % n;
    stop_ = all[static_cast<size_t>(index)];
    rightEnd_ = false;
    moved();
}

void KeyboardPlay::moveInHand(int slot) {
    stop_ = QStringLiteral("hand");
    handSlot_ = std::clamp(slot, 1, std::max(1, p_.table->cardCount()));
    moved();
}

void KeyboardPlay::run(void (KeyboardPlay::*op)()) {
    (this->*op)();
    ring_->update();
}

void KeyboardPlay::hint() {
    if (p_.hint) p_.hint();
}

void KeyboardPlay::draw() { p_.actions->image_drawClick(); }

// P takes the discard: the pile's own click in the first phase, so a skip on
// top is refused the same way; never a discard.
void KeyboardPlay::pickUp() {
    if (p_.table->turnPhase != 2) p_.actions->image_discardClick();
}

void KeyboardPlay::discard() { p_.actions->button_discardClick(); }

// Only while the Create Stage button is offered, as for the mouse.
void KeyboardPlay::layStage() {
    if (p_.table->showCreateStage) p_.actions->button_createstageClick();
}

// The right button on any card sorts.
void KeyboardPlay::sort() {
    const TableModel& t = *p_.table;
    for (int k = 1; k < static_cast<int>(t.hand.size()); ++k)
        if (!t.hand[k].empty()) {
            p_.actions->cardimagesMouseDown(t.hand[k].id, true);
            return;
        }
}

void KeyboardPlay::toggleChat() {
    if (!p_.chatInput) return;
    if (!p_.view->hasFocus()) {
        p_.view->setFocus(Qt::ShortcutFocusReason);
        moved();
    } else {
        p_.chatInput->setFocus(Qt::ShortcutFocusReason);
        ring_->update();
    }
}

bool KeyboardPlay::focusOn(ItemRole role) const {
    const BoardItem* it = p_.view->item(focusedItem());
    return it && it->target.role == role;
}

// Enter and Space: what a left click on the focused item does, at the chosen end of a group.
void KeyboardPlay::activate() {
    const BoardItem* it = p_.view->item(focusedItem());
    if (!it || !it->visible) return;
    p_.actions->activate(it->target, rightEnd_ ? GroupEnd::Right : GroupEnd::Left, false);
}

bool KeyboardPlay::handleKey(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers mods = modifiers & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods != Qt::NoModifier) return false;
    for (const Command& c : commands())
        for (const QKeySequence& k : c.keys)
            if (k[0].key() == key && !(modifiers & Qt::ShiftModifier)) {
                run(c.op);
                return true;
            }
    const bool inHand = focusOn(ItemRole::HandCard);
    const bool onGroup = focusOn(ItemRole::Group);
    switch (key) {
        case Qt::Key_Tab: moveStop(modifiers & Qt::ShiftModifier ? -1 : 1); return true;
        case Qt::Key_Backtab: moveStop(-1); return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (onGroup) {
                rightEnd_ = key == Qt::Key_Right;
                moved();
            } else {
                const int step = key == Qt::Key_Right ? 1 : -1;
                moveInHand((inHand ? std::clamp(handSlot_, 1, p_.table->cardCount()) : 1) + step);
            }
            return true;
        case Qt::Key_Home: moveInHand(1); return true;
        case Qt::Key_End: moveInHand(p_.table->cardCount()); return true;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            keyed_ = true;
            run(&KeyboardPlay::activate);
            emit focusMoved(focusedItem());
            return true;
        default: return false;
    }
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == p_.view) {
        if (event->type() == QEvent::Resize) ring_->setGeometry(p_.view->rect());
        if (event->type() == QEvent::MouseButtonPress) keyed_ = false, homeKeys_.start();
        if (event->type() == QEvent::FocusOut || event->type() == QEvent::FocusIn) ring_->update();
    }
    const bool menuClosed = event->type() == QEvent::Hide && qobject_cast<QMenu*>(watched);
    // A button of the window (Start Game, a phrase) keeps no keys after its click.
    const bool buttonClicked = event->type() == QEvent::MouseButtonRelease && qobject_cast<QAbstractButton*>(watched) &&
                               static_cast<QWidget*>(watched)->window() == p_.window;
    if ((watched == p_.window && event->type() == QEvent::WindowActivate) || menuClosed || buttonClicked)
        homeKeys_.start();
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(watched);
    if (w->window() != p_.window) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (p_.chatInput && p_.chatInput->hasFocus()) {
        if (key->key() == Qt::Key_Escape) {
            p_.view->setFocus(Qt::OtherFocusReason);
            moved();
            return true;
        }
        if (key->key() == Qt::Key_F6) {
            toggleChat();
            return true;
        }
        return false;
    }
    // Anywhere but on the table, only F6 (to the table) is a play key.
    if (!p_.view->hasFocus()) return false;
    return handleKey(key->key(), key->modifiers());
}

QString KeyboardPlay::helpHtml() {
    return tr(
        "<p>The whole game can be played from the keyboard once the table has the keys: <b>Esc</b> "
        "leaves the chat line for the table; <b>F6</b> goes back and forth between the chat line and "
        "the table. A ring shows where the keys act. Typed text is chat: the chat line has the keys when "
        "the window comes up, and again after a click on the table or when a box or menu closes.</p>"
        "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">"
        "<tr><td><b>Left</b>, <b>Right</b>, <b>Home</b>, <b>End</b></td><td>move the ring over your hand</td></tr>"
        "<tr><td><b>Space</b></td><td>raise or lower the card under the ring (as a click)</td></tr>"
        "<tr><td><b>D</b></td><td>draw a card</td></tr>"
        "<tr><td><b>P</b></td><td>pick up the discard</td></tr>"
        "<tr><td><b>Delete</b> or <b>X</b></td><td>discard the raised card</td></tr>"
        "<tr><td><b>L</b></td><td>lay your stage with the raised cards</td></tr>"
        "<tr><td><b>S</b></td><td>sort your hand</td></tr>"
        "<tr><td><b>H</b>, or <b>Ctrl+H</b> from anywhere</td><td>show a hint for your turn (also the Hint "
        "button beside the status line)</td></tr>"
        "<tr><td><b>Tab</b>, <b>Shift+Tab</b></td><td>move the ring through your hand, the draw pile, the "
        "discard pile and every laid group</td></tr>"
        "<tr><td><b>Left</b>, <b>Right</b> on a group</td><td>choose the end a hit goes to</td></tr>"
        "<tr><td><b>Enter</b></td><td>on a group: place a hit with the raised card; on a pile: as a "
        "click</td></tr>"
        "<tr><td><b>Ctrl+=</b>, <b>Ctrl+-</b>, <b>Ctrl+0</b></td><td>make the table bigger, smaller, or "
        "100 %</td></tr>"
        "</table>");
}

}  // namespace velmora::client
