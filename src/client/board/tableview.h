// The painted table: piles, the seats' fans, laid groups, kind labels, stage
// tracks, badges, markers, the action buttons, the own hand and the winner
// panel, drawn from the layout of the table state. One widget under the
// board's labels; a zoom factor scales the painting and the mouse mapping
// together.
#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <functional>

#include "client/board/tablelayout.h"
#include "client/board/tablemotion.h"
#include "client/model/tablemodel.h"

class QTimer;

namespace velmora::client {

class TableModel;

class TableView : public QWidget {
    Q_OBJECT
public:
    // A click on an item: the button and the position inside the item.
    using Click = std::function<void(const BoardItem& item, Qt::MouseButton button, QPoint inItem)>;
    // A hand card dragged within the hand: its id and the slot it was dropped on.
    using Drag = std::function<void(int id, int slot)>;

    TableView(const TableModel& table, QWidget* parent = nullptr);

    void setClick(Click click) { click_ = std::move(click); }
    void setDrag(Drag drag) { drag_ = std::move(drag); }

    // Lays the table out again and schedules a repaint.
    void refresh();
    const BoardItems& items() const { return items_; }
    const BoardItem* item(QStringView name) const { return findItem(items_, name); }

    // Cards move to their new places when on; off, the table jumps and no
    // timer exists at all.
    void setAnimated(bool on);
    bool animated() const { return animated_; }
    bool moving() const { return motion_.moving(); }
    // Paints one frame as it would be shown now (benchmarks).
    void paintFrame(QPainter& p);
    // The summary panels and their buttons lie over the table's labels: the
    // board's overlay paints them through this, in board coordinates.
    void paintPanels(QPainter& p) const;
    bool panelShown() const;
    // What the panels cover, in board coordinates; empty when none shows.
    QRect panelRect() const;

    // The round summary opens when a round ends and stays until the player
    // closes it (Continue, Esc) or acts in the next round; the last one
    // opens again on request (not over the final standings).
    bool summaryOpen() const { return summaryOpen_; }
    bool hasLastSummary() const { return lastSummary_.has_value() && !table_.gameOver; }
    void closeSummary() { setSummaryOpen(false); }
    void reopenSummary() { setSummaryOpen(hasLastSummary()); }
    static bool isPanel(const BoardItem& item) {
        return item.kind == BoardItem::Kind::Summary || item.kind == BoardItem::Kind::TextButton;
    }

    // Play > Hint: an outline round the pile or laid group the advice
    // points at, until the table next changes; role None for none.
    void showHint(const BoardTarget& target);
    const BoardTarget& hinted() const { return hint_; }

    qreal zoom() const { return zoom_; }
    void setZoom(qreal zoom);
    // Board coordinates of a point of this widget, and back.
    QPoint toBoard(QPoint widgetPos) const;
    QPoint fromBoard(QPoint boardPos) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

signals:
    // The round summary opened or closed without a change of the table.
    void summaryToggled();

private:
    void followSummary();
    void release(QMouseEvent* event);
    void setSummaryOpen(bool open);
    bool mayPlay() const { return table_.mayAct() && table_.turnPhase == 2; }
    // Raises the one card and no other, then plays it onto the pile or group.
    void playCardOnto(int id, const BoardItem& onto, QPoint at);
    bool dropCard(int id, QPoint at);
    void paintItem(QPainter& p, const BoardItem& item, qreal ratio) const;
    void frame();
    bool isHandCard(const BoardItem& item) const { return item.target.role == ItemRole::HandCard; }

    const TableModel& table_;
    BoardItems items_;
    Click click_;
    Drag drag_;
    qreal zoom_ = 1.0;
    bool animated_ = false;
    TableMotion motion_;
    BoardTarget hint_;
    QTimer* frames_ = nullptr;  // made with the first motion
    QElapsedTimer clock_;
    // The press that may become a click or a drag.
    QString pressed_;
    Qt::MouseButton pressButton_ = Qt::NoButton;
    QPoint pressAt_;
    int dragId_ = 0;  // the card being dragged, 0 none
    QPoint dragBy_;
    std::optional<RoundSummary> lastSummary_;
    bool summaryOpen_ = false;
    bool hadSummary_ = false;    // the model held a summary at the last look
    bool wasWaiting_ = false;    // a request was out at the last look
};

// The stage list `panel_stagelist`: the ten stages, done ones grey and
// struck. It shares its place with the chat panel.
class StageListPanel : public QWidget {
    Q_OBJECT
public:
    StageListPanel(const TableModel& table, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont fitted(int width, bool keys) const;

    const TableModel& table_;
};

}  // namespace velmora::client
