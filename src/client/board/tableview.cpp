#include "client/board/tableview.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "client/board/board.h"
#include "client/art/cardart.h"
#include "client/model/tablemodel.h"

namespace velmora::client {

namespace {

using Kind = BoardItem::Kind;

const QColor kHatch(199, 169, 135);
const QColor kGrey(192, 192, 192);
const QColor kPill(96, 62, 30, 200);
const QColor kPanel(96, 62, 30);
const QColor kButton(140, 96, 50);
const QColor kLastMove(255, 214, 64);
const QColor kHint(120, 220, 255);

// A summary panel: the title, then a heading row and one row a seat, their
// columns cut at tabs, each as wide as the layout measured it.
void paintSummary(QPainter& p, const BoardItem& item) {
    const QRect& r = item.rect;
    p.setPen(QPen(boardTextColour(), 1));
    p.setBrush(kPanel);
    p.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setFont(boardFont(15));
    p.drawText(QRect(r.x() + 8, r.y() + 8, r.width() - 16, item.count), Qt::AlignCenter | Qt::TextWordWrap, item.text);
    int top = r.y() + 8 + item.count + 12;
    for (std::size_t n = 0; n < item.rows.size(); ++n) {
        const QStringList cells = item.rows[n].split(QLatin1Char('\t'));
        p.setFont(boardFont(11, n == 0));
        p.setPen(n == 0 ? kGrey : boardTextColour());
        int x = r.x() + 8;
        for (int c = 0; c < cells.size() && c < static_cast<int>(item.columns.size()); ++c) {
            const int w = item.columns[static_cast<std::size_t>(c)];
            const QString text = QFontMetrics(p.font()).elidedText(cells[c], Qt::ElideRight, w - 2);
            p.drawText(QRect(x, top, w, 20), (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter, text);
            x += w;
        }
        top += n == 0 ? kSummaryHeading : kSummaryRow;
    }
}
// A press becomes a drag once the pointer moved this far sideways.
constexpr int kDragDistance = 6;

}  // namespace

TableView::TableView(const TableModel& table, QWidget* parent) : QWidget(parent), table_(table) {
    setObjectName(QStringLiteral("table_view"));
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(false);
    clock_.start();
    refresh();
}

void TableView::refresh() {
    hint_ = {};
    followSummary();
    BoardItems before = std::exchange(items_, layoutBoard(table_, summaryOpen_ ? &*lastSummary_ : nullptr));
    if (animated_) {
        motion_.start(before, items_, table_, clock_.elapsed());
        if (motion_.moving()) {
            if (!frames_) {
                frames_ = new QTimer(this);
                frames_->setTimerType(Qt::PreciseTimer);
                frames_->setInterval(16);
                connect(frames_, &QTimer::timeout, this, &TableView::frame);
            }
            frames_->start();
        }
    }
    update();
}

// Opens the summary the host's round end brought; closes it at the player's
// first request once the next round is dealt, and when the game is over or
// a new one starts.
void TableView::followSummary() {
    const bool held = table_.roundSummary.has_value();
    const bool requested = table_.waitingForHost && !wasWaiting_;
    wasWaiting_ = table_.waitingForHost;
    if (held) lastSummary_ = *table_.roundSummary;
    if (held && !hadSummary_) summaryOpen_ = true;
    hadSummary_ = held;
    if (!held && table_.round == 0) lastSummary_.reset();
    if ((!held && requested) || !hasLastSummary()) summaryOpen_ = false;
}

void TableView::setSummaryOpen(bool open) {
    if (summaryOpen_ == open) return;
    summaryOpen_ = open;
    items_ = layoutBoard(table_, summaryOpen_ ? &*lastSummary_ : nullptr);
    update();
    emit summaryToggled();
}

void TableView::setAnimated(bool on) {
    animated_ = on;
    if (on) return;
    motion_.clear();
    if (frames_) frames_->stop();
    update();
}

void TableView::frame() {
    if (!motion_.advance(clock_.elapsed())) frames_->stop();
    update();
}

void TableView::setZoom(qreal zoom) {
    zoom_ = std::clamp(zoom, 0.5, 4.0);
    update();
}

QPoint TableView::toBoard(QPoint widgetPos) const {
    return QPoint(static_cast<int>(std::floor(widgetPos.x() / zoom_)), static_cast<int>(std::floor(widgetPos.y() / zoom_)));
}

QPoint TableView::fromBoard(QPoint boardPos) const {
    return QPoint(static_cast<int>(std::lround(boardPos.x() * zoom_)), static_cast<int>(std::lround(boardPos.y() * zoom_)));
}

void TableView::paintItem(QPainter& p, const BoardItem& item, qreal ratio) const {
    const QRect& r = item.rect;
    switch (item.kind) {
        case Kind::Hatch:
            p.setPen(QPen(kHatch, 1));
            p.setBrush(QBrush(kHatch, Qt::DiagCrossPattern));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            break;
        case Kind::Pile:
            if (item.index > 0) p.drawPixmap(r.topLeft(), art::bigCard(item.index, ratio));
            break;
        case Kind::BigCard:
            p.drawPixmap(r.topLeft(), art::bigCard(item.index, ratio));
            break;
        case Kind::Fan:
            for (int i = 0; i < item.count; ++i) p.drawPixmap(r.topLeft() + QPoint(10 * i, 0), art::smallCard(0, ratio));
            break;
        case Kind::Group:
            for (std::size_t i = 0; i < item.faces.size(); ++i)
                p.drawPixmap(r.topLeft() + QPoint(18 * static_cast<int>(i), 0), art::smallCard(item.faces[i], ratio));
            break;
        case Kind::KindLabel:
            p.drawPixmap(r.topLeft(), art::groupLabel(item.index, ratio));
            break;
        case Kind::Track:
            p.drawPixmap(r.topLeft(), art::stageTrack(item.index, ratio));
            break;
        case Kind::Fixed:
            p.drawPixmap(r.topLeft(), art::picture(static_cast<art::Fixed>(item.index), ratio));
            break;
        case Kind::Text:
            p.setFont(boardFont(item.index > 0 ? item.index : 16));
            p.setPen(boardTextColour());
            p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, item.text);
            break;
        case Kind::Points:
            p.setPen(Qt::NoPen);
            p.setBrush(kPill);
            p.drawRoundedRect(r, 6, 6);
            p.setFont(boardFont(11));
            p.setPen(boardTextColour());
            p.drawText(r, Qt::AlignCenter, item.text);
            break;
        case Kind::Summary:
            paintSummary(p, item);
            break;
        case Kind::LastMove:
            p.setPen(QPen(kLastMove, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 4, 4);
            break;
        case Kind::TextButton:
            p.setPen(QPen(boardTextColour(), 1));
            p.setBrush(kButton);
            p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
            p.setFont(boardFont(13));
            p.drawText(r, Qt::AlignCenter, item.text);
            break;
    }
}

void TableView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintFrame(p);
}

void TableView::paintFrame(QPainter& p) {
    p.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ != 1.0);
    p.scale(zoom_, zoom_);
    const qreal ratio = devicePixelRatioF() * zoom_;
    const BoardItem* dragged = nullptr;
    for (const BoardItem& item : items_) {
        if (!item.visible || isPanel(item)) continue;
        if (dragId_ != 0 && isHandCard(item) && item.target.cardId == dragId_) {
            dragged = &item;
            continue;
        }
        if (const Motion* m = motion_.moving() ? motion_.hiding(item.name) : nullptr) {
            if (m->standIn) paintItem(p, *m->standIn, ratio);
            continue;
        }
        paintItem(p, item, ratio);
    }
    const qint64 now = clock_.elapsed();
    for (const Motion& m : motion_.motions()) paintItem(p, motion_.at(m, now), ratio);
    if (hint_.role != ItemRole::None)
        for (const BoardItem& item : items_)
            if (item.visible && item.target == hint_) {
                p.setPen(QPen(kHint, 3));
                p.setBrush(Qt::NoBrush);
                p.drawRoundedRect(QRectF(item.rect).adjusted(-2.5, -2.5, 2.5, 2.5), 5, 5);
            }
    if (dragged) {
        BoardItem moved = *dragged;
        moved.rect.translate(dragBy_);
        paintItem(p, moved, ratio);
    }
}

void TableView::showHint(const BoardTarget& target) {
    hint_ = target;
    update();
}

void TableView::paintPanels(QPainter& p) const {
    const qreal ratio = devicePixelRatioF() * zoom_;
    for (const BoardItem& item : items_)
        if (item.visible && isPanel(item)) paintItem(p, item, ratio);
}

bool TableView::panelShown() const {
    return std::any_of(items_.begin(), items_.end(), [](const BoardItem& it) { return it.visible && isPanel(it); });
}

QRect TableView::panelRect() const {
    QRect all;
    for (const BoardItem& it : items_)
        if (it.visible && isPanel(it)) all |= it.rect;
    return all;
}

void TableView::mousePressEvent(QMouseEvent* e) {
    const QPoint at = toBoard(e->position().toPoint());
    const BoardItem* it = itemAt(items_, at);
    pressed_.clear();
    dragId_ = 0;
    dragBy_ = {};
    if (!it) return;
    // The right button sorts the hand at once, as a press on a card.
    if (isHandCard(*it) && e->button() == Qt::RightButton) {
        if (click_) click_(*it, e->button(), at - it->rect.topLeft());
        return;
    }
    pressed_ = it->name;
    pressButton_ = e->button();
    pressAt_ = at;
}

void TableView::mouseMoveEvent(QMouseEvent* e) {
    if (pressed_.isEmpty() || pressButton_ != Qt::LeftButton) return;
    const BoardItem* it = item(pressed_);
    if (!it || !isHandCard(*it)) return;
    const QPoint by = toBoard(e->position().toPoint()) - pressAt_;
    if (dragId_ == 0 && by.manhattanLength() < kDragDistance) return;
    dragId_ = it->target.cardId;
    dragBy_ = by;
    update();
}

void TableView::mouseReleaseEvent(QMouseEvent* e) {
    release(e);
    // Once the next round is dealt, the player's first touch of the table
    // closes the last round's summary, after doing what it does (closed at
    // the press, the panel would lose the release it grabbed).
    if (summaryOpen_ && !table_.roundSummary) closeSummary();
}

void TableView::release(QMouseEvent* e) {
    const QString pressed = std::exchange(pressed_, QString());
    const int dragged = std::exchange(dragId_, 0);
    const QPoint by = std::exchange(dragBy_, QPoint());
    if (pressed.isEmpty()) return;
    const BoardItem* it = item(pressed);
    if (!it) return;
    const QPoint at = toBoard(e->position().toPoint());
    if (dragged != 0) {
        // Onto the discard pile or a laid group it plays; anywhere else it
        // takes the hand slot it was dropped over.
        const int slot = slotAt(it->rect.x() + by.x());
        if (!dropCard(dragged, at) && drag_) drag_(dragged, slot);
        update();
        return;
    }
    if (!it->rect.contains(at)) return;
    if (it->target.role == ItemRole::CloseSummaryButton) return closeSummary();
    if (click_) click_(*it, pressButton_, at - it->rect.topLeft());
}

// A double click on a hand card in the second phase discards that card.
void TableView::mouseDoubleClickEvent(QMouseEvent* e) {
    const BoardItem* it = itemAt(items_, toBoard(e->position().toPoint()));
    if (!it || !isHandCard(*it) || e->button() != Qt::LeftButton || !mayPlay()) return mousePressEvent(e);
    pressed_.clear();
    const BoardItem* pile = item(u"image_discard");
    if (pile) playCardOnto(it->target.cardId, BoardItem(*pile), pile->rect.center() - pile->rect.topLeft());
}

bool TableView::dropCard(int id, QPoint at) {
    const BoardItem* onto = itemAt(items_, at);
    if (!onto || (onto->target.role != ItemRole::DiscardPile && onto->target.role != ItemRole::Group)) return false;
    if (mayPlay()) playCardOnto(id, BoardItem(*onto), at - onto->rect.topLeft());
    return true;
}

// Through the same clicks a player makes: every other raised card lowered,
// this one raised, then the pile or the group's end clicked. Each click lays
// the table out anew, so only copies are held.
void TableView::playCardOnto(int id, const BoardItem& onto, QPoint at) {
    if (!click_) return;
    for (const HandSlot& slot : table_.hand) {
        if (slot.empty() || slot.selected == (slot.id == id)) continue;
        BoardItem card;
        card.target = {.role = ItemRole::HandCard, .cardId = slot.id, .slot = table_.slotOf(slot.id)};
        click_(card, Qt::LeftButton, {});
    }
    if (table_.selectedIds() == std::vector<int>{id}) click_(onto, Qt::LeftButton, at);
}

bool TableView::event(QEvent* e) {
    if (e->type() != QEvent::ToolTip) return QWidget::event(e);
    auto* help = static_cast<QHelpEvent*>(e);
    const BoardItem* it = itemAt(items_, toBoard(help->pos()));
    if (it && !it->tip.isEmpty() && !panelRect().contains(toBoard(help->pos())))
        QToolTip::showText(help->globalPos(), it->tip, this, QRect(fromBoard(it->rect.topLeft()), it->rect.size() * zoom_));
    else
        QToolTip::hideText();
    return true;
}

StageListPanel::StageListPanel(const TableModel& table, QWidget* parent) : QWidget(parent), table_(table) {
    setObjectName(QStringLiteral("panel_stagelist"));
}

// The designed 16-pixel bold text, made smaller where the font the system
// substitutes for Arial is wider, so no row is cut off.
QFont StageListPanel::fitted(int width, bool keys) const {
    for (int px = 16; px > 8; --px) {
        const QFontMetrics m(boardFont(px));
        bool fits = true;
        for (int n = 1; n <= kStageCount && fits; ++n) {
            const QString text = keys ? QCoreApplication::translate("Board", "STAGE %1:").arg(n) : QCoreApplication::translate("Stages", TableModel::stageListText(n));
            fits = m.horizontalAdvance(text) <= width;
        }
        if (fits) return boardFont(px);
    }
    return boardFont(9);
}

void StageListPanel::paintEvent(QPaintEvent*) {
    static const int kTops[kStageCount + 1] = {0, 36, 55, 73, 92, 111, 129, 148, 167, 185, 204};
    QPainter p(this);
    p.fillRect(rect(), QColor(120, 88, 52));
    // Drawn at the designed width, scaled with the board's zoom.
    constexpr int kDesigned = 261;
    p.scale(width() / qreal(kDesigned), width() / qreal(kDesigned));
    QFont title = boardFont(24, false);
    title.setUnderline(true);
    p.setFont(title);
    p.setPen(boardTextColour());
    p.drawText(QRect(0, 0, kDesigned, 34), Qt::AlignHCenter | Qt::AlignVCenter, QCoreApplication::translate("Board", "STAGE LIST"));
    const QFont keys = fitted(85, true);
    const QFont texts = fitted(kDesigned - 98, false);
    for (int n = 1; n <= kStageCount; ++n) {
        const StageRow& row = table_.stageRows[n];
        p.setPen(row.done ? kGrey : boardTextColour());
        p.setFont(keys);
        p.drawText(QRect(6, kTops[n], 85, 18), Qt::AlignRight | Qt::AlignVCenter, QCoreApplication::translate("Board", "STAGE %1:").arg(n));
        QFont f = texts;
        f.setStrikeOut(row.struck);
        p.setFont(f);
        p.drawText(QRect(n == 10 ? 96 : 95, kTops[n], kDesigned - 96, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("Stages", TableModel::stageListText(n)));
    }
}

}  // namespace velmora::client
