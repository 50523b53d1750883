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
        notice(i18n::translate("TableActions", "You are not connected"));
        return;
    }
    send(wire::message(cmd::kStartgame, hooks_.playerName ? hooks_.playerName() : std::string("You"), ""));
}

void TableActions::image_drawClick() {
    const Told told(t_);
    hidePileButtons();
    if (!t_.mayAct() || t_.turnPhase != 1) return;
    send(wire::message(cmd::kDraw, ownSeat(), ""));
    t_.waitForHost();
}

void TableActions::clickpickup() {
    const Told told(t_);
    hidePileButtons();
    if (!t_.mayAct() || t_.turnPhase != 1) return;
    t_.waitForHost();
    send(wire::message(cmd::kPickdiscard, ownSeat(), ""));
}

void TableActions::image_discardClick() {
    const Told told(t_);
    if (!t_.mayAct()) return;
    if (t_.turnPhase == 2) {
        clickdiscard();
    } else if (t_.turnPhase == 1) {
        if (t_.discardTop == kSkip)
            t_.setStatus(i18n::translate("PlayError", "You cannot pick up a skip card."));
        else
            clickpickup();
    }
}

void TableActions::clickdiscard() {
    const Told told(t_);
    hidePileButtons();
    if (!t_.mayAct() || t_.turnPhase != 2) return;
    const std::vector<int> ids = t_.selectedIds();
    if (ids.empty()) {
        notice(i18n::translate("TableActions", "You must select a card to discard"));
        return;
    }
    if (ids.size() > 1) {
        notice(i18n::translate("TableActions", "You can only select one card to discard"));
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

void TableActions::hit(int seat, int group, GroupEnd end) {
    const Told told(t_);
    if (!t_.mayAct() || t_.turnPhase != 2) return;
    const std::vector<int> ids = t_.selectedIds();
    if (ids.size() > 1) {
        notice(i18n::translate("TableActions", "You can only hit one card at a time."));
        return;
    }
    if (ids.empty()) return;
    send(wire::message(cmd::kHitset, ownSeat(), seat * 10 + group, ids.back(), end == GroupEnd::Right ? "r" : "l", ""));
    t_.waitForHost();
}

void TableActions::cardimagesMouseDown(int id, bool rightButton) {
    const Told told(t_);
    if (rightButton) t_.sortthem();
    if (t_.turnPhase != 2 || t_.slotOf(id) == 0) return;
    if (rightButton || !connected() || !t_.mayAct()) return;
    t_.toggleSelected(id);
    if (hooks_.sound) hooks_.sound("clickcard");
}

void TableActions::activate(const BoardTarget& target, GroupEnd end, bool rightButton) {
    const Told told(t_);
    switch (target.role) {
        case ItemRole::HandCard: return cardimagesMouseDown(target.cardId, rightButton);
        case ItemRole::Group: return hit(target.seat, target.group, end);  // any button
        default: break;
    }
    if (rightButton) return;
    switch (target.role) {
        case ItemRole::DrawPile:
        case ItemRole::DrawButton: return image_drawClick();
        case ItemRole::PickUpButton: return button_pickupClick();
        case ItemRole::DiscardPile: return image_discardClick();
        case ItemRole::DiscardButton: return button_discardClick();
        case ItemRole::CreateStageButton: return button_createstageClick();
        case ItemRole::ChatSwitch: return t_.button_stagelistClick(1);
        case ItemRole::StageListSwitch: return t_.button_stagelistClick(2);
        case ItemRole::PlayAgainButton: return button_startClick();
        case ItemRole::CloseGameOverButton: return t_.closeGameOver();
        default: return;
    }
}

void TableActions::reorder(int id, int slot) {
    const Told told(t_);
    t_.reorder(id, slot);
}

}  // namespace velmora::client
