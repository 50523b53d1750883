// Screen readers and the painted table. The board paints its cards, piles,
// groups and buttons, so Qt's accessibility tree gets one interface per
// painted item under the table view: the own hand's cards ("Blue 7", "Red
// wild card", "Skip") with their selected state and position, the piles with
// their top card, each seat with its name, stage, cards and laid groups, the
// groups themselves, the offered buttons, and an announcer that says the
// status line, arrivals, departures and chat lines as they come.
#pragma once

#include <QAccessible>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>
#include <map>
#include <vector>

class QTextDocument;

namespace velmora::client {

class BoardPanel;
class TableModel;
class TableView;

// Where accessibility events go: to Qt's screen-reader bridge unless a test
// catches them (empty: back to Qt).
using AccessibleEventSink = std::function<void(QAccessibleEvent* event)>;
void setAccessibleEventSink(AccessibleEventSink sink);

// How a screen reader names a face: "Blue 7", "Red wild card", "Skip".
QString spokenFace(int face);

// One painted item as a screen reader sees it.
struct AccessibleItem {
    QString key;  // the board item's name, "seat2" for a seat, "announcer"
    QAccessible::Role role = QAccessible::StaticText;
    QString name;
    QString description;
    bool selectable = false;
    bool selected = false;
    bool focused = false;
    QRect boardRect;
};

class TableAccessibility : public QObject {
    Q_OBJECT
public:
    // Lines said at once at most when many arrive together.
    static constexpr int kMaxLinesAtOnce = 5;

    TableAccessibility(BoardPanel* board, const TableModel& table, QObject* parent = nullptr);
    ~TableAccessibility() override;

    // Everything the table shows, in reading order.
    std::vector<AccessibleItem> describe() const;
    // The item with this key, if the table shows it.
    const AccessibleItem* find(const QString& key) const;
    // The interface of an item (made once, kept for the table's life).
    QAccessibleInterface* itemInterface(const QString& key);
    TableView* view() const;

    // Says a line to screen readers.
    void announce(const QString& text);
    const QString& lastAnnouncement() const { return announcement_; }
    // Says each new line of the chat view.
    void followChat(QTextDocument* chat);
    // The keyboard's ring moved to this board item.
    void focusMoved(const QString& item);
    // The board was refreshed: tells of changed names, selections and items.
    void boardChanged();

private:
    void sayNewChatLines();

    QPointer<BoardPanel> board_;
    const TableModel& table_;
    QString announcement_;
    QString focused_;
    QHash<QString, QAccessible::Id> ids_;
    std::map<QString, AccessibleItem> last_;
    QPointer<QTextDocument> chat_;
    int chatBlocksSaid_ = 0;
    bool chatPending_ = false;
};

}  // namespace velmora::client
