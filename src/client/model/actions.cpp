#include "client/model/actions.h"

#include "client/model/tablemodel.h"
#include "net/wire.h"

namespace velmora::client {

namespace {
// Every action tells the table's listeners once, whatever it changed.
struct Told {
    explicit Told(TableModel& t) : batch(t) { t.changed(); }
    TableModel::Batch batch;
};
}  // namespace

int TableActions::ownSeat() const { return t_.ownSeat; }

// Requests go out only while connected; the waiting rule holds either way.
void TableActions::send(const std::string& text) {
    if (connected() && hooks_.send) hooks_.send(text);
}

void TableActions::notice(const std::string& text) {
    if (hooks_.notice) hooks_.notice(text);
}

void TableActions::hidePileButtons() { t_.showDraw = t_.showPickup = false; }

void TableActions::button_startClick() {
    const Told told(t_);
    if (!connected()) {
        notice("You are not connected");
        return;
    }
    send(wire::message(cmd::kStartgame, hooks_.playerName ? hooks_.playerName() : std::string("You"), ""));
}

void TableActions::image_drawClick() {
    const Told told(t_);
    hidePileButtons();
    if (!t_.ownTurn() || t_.turnPhase != 1) return;
    send(wire::message(cmd::kDraw, ownSeat(), ""));
    t_.waitForHost();
}

void TableActions::clickpickup() {
    const Told told(t_);
    hidePileButtons();
    if (!t_.ownTurn() || t_.turnPhase != 1) return;
    t_.waitForHost();
    send(wire::message(cmd::kPickdiscard, ownSeat(), ""));
}

void TableActions::image_discardClick() {
    const Told told(t_);
    if (!t_.ownTurn()) return;
    if (t_.turnPhase == 2) {
        clickdiscard();
    } else if (t_.turnPhase == 1) {
        if (t_.discardTop == kSkip)
            t_.setStatus("You cannot pick up a skip card.");
        else
            clickpickup();
    }
}

void TableActions::clickdiscard() {
    const Told told(t_);
    hidePileButtons();
    if (!t_.ownTurn() || t_.turnPhase != 2) return;
    const std::vector<int> ids = t_.selectedIds();
    if (ids.empty()) {
        notice("You must select a card to discard");
        return;
    }
    if (ids.size() > 1) {
        notice("You can only select one card to discard");
        return;
    }
    t_.waitForHost();
    send(wire::message(cmd::kDiscard, ownSeat(), ids.back(), ""));
}

void TableActions::button_createstageClick() {
    const Told told(t_);
    const std::vector<int> ids = t_.selectedIds();
    if (ids.empty()) return;
    wire::MessageBuilder m(cmd::kCreatestage);
    m.add(ownSeat());
    for (int id : ids) m.add(id);
    send(m.str());
    t_.waitForHost();
}

void TableActions::image_set22MouseUp(int tag, int x, int width) {
    const Told told(t_);
    if (!t_.ownTurn() || t_.turnPhase != 2) return;
    const std::vector<int> ids = t_.selectedIds();
    const char* side = x + 20 > width / 2 ? "r" : "l";
    if (ids.size() > 1) {
        notice("You can only hit one card at a time.");
        return;
    }
    if (ids.empty()) return;
    send(wire::message(cmd::kHitset, ownSeat(), tag, ids.back(), side, ""));
    t_.waitForHost();
}

void TableActions::cardimagesMouseDown(int id, bool rightButton) {
    const Told told(t_);
    if (rightButton) t_.sortthem();
    if (t_.turnPhase != 2 || t_.slotOf(id) == 0) return;
    if (rightButton || !connected() || !t_.ownTurn()) return;
    t_.toggleSelected(id);
    if (hooks_.sound) hooks_.sound("clickcard");
}

void TableActions::click(std::string_view item, int tag, bool rightButton, int x, int width) {
    const Told told(t_);
    if (item.starts_with("card")) {
        cardimagesMouseDown(tag, rightButton);
    } else if (item.starts_with("image_set") && !item.starts_with("image_setlabel")) {
        image_set22MouseUp(tag, x, width);  // any button
    } else if (rightButton) {
        return;
    } else if (item == "image_draw" || item == "button_draw") {
        image_drawClick();
    } else if (item == "button_pickup") {
        button_pickupClick();
    } else if (item == "image_discard") {
        image_discardClick();
    } else if (item == "button_discard") {
        button_discardClick();
    } else if (item == "button_createstage") {
        button_createstageClick();
    } else if (item == "button_chatbox" || item == "button_stagelist") {
        t_.button_stagelistClick(tag);
    }
}

void TableActions::reorder(int id, int slot) {
    const Told told(t_);
    t_.reorder(id, slot);
}

}  // namespace velmora::client
