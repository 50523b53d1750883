// The board fills its window: whenever the window's client area changes
// size (a drag, maximising, a zoom), the board takes the largest zoom that
// fits with its margin, in 5 % steps, and stands in the middle. A chosen
// zoom sizes the window to hold the board at that zoom, never past the
// work area of the window's screen; on a screen too small for the board at
// 100 %, the window may shrink to the board that fits there.
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace velmora::client {

class BoardPanel;

class BoardFit : public QObject {
    Q_OBJECT
public:
    // The margin the board keeps inside the client area, in all.
    static constexpr int kMargin = 4;

    // `frame` is the window's client area, the board's parent.
    BoardFit(BoardPanel* board, QWidget* frame, QObject* parent = nullptr);

    // The largest zoom, in per cent, whose board fits `room` with the
    // margin; 50 when none does.
    static int fittingPercent(QSize room);
    // Sizes the window so that the board shows at `percent`, or as near as
    // the work area allows; a maximised window is restored first.
    void showAt(int percent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Room {
        QRect area;         // the work area of the window's screen
        QSize chrome;       // the window less its client area: the menu bar
        QSize decoration;   // the window manager's frame
    };
    Room roomOnScreen();
    void fitInto(QSize room);

    BoardPanel* board_;
    QWidget* frame_;
};

}  // namespace velmora::client
