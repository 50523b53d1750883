#include "client/board/boardfit.h"

#include <QLayout>
#include <QResizeEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "client/board/board.h"

namespace velmora::client {

namespace {

constexpr int kStep = 5, kLeast = 50, kMost = 400;

// The board's size at a zoom, rounded as the board rounds it.
QSize boardAt(int percent) {
    const qreal zoom = percent / 100.0;
    return {static_cast<int>(std::lround(BoardPanel::kWidth * zoom)),
            static_cast<int>(std::lround(BoardPanel::kHeight * zoom))};
}

// The window's size for the board at `percent`; where `most` cuts the board
// short, only what the board that fits there needs.
QSize windowFor(int percent, QSize chrome, QSize most) {
    const QSize margin(BoardFit::kMargin, BoardFit::kMargin);
    QSize size = boardAt(percent) + margin + chrome;
    if (size.width() > most.width() || size.height() > most.height())
        size = boardAt(BoardFit::fittingPercent(size.boundedTo(most) - chrome)) + margin + chrome;
    return size.boundedTo(most);
}

// A window's top-left moved so that all of it lies on the area where it can.
QPoint onArea(QPoint at, QSize outer, const QRect& area) {
    return {std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())),
            std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()))};
}

}  // namespace

BoardFit::BoardFit(BoardPanel* board, QWidget* frame, QObject* parent)
    : QObject(parent), board_(board), frame_(frame) {
    frame_->installEventFilter(this);
}

int BoardFit::fittingPercent(QSize room) {
    const QSize inner = room - QSize(kMargin, kMargin);
    for (int p = kMost; p > kLeast; p -= kStep) {
        const QSize b = boardAt(p);
        if (b.width() <= inner.width() && b.height() <= inner.height()) return p;
    }
    return kLeast;
}

void BoardFit::fitInto(QSize room) {
    const int percent = fittingPercent(room);
    // Laying the board out anew draws its pictures anew: only on a change.
    if (std::lround(board_->zoom() * 100) != percent) board_->setZoom(percent / 100.0);
    const QSize b = board_->size();
    board_->move(std::max(0, (room.width() - b.width()) / 2), std::max(0, (room.height() - b.height()) / 2));
}

void BoardFit::showAt(int percent) {
    QWidget* window = frame_->window();
    constexpr Qt::WindowStates kFilling = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (window->windowState() & kFilling) window->setWindowState(window->windowState() & ~kFilling);
    const Room room = roomOnScreen();
    const QSize size =
        windowFor(percent, room.chrome, room.area.size() - room.decoration).expandedTo(window->minimumSize());
    window->resize(size);
    const QPoint at = onArea(window->pos(), size + room.decoration, room.area);
    if (at != window->pos()) window->move(at);
    // The resize event fits again once the window has its size; a hidden
    // window gets it only when shown.
    fitInto(size - room.chrome);
}

// Measures the window's parts and, on a screen too small for the board at
// 100 %, lets the client area shrink to the board that fits there.
BoardFit::Room BoardFit::roomOnScreen() {
    QWidget* window = frame_->window();
    // The menu bar's share of the window, measured on the laid-out window.
    if (QLayout* layout = window->layout()) layout->activate();
    Room room;
    room.chrome = window->size() - frame_->size();
    // The window with its frame stays on the work area of its screen.
    room.decoration = window->frameGeometry().size() - window->geometry().size();
    room.area = window->screen() ? window->screen()->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
    const int least = std::min(100, fittingPercent(room.area.size() - room.decoration - room.chrome));
    frame_->setMinimumSize(boardAt(least) + QSize(kMargin, kMargin));
    return room;
}

bool BoardFit::eventFilter(QObject* watched, QEvent* event) {
    if (watched != frame_) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Resize) fitInto(static_cast<QResizeEvent*>(event)->size());
    if (event->type() == QEvent::Show) roomOnScreen();
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora::client
