// The player's actions: clicks on the table turned into requests to the
// host. Only what the client can see is checked here (whose turn, the turn
// phase, how many cards are raised, a skip on the pile); the host judges the
// rest. A request sets the table's `waitingForHost` until the host answers,
// so a double click sends one request. Plain C++ over the table state.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "client/model/boardtarget.h"

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
    // A hit with the one raised card on a seat's laid group, at one end.
    void hit(int seat, int group, GroupEnd end);
    // A press on a hand card: the right button sorts, the left raises or lowers.
    void cardimagesMouseDown(int id, bool rightButton);
    // The one way in for a click or a key on a board item: what the item is,
    // the end of a group a hit goes to, and the button (keys press the left).
    void activate(const BoardTarget& target, GroupEnd end, bool rightButton);
    // The end a click on a group picks: the pointer's x inside the picture
    // and the picture's width.
    static GroupEnd endAt(int x, int width) { return x + 20 > width / 2 ? GroupEnd::Right : GroupEnd::Left; }
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
