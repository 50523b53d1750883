// The player's actions: clicks on the table turned into requests to the
// host. Only what the client can see is checked here (whose turn, the turn
// phase, how many cards are raised, a skip on the pile); the host judges the
// rest. A request sets the table's `waitingForHost` until the host answers,
// so a double click sends one request. Plain C++ over the table state.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace velmora::client {

class TableModel;

struct ActionHooks {
    // Sends a request (without terminator); false when not connected.
    std::function<bool(const std::string& text)> send;
    std::function<bool()> connected;
    // A message box that does not block.
    std::function<void(const std::string& text)> notice;
    std::function<void(std::string_view sound)> sound;
    std::function<std::string()> playerName;
};

class TableActions {
public:
    TableActions(TableModel& table, ActionHooks hooks) : t_(table), hooks_(std::move(hooks)) {}

    void button_startClick();
    void image_drawClick();
    void button_pickupClick() { clickpickup(); }
    void clickpickup();
    void image_discardClick();
    void button_discardClick() { clickdiscard(); }
    void clickdiscard();
    void button_createstageClick();
    // A release on a group picture: its tag (seat x 10 + group), the
    // pointer's x inside it and the picture's width.
    void image_set22MouseUp(int tag, int x, int width);
    // A press on a hand card: the right button sorts, the left raises or lowers.
    void cardimagesMouseDown(int id, bool rightButton);
    // A click on an item of the table, named as the layout names it: the
    // item's tag, the button, the pointer's x inside it and its width.
    void click(std::string_view item, int tag, bool rightButton, int x, int width);
    // A card dragged to another slot (purely local).
    void reorder(int id, int slot);

private:
    bool connected() const { return hooks_.connected && hooks_.connected(); }
    void send(const std::string& text);
    void notice(const std::string& text);
    void hidePileButtons();
    int ownSeat() const;

    TableModel& t_;
    ActionHooks hooks_;
};

}  // namespace velmora::client
