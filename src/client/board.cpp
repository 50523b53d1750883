#include "client/board.h"

#include <QContextMenuEvent>
#include <QPainter>

#include "client/tablestate.h"

namespace velmora::client {
namespace {

const QColor kFelt(153, 115, 72);
const QColor kText(243, 231, 205);
const QColor kHatch(199, 169, 135);
const QRect kDiscard(357, 280, 60, 82);
const QRect kDraw(421, 280, 60, 82);

// Positions of one seat place: bottom, top-left, top-middle, top-right.
struct SeatPlace {
    QPoint name;
    QPoint eyes;
};
constexpr int kPlaces = 4;
const SeatPlace kSeatPlaces[kPlaces] = {
    {{25, 394}, {25, 389}},
    {{14, 12}, {15, 7}},
    {{272, 12}, {270, 7}},
    {{533, 12}, {531, 7}},
};
const char* const kHints[5] = {"", "", "Klot", "Klick", "Kling"};

QPixmap eyesPicture() {
    QPixmap pm(23, 10);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    for (int x : {1, 12}) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawEllipse(QRect(x, 1, 10, 8));
        p.setBrush(Qt::black);
        p.drawEllipse(QRect(x + 4, 3, 4, 4));
    }
    return pm;
}

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

void drawCardBack(QPainter& p, const QRect& r) {
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(40, 62, 120));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 5, 5);
    p.setPen(QPen(QColor(200, 170, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(6, 6, -6, -6), 3, 3);
    QFont f(QStringLiteral("DejaVu Sans"), 9, QFont::Bold);
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("V"));
}

}  // namespace

QColor boardTextColour() { return kText; }

BoardPanel::BoardPanel(const TableState& table, QWidget* parent) : QWidget(parent), table_(table) {
    setObjectName(QStringLiteral("panel_board"));
    setFixedSize(kWidth, kHeight);
    QFont nameFont(QStringLiteral("DejaVu Sans"));
    nameFont.setPixelSize(13);
    nameFont.setBold(true);
    const QString textStyle = QStringLiteral("color: rgb(243,231,205);");
    for (int s = 1; s <= kPlaces; ++s) {
        auto* name = new SeatLabel(s, this);
        name->setObjectName(QStringLiteral("label_playername%1").arg(s));
        name->setFont(nameFont);
        name->setStyleSheet(textStyle);
        name->setText(QStringLiteral("<Waiting>"));
        name->setToolTip(QString::fromLatin1(kHints[s]));
        name->resize(103, 16);
        names_[s] = name;
        auto* eyes = new QLabel(this);
        eyes->setObjectName(QStringLiteral("image_eyes%1").arg(s));
        eyes->setPixmap(eyesPicture());
        eyes->resize(23, 10);
        eyes->hide();
        eyes_[s] = eyes;
        placeSeat(s, s - 1);
    }
    start_ = new QPushButton(tr("Start Game"), this);
    start_->setObjectName(QStringLiteral("button_start"));
    start_->setGeometry(362, 384, 115, 34);
    start_->setCursor(Qt::PointingHandCursor);
    start_->setStyleSheet(QStringLiteral(
        "QPushButton { color: rgb(243,231,205); background: rgb(96,62,30); border: 2px solid rgb(243,231,205);"
        " border-radius: 6px; font: bold 14px 'DejaVu Sans'; }"
        "QPushButton:hover { background: rgb(128,84,40); }"));
    start_->hide();
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("label_status"));
    status_->setGeometry(18, 518, 469, 16);
    status_->setAlignment(Qt::AlignCenter);
    status_->setFont(nameFont);
    status_->setStyleSheet(textStyle);
    refresh();
}

void BoardPanel::placeSeat(int seat, int place) {
    names_[seat]->move(kSeatPlaces[place].name);
    eyes_[seat]->move(kSeatPlaces[place].eyes);
}

void BoardPanel::refresh() {
    for (int s = 1; s <= kPlaces; ++s) {
        const SeatState& seat = table_.seats[s];
        names_[s]->setText(QString::fromStdString(seat.name));
        eyes_[s]->setVisible(seat.watching);
        placeSeat(s, std::max(0, table_.placeOf(s)));
    }
    start_->setVisible(table_.showStart);
    status_->setText(QString::fromStdString(table_.status));
    update();
}

void BoardPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kFelt);
    p.setRenderHint(QPainter::Antialiasing);
    // The empty discard place: a cross-hatched mark under the pile.
    p.setPen(QPen(kHatch, 1));
    p.setBrush(QBrush(kHatch, Qt::DiagCrossPattern));
    p.drawRect(kDiscard.adjusted(0, 0, -1, -1));
    drawCardBack(p, kDraw);
}

}  // namespace velmora::client
