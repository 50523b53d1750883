#include "client/board/board.h"

#include <QContextMenuEvent>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "client/art/cardart.h"
#include "client/model/tablemodel.h"
#include "client/board/tableview.h"
#include "client/board/tablelayout.h"

namespace velmora::client {
namespace {

const QColor kFelt(153, 115, 72);
const QColor kText(243, 231, 205);

constexpr int kPlaces = 4;

// Seat name labels open the seat menu on a right click.
class SeatLabel : public QLabel {
public:
    SeatLabel(int seat, BoardPanel* board) : QLabel(board), seat_(seat), board_(board) {}

protected:
    void contextMenuEvent(QContextMenuEvent* e) override {
        emit board_->seatMenuRequested(seat_, e->globalPos());
    }

private:
    int seat_;
    BoardPanel* board_;
};

// The summary panels over the middle of the table, in front of its labels:
// painted and clicked through the table view, whose layout holds them; a
// click on a panel's body reaches what lies under it.
class PanelOverlay : public QWidget {
public:
    PanelOverlay(TableView* view, QWidget* parent) : QWidget(parent), view_(view) {
        setObjectName(QStringLiteral("panel_overlay"));
    }
    // The panels' place on the board at 100 %.
    void setBase(const QRect& base) { base_ = base; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(view_->zoom(), view_->zoom());
        p.translate(-base_.topLeft());
        view_->paintPanels(p);
    }
    void mousePressEvent(QMouseEvent* e) override { forward(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { forward(e); }
    void mouseMoveEvent(QMouseEvent* e) override { forward(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { forward(e); }

private:
    // The view is a sibling under the same board, not an ancestor: the
    // offset between the two is their places on the board.
    void forward(QMouseEvent* e) {
        const QPointF at = e->position() + QPointF(pos() - view_->pos());
        QMouseEvent moved(e->type(), at, e->globalPosition(), e->button(), e->buttons(), e->modifiers());
        QCoreApplication::sendEvent(view_, &moved);
    }

    TableView* view_;
    QRect base_;
};

}  // namespace

QColor boardTextColour() { return kText; }

BoardPanel::BoardPanel(const TableModel& table, QWidget* parent) : QWidget(parent), table_(table) {
    setObjectName(QStringLiteral("panel_board"));
    setFixedSize(kWidth, kHeight);
    // The painted table lies under the labels, buttons and panels.
    view_ = new TableView(table, this);
    view_->setGeometry(rect());
    stageList_ = new StageListPanel(table, this);
    stageList_->setGeometry(chatPanelRect());
    stageList_->hide();
    auto* overlay = new PanelOverlay(view_, this);
    overlay->hide();
    connect(view_, &TableView::summaryToggled, this, &BoardPanel::refresh);
    const QFont nameFont = seatNameFont();
    // The text colour through the palette: a style sheet on each label cost
    // the first window about a millisecond of its start.
    QPalette textPalette = palette();
    textPalette.setColor(QPalette::WindowText, kText);
    for (int s = 1; s <= kPlaces; ++s) {
        auto* name = new SeatLabel(s, this);
        name->setObjectName(QStringLiteral("label_playername%1").arg(s));
        name->setFont(nameFont);
        name->setPalette(textPalette);
        name->setText(tr("<Waiting>"));
        name->setToolTip(QString::fromLatin1(kSeatHints[s].data(), kSeatHints[s].size()));
        name->resize(kSeatNameWidth, 16);
        names_[s] = name;
        auto* eyes = new QLabel(this);
        eyes->setObjectName(QStringLiteral("image_eyes%1").arg(s));
        eyes->resize(23, 10);
        eyes->hide();
        eyes_[s] = eyes;
        placeSeat(s, s - 1);
    }
    start_ = new QPushButton(this);
    start_->setObjectName(QStringLiteral("button_start"));
    start_->setGeometry(362, 384, 115, 34);
    start_->setCursor(Qt::PointingHandCursor);
    start_->setFlat(true);
    start_->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; }"));
    start_->setIconSize(start_->size());
    start_->setAccessibleName(tr("Start Game"));
    start_->setToolTip(tr("Deal a new game"));
    start_->hide();
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("label_status"));
    status_->setGeometry(18, 518, 469, 16);
    status_->setAlignment(Qt::AlignCenter);
    status_->setFont(nameFont);
    status_->setPalette(textPalette);
    // The game's voice: screen readers announce what the status line says.
    status_->setAccessibleName(tr("Status"));
    refresh();
}

void BoardPanel::placeSeat(int seat, int place) {
    names_[seat]->move(scaled(QRect(seatNameAt(place), QSize())).topLeft());
    eyes_[seat]->move(scaled(QRect(eyesAt(seat, place), QSize())).topLeft());
}

// The watching eyes sit after the name and its point total, level with the
// name, inside the name's room.
QPoint BoardPanel::eyesAt(int seat, int place) const {
    const QPoint name = seatNameAt(place);
    const int y = name.y() + 3;
    const BoardItem* points = view_->item(QStringLiteral("label_points%1").arg(seat));
    if (points && points->visible) return {points->rect.right() + 4, y};
    const QString text = QString::fromStdString(table_.seats[seat].name);
    const int nameWidth = QFontMetrics(seatNameFont()).horizontalAdvance(text);
    return {name.x() + std::min(nameWidth + 4, kSeatNameWidth - kEyesRoom + 4), y};
}

void BoardPanel::refresh() {
    view_->refresh();
    for (int s = 1; s <= kPlaces; ++s) {
        const SeatState& seat = table_.seats[s];
        const int place = std::max(0, table_.placeOf(s));
        names_[s]->setText(nameBesidePoints(s, place));
        eyes_[s]->setVisible(seat.watching);
        placeSeat(s, place);
    }
    start_->setVisible(table_.showStart);
    if (picturesAt_ != devicePixelRatioF() * zoom_) applyPictures();
    showStatus(QString::fromStdString(table_.status));
    // The stage list and the chat share a place; the one in front is shown.
    stageList_->setVisible(table_.stageListInFront);
    if (table_.stageListInFront) {
        stageList_->raise();
        stageList_->update();
    }
    view_->lower();
    auto* overlay = findChild<PanelOverlay*>(QStringLiteral("panel_overlay"), Qt::FindDirectChildrenOnly);
    const QRect panels = view_->panelRect();
    overlay->setBase(panels);
    overlay->setGeometry(scaled(panels));
    overlay->setVisible(view_->panelShown());
    // While the round summary is open, Esc closes it before it does anything
    // else: installed again, the filter goes in front of the application's
    // others (the keys' own Esc leaves the chat line).
    if (view_->summaryOpen())
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
    if (overlay->isVisible()) {
        overlay->raise();
        overlay->update();
    }
    emit refreshed();
}

// A status longer than its line (a hint's reason, a wordier language) is set
// smaller, down to three quarters of its size, and cut short beyond that;
// the whole text stays in the tool-tip and for screen readers.
void BoardPanel::showStatus(const QString& status) {
    const int designed = std::max(1, static_cast<int>(std::lround(seatNameFont().pixelSize() * zoom_)));
    const int room = status_->width() - 4;
    QFont f = status_->font();
    f.setPixelSize(designed);
    const int wide = QFontMetrics(f).horizontalAdvance(status);
    if (wide > room) f.setPixelSize(std::max(designed * 3 / 4, designed * room / wide));
    status_->setFont(f);
    status_->setText(QFontMetrics(f).elidedText(status, Qt::ElideRight, room));
    status_->setToolTip(status_->text() == status ? QString() : status);
    status_->setAccessibleDescription(status);
}

// The seat's name, cut short where its point total or eyes would cover it.
QString BoardPanel::nameBesidePoints(int seat, int place) const {
    // An empty seat's word is the player's language; the model keeps the designed one.
    const std::string& kept = table_.seats[seat].name;
    const QString name = kept == "<Waiting>" ? tr("<Waiting>") : QString::fromStdString(kept);
    const BoardItem* points = view_->item(QStringLiteral("label_points%1").arg(seat));
    int end = 0;
    if (points && points->visible)
        end = points->rect.x();
    else if (table_.seats[seat].watching)
        end = eyesAt(seat, place).x();
    else
        return name;
    const int room = end - seatNameAt(place).x() - 2;
    return QFontMetrics(seatNameFont()).elidedText(name, Qt::ElideRight, room);
}

bool BoardPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!key || !view_->summaryOpen() || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window()) return false;
    // Overriding the shortcuts brings the key here as a press.
    event->accept();
    if (event->type() == QEvent::KeyPress) view_->closeSummary();
    return true;
}

void BoardPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    applyPictures();
}

void BoardPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kFelt);
}

}  // namespace velmora::client
