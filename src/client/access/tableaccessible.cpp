#include "client/access/tableaccessible.h"

#include <QCoreApplication>
#include <QAccessibleWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

#include "client/board/board.h"
#include "client/board/tablelayout.h"
#include "client/model/tablemodel.h"
#include "client/board/tableview.h"

namespace velmora::client {

namespace {

AccessibleEventSink& sink() {
    static AccessibleEventSink s;
    return s;
}

void send(QAccessibleEvent* event) {
    if (sink()) sink()(event);
    else QAccessible::updateAccessibility(event);
}

// The table of each view, for the factory.
QHash<const QObject*, TableAccessibility*>& owners() {
    static QHash<const QObject*, TableAccessibility*> map;
    return map;
}

// The painted buttons and how they are read.
struct ButtonName {
    const char* item;
    const char* name;
};
constexpr ButtonName kButtons[] = {
    {"button_createstage", QT_TRANSLATE_NOOP("TableAccessibility", "Create Stage")},
    {"button_discard", QT_TRANSLATE_NOOP("TableAccessibility", "Discard")},
    {"button_pickup", QT_TRANSLATE_NOOP("TableAccessibility", "Pick Up")},
    {"button_draw", QT_TRANSLATE_NOOP("TableAccessibility", "Draw")},
    {"button_chatbox", QT_TRANSLATE_NOOP("TableAccessibility", "Chat Box")},
    {"button_stagelist", QT_TRANSLATE_NOOP("TableAccessibility", "Stage List")},
};

QString kindWord(int kind) {
    switch (kind) {
        case 2: return QCoreApplication::translate("TableAccessibility", "run");
        case 3: return QCoreApplication::translate("TableAccessibility", "color");
        default: return QCoreApplication::translate("TableAccessibility", "set");
    }
}

QString faces(const std::vector<int>& list) {
    QStringList out;
    for (int f : list) out << spokenFace(f);
    return out.join(QStringLiteral(", "));
}

QString seatText(const TableModel& t, int s) {
    const SeatState& seat = t.seats[s];
    QStringList parts{QString::fromStdString(seat.name)};
    if (seat.stage >= 1 && seat.stage <= kStageCount) parts << QCoreApplication::translate("TableAccessibility", "stage %1").arg(seat.stage);
    else if (seat.stage > kStageCount) parts << QCoreApplication::translate("TableAccessibility", "all stages done");
    else parts << QCoreApplication::translate("TableAccessibility", "not in the round");
    const int cards = s == t.ownSeat ? t.cardCount() : seat.handCount;
    parts << (cards == 1 ? QCoreApplication::translate("TableAccessibility", "1 card") : QCoreApplication::translate("TableAccessibility", "%1 cards").arg(cards));
    if (seat.turn) parts << QCoreApplication::translate("TableAccessibility", "playing now");
    if (seat.skipped) parts << QCoreApplication::translate("TableAccessibility", "skipped");
    if (seat.watching) parts << QCoreApplication::translate("TableAccessibility", "just watching");
    QStringList laid;
    for (int g = 0; g < 2; ++g)
        if (!seat.groups[g].empty()) laid << kindWord(seat.kind[g]) + QLatin1Char(' ') + faces(seat.groups[g]);
    parts << (laid.isEmpty() ? QCoreApplication::translate("TableAccessibility", "nothing laid") : QCoreApplication::translate("TableAccessibility", "laid: ") + laid.join(QStringLiteral("; ")));
    return parts.join(QStringLiteral(", "));
}

// One painted item: everything is read from the table at the moment asked.
class ItemInterface : public QAccessibleInterface {
public:
    ItemInterface(TableAccessibility* owner, QString key) : owner_(owner), key_(std::move(key)) {}

    bool isValid() const override { return !owner_.isNull() && owner_->view(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return isValid() ? owner_->view()->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return isValid() ? QAccessible::queryAccessibleInterface(owner_->view()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        const AccessibleItem* it = item();
        if (!it) return {};
        if (t == QAccessible::Name) return it->name;
        if (t == QAccessible::Description) return it->description;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const AccessibleItem* it = item();
        if (!it || it->boardRect.isEmpty()) return {};
        TableView* v = owner_->view();
        const qreal z = v->zoom();
        const QRect r(v->fromBoard(it->boardRect.topLeft()), it->boardRect.size() * z);
        return QRect(v->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        const AccessibleItem* it = item();
        return it ? it->role : QAccessible::NoRole;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const AccessibleItem* it = item();
        if (!it) {
            s.invisible = true;
            return s;
        }
        s.selectable = it->selectable;
        s.selected = it->selected;
        s.focusable = it->role != QAccessible::StaticText;
        s.focused = it->focused;
        s.readOnly = true;
        return s;
    }

private:
    const AccessibleItem* item() const { return isValid() ? owner_->find(key_) : nullptr; }

    QPointer<TableAccessibility> owner_;
    QString key_;
};

// The table view: its children are the painted items.
class ViewInterface : public QAccessibleWidget {
public:
    ViewInterface(QWidget* view, TableAccessibility* owner)
        : QAccessibleWidget(view, QAccessible::Pane, QCoreApplication::translate("TableAccessibility", "Table")), owner_(owner) {}

    int childCount() const override { return owner_ ? static_cast<int>(owner_->describe().size()) : 0; }
    QAccessibleInterface* child(int index) const override {
        if (!owner_) return nullptr;
        const auto items = owner_->describe();
        if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
        return owner_->itemInterface(items[static_cast<size_t>(index)].key);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!owner_ || !child) return -1;
        const auto items = owner_->describe();
        for (size_t i = 0; i < items.size(); ++i)
            if (owner_->itemInterface(items[i].key) == child) return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = childCount() - 1; i >= 0; --i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!owner_) return nullptr;
        for (const AccessibleItem& it : owner_->describe())
            if (it.focused) return owner_->itemInterface(it.key);
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QCoreApplication::translate("TableAccessibility", "Table") : QAccessibleWidget::text(t);
    }

private:
    QPointer<TableAccessibility> owner_;
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* view = qobject_cast<TableView*>(object);
    TableAccessibility* owner = view ? owners().value(view) : nullptr;
    return owner ? new ViewInterface(view, owner) : nullptr;
}

}  // namespace

void setAccessibleEventSink(AccessibleEventSink s) { sink() = std::move(s); }

QString spokenFace(int face) {
    if (face >= 1 && face <= 52 && face % 13 == 0)
        return QCoreApplication::translate("TableAccessibility", "%1 wild card").arg(colourName(face));
    return faceName(face);
}

TableAccessibility::TableAccessibility(BoardPanel* board, const TableModel& table, QObject* parent)
    : QObject(parent), board_(board), table_(table) {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
    owners().insert(board->tableView(), this);
    connect(board, &BoardPanel::refreshed, this, &TableAccessibility::boardChanged);
}

TableAccessibility::~TableAccessibility() {
    owners().remove(view());
    for (QAccessible::Id id : std::as_const(ids_)) QAccessible::deleteAccessibleInterface(id);
}

TableView* TableAccessibility::view() const { return board_ ? board_->tableView() : nullptr; }

std::vector<AccessibleItem> TableAccessibility::describe() const {
    std::vector<AccessibleItem> out;
    TableView* v = view();
    if (!v) return out;
    const TableModel& t = table_;
    auto rectOf = [v](const QString& name) {
        const BoardItem* it = v->item(name);
        return it ? it->rect : QRect();
    };
    auto add = [&](QString key, QAccessible::Role role, QString name, QString description = {}) {
        AccessibleItem it;
        it.boardRect = rectOf(key);
        it.key = std::move(key);
        it.role = role;
        it.name = std::move(name);
        it.description = std::move(description);
        it.focused = it.key == focused_;
        out.push_back(std::move(it));
        return &out.back();
    };
    const int count = t.cardCount();
    int position = 0;
    for (int k = 1; k <= kHandSlots; ++k) {
        const HandSlot& slot = t.hand[k];
        if (slot.empty()) continue;
        AccessibleItem* card = add(QStringLiteral("card%1").arg(slot.id), QAccessible::ListItem, spokenFace(slot.face),
                                   QCoreApplication::translate("TableAccessibility", "card %1 of %2").arg(++position).arg(count));
        card->selectable = true;
        card->selected = slot.selected;
    }
    add(QStringLiteral("image_draw"), QAccessible::Button, QCoreApplication::translate("TableAccessibility", "Draw pile"));
    add(QStringLiteral("image_discard"), QAccessible::Button,
        QCoreApplication::translate("TableAccessibility", "Discard pile: %1").arg(t.discardTop > 0 ? spokenFace(t.discardTop) : QCoreApplication::translate("TableAccessibility", "empty")));
    for (const ButtonName& b : kButtons) {
        const BoardItem* it = v->item(QString::fromLatin1(b.item));
        if (it && it->visible) add(QString::fromLatin1(b.item), QAccessible::Button, QCoreApplication::translate("TableAccessibility", b.name));
    }
    for (int place = 0; place < 4; ++place) {
        const int s = t.seatAtPlace[static_cast<size_t>(place)];
        AccessibleItem* seat = add(QStringLiteral("seat%1").arg(s), QAccessible::Grouping, seatText(t, s));
        seat->boardRect = rectOf(QStringLiteral("image_cards%1").arg(s));
        for (int g = 1; g <= 2; ++g) {
            const auto& group = t.seats[s].groups[static_cast<size_t>(g - 1)];
            if (group.empty()) continue;
            add(QStringLiteral("image_set%1").arg(s * 10 + g), QAccessible::Button,
                QCoreApplication::translate("TableAccessibility", "%1's %2: %3")
                    .arg(QString::fromStdString(t.seats[s].name), kindWord(t.seats[s].kind[static_cast<size_t>(g - 1)]),
                         faces(group)),
                QCoreApplication::translate("TableAccessibility", "place a hit"));
        }
    }
    if (t.showWinner) add(QStringLiteral("panel_winner"), QAccessible::StaticText, QString::fromStdString(t.winnerText));
    add(QStringLiteral("announcer"), QAccessible::StaticText, announcement_);
    return out;
}

const AccessibleItem* TableAccessibility::find(const QString& key) const {
    // The answer lives until the next call, as the interfaces read it at once.
    static thread_local std::vector<AccessibleItem> items;
    items = describe();
    for (const AccessibleItem& it : items)
        if (it.key == key) return &it;
    return nullptr;
}

QAccessibleInterface* TableAccessibility::itemInterface(const QString& key) {
    auto at = ids_.constFind(key);
    if (at != ids_.constEnd()) return QAccessible::accessibleInterface(*at);
    auto* iface = new ItemInterface(this, key);
    ids_.insert(key, QAccessible::registerAccessibleInterface(iface));
    return iface;
}

void TableAccessibility::announce(const QString& text) {
    announcement_ = text;
    QAccessibleInterface* iface = itemInterface(QStringLiteral("announcer"));
    QAccessibleEvent named(iface, QAccessible::NameChanged);
    send(&named);
    QAccessibleEvent alert(iface, QAccessible::Alert);
    send(&alert);
}

void TableAccessibility::focusMoved(const QString& item) {
    focused_ = item;
    if (!find(item)) return;
    QAccessibleEvent event(itemInterface(item), QAccessible::Focus);
    send(&event);
}

void TableAccessibility::boardChanged() {
    std::map<QString, AccessibleItem> now;
    for (AccessibleItem& it : describe()) now.emplace(it.key, std::move(it));
    bool reordered = now.size() != last_.size();
    for (const auto& [key, it] : now) {
        auto before = last_.find(key);
        if (before == last_.end()) {
            reordered = true;
            continue;
        }
        if (before->second.name != it.name && key != QLatin1String("announcer")) {
            QAccessibleEvent event(itemInterface(key), QAccessible::NameChanged);
            send(&event);
        }
        if (before->second.selected != it.selected) {
            QAccessible::State changed;
            changed.selected = true;
            QAccessibleStateChangeEvent event(itemInterface(key), changed);
            send(&event);
        }
    }
    last_ = std::move(now);
    if (reordered && view()) {
        QAccessibleEvent event(view(), QAccessible::ObjectReorder);
        send(&event);
    }
}

void TableAccessibility::followChat(QTextDocument* chat) {
    chat_ = chat;
    chatBlocksSaid_ = chat->isEmpty() ? 0 : chat->blockCount();
    // A line may arrive in pieces: it is said once the event is handled.
    connect(chat, &QTextDocument::contentsChanged, this, [this] {
        if (std::exchange(chatPending_, true)) return;
        QTimer::singleShot(0, this, &TableAccessibility::sayNewChatLines);
    });
}

void TableAccessibility::sayNewChatLines() {
    chatPending_ = false;
    if (!chat_) return;
    const int blocks = chat_->isEmpty() ? 0 : chat_->blockCount();
    if (blocks < chatBlocksSaid_) chatBlocksSaid_ = 0;  // cleared
    const int from = std::max(chatBlocksSaid_, blocks - kMaxLinesAtOnce);
    for (int b = from; b < blocks; ++b) {
        const QString line = chat_->findBlockByNumber(b).text();
        if (!line.isEmpty()) announce(line);
    }
    chatBlocksSaid_ = blocks;
}

}  // namespace velmora::client
