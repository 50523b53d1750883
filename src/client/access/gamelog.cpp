#include "client/access/gamelog.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "client/board/board.h"
#include "client/art/cardart.h"
#include "client/board/tablelayout.h"
#include "client/model/tablemodel.h"
#include "client/board/tableview.h"

namespace velmora::client {

namespace {
// Designed like the stage list: 261 wide, the title on top.
constexpr int kDesignedWidth = 261;
constexpr int kTitleTop = 2;

QFont titleFont() {
    QFont title = boardFont(24, false);
    title.setUnderline(true);
    return title;
}

// The title's line with its underline and a gap, at the designed width: the
// log's text starts below it whatever font the system gave.
int titleHeight() {
    const QFontMetrics m(titleFont());
    return kTitleTop + std::max(m.height(), m.ascent() + m.underlinePos() + m.lineWidth()) + 4;
}
}  // namespace

GameLogPanel::GameLogPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("panel_gamelog"));
    QFont f = boardFont(12, false);
    setFont(f);
}

// The text view is made when the log is first shown; until then the lines
// wait in a list as long as the view would keep.
QPlainTextEdit* GameLogPanel::textView() {
    if (text_) return text_;
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("memo_gamelog"));
    text_->setReadOnly(true);
    text_->setMaximumBlockCount(kMaxLines);
    text_->setFrameShape(QFrame::NoFrame);
    text_->setAccessibleName(tr("Game log"));
    QPalette pal = text_->palette();
    pal.setColor(QPalette::Base, QColor(120, 88, 52));
    pal.setColor(QPalette::Text, boardTextColour());
    text_->setPalette(pal);
    for (const QString& line : std::as_const(waiting_)) text_->appendPlainText(line);
    waiting_.clear();
    placeText();
    return text_;
}

void GameLogPanel::setVisible(bool visible) {
    if (visible) textView();
    QWidget::setVisible(visible);
}

void GameLogPanel::addStatus(int round, const QString& text) {
    if (round < lastRound_) append(tr("New game"));
    lastRound_ = round;
    append(round > 0 ? tr("Round %1: %2").arg(round).arg(text) : text);
}

void GameLogPanel::append(const QString& line) {
    if (text_) {
        text_->appendPlainText(line);
        return;
    }
    waiting_ << line;
    if (waiting_.size() > kMaxLines) waiting_.removeFirst();
}

QStringList GameLogPanel::lines() const {
    QStringList out;
    if (!text_) {
        for (const QString& line : waiting_) out << line.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return out;
    }
    for (QTextBlock b = text_->document()->begin(); b.isValid(); b = b.next())
        if (!b.text().isEmpty()) out << b.text();
    return out;
}

void GameLogPanel::resizeEvent(QResizeEvent*) { placeText(); }

void GameLogPanel::placeText() {
    if (!text_) return;
    const int top = (titleHeight() * width() + kDesignedWidth - 1) / kDesignedWidth;
    text_->setGeometry(0, top, width(), height() - top);
}

void GameLogPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(120, 88, 52));
    p.scale(width() / qreal(kDesignedWidth), width() / qreal(kDesignedWidth));
    p.setFont(titleFont());
    p.setPen(boardTextColour());
    p.drawText(QRect(0, kTitleTop, kDesignedWidth, titleHeight() - kTitleTop), Qt::AlignHCenter | Qt::AlignTop,
               QCoreApplication::translate("Board", "GAME LOG"));
}

PictureSwitch::PictureSwitch(int picture, QWidget* parent) : QAbstractButton(parent), picture_(picture) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void PictureSwitch::paintEvent(QPaintEvent*) {
    const auto which = static_cast<art::Fixed>(picture_);
    const qreal scale = width() / qreal(art::fixedSize(which).width());
    const QPixmap& pm = art::picture(which, devicePixelRatioF() * scale);
    QPainter p(this);
    p.drawPixmap(rect(), pm, QRectF(pm.rect()));
}

GameLog::GameLog(BoardPanel* board, TableModel& table, QObject* parent)
    : QObject(parent), board_(board), table_(table) {
    panel_ = new GameLogPanel(board);
    board->place(panel_, board->chatPanelRect());
    panel_->hide();
    button_ = new PictureSwitch(static_cast<int>(art::Fixed::GameLog), board);
    button_->setObjectName(QStringLiteral("button_gamelog"));
    button_->setToolTip(tr("Show the game log"));
    button_->setAccessibleName(tr("Game Log"));
    // Beside the chat box and stage list switches.
    board->place(button_, QRect(711, 281, 64, 21));
    connect(button_, &QAbstractButton::clicked, this, &GameLog::showLog);
    board->tableView()->installEventFilter(this);
}

void GameLog::showLog() {
    table_.button_stagelistClick(1);
    panel_->show();
    panel_->raise();
}

// A click on the chat box or stage list switch sends the log back.
bool GameLog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease || !panel_->isVisible()) return false;
    TableView* view = board_->tableView();
    const auto* e = static_cast<QMouseEvent*>(event);
    if (e->button() != Qt::LeftButton) return false;
    const BoardItem* it = itemAt(view->items(), view->toBoard(e->position().toPoint()));
    if (it && (it->target.role == ItemRole::ChatSwitch || it->target.role == ItemRole::StageListSwitch))
        panel_->hide();
    (void)watched;
    return false;
}

}  // namespace velmora::client
