// The Hint button: beside the status line on the own turn, for a player with
// the mouse in hand (the keys are Ctrl+H, or H while the table has them). It
// takes no keyboard focus, so typed text stays chat; while it shows, the
// status line gives it room.
#pragma once

#include <QPushButton>

namespace velmora::client {

class BoardPanel;

class HintButton : public QPushButton {
    Q_OBJECT
public:
    explicit HintButton(BoardPanel* board);

    // Shows or hides the button, the status line taking the room back.
    void setOffered(bool offered);

private:
    BoardPanel* board_;
};

}  // namespace velmora::client
