#include "client/access/hintbutton.h"

#include <QFontMetrics>

#include "client/board/board.h"
#include "client/board/tablelayout.h"

namespace velmora::client {

namespace {
// The status line's row on the board, and where the chat panel begins.
constexpr QRect kStatusRow(18, 518, 469, 16);
constexpr int kChatLeft = 515;
constexpr int kGap = 4;
}  // namespace

HintButton::HintButton(BoardPanel* board) : QPushButton(tr("Hint"), board), board_(board) {
    setObjectName(QStringLiteral("button_hint"));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Show a hint for your turn (Ctrl+H)"));
    QFont f = seatNameFont();
    setFont(f);
    hide();
}

void HintButton::setOffered(bool offered) {
    if (offered == isVisible()) return;
    // Laid out at 100 %: the board scales both with its zoom.
    QFont f = seatNameFont();
    const int width = QFontMetrics(f).horizontalAdvance(text()) + 16;
    const QRect button(kChatLeft - kGap - width, kStatusRow.y() - 2, width, kStatusRow.height() + 3);
    board_->place(this, button);
    QRect status = kStatusRow;
    if (offered) status.setRight(std::min(status.right(), button.left() - kGap));
    board_->place(board_->label_status(), status);
    setVisible(offered);
    if (offered) raise();
    board_->refresh();
}

}  // namespace velmora::client
