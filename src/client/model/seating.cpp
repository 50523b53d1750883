#include "client/model/seating.h"

#include "client/model/tablemodel.h"
#include "game/protocol.h"
#include "net/wire.h"

namespace velmora::client {

namespace {
constexpr std::string_view kWaiting = "<Waiting>";

bool tableSeat(int place) { return place >= 1 && place <= kSeats; }
}  // namespace

void Seating::chat(const std::string& line) const {
    if (hooks_.chat) hooks_.chat(line);
}

void Seating::arrived(std::string_view payload) {
    wire::FieldReader f(payload);
    const int place = f.nextInt();
    const std::string name(f.rest());
    const bool own = place == table_.ownSeat;
    if (own) {
        chat(i18n::translate("Seating", "You are Connected."));
        if (hooks_.ownLogin) hooks_.ownLogin();
        if (place >= 2 && place <= kSeats) table_.sortstuff(place);
    } else {
        chat(i18n::fill(i18n::translate("Seating", "%1 is Connected."), {name}));
    }
    if (tableSeat(place)) {
        table_.setName(place, name);
    } else {
        if (hooks_.spyArrived) hooks_.spyArrived(place, name);
        chat(own ? i18n::translate("Seating", "You are spying.") : i18n::fill(i18n::translate("Seating", "%1 is spying."), {name}));
    }
    if (table_.hooks.sound) table_.hooks.sound("entered");
}

void Seating::left(std::string_view payload) {
    wire::FieldReader f(payload);
    const std::string_view placeText = f.next();
    const int place = wire::toInt(placeText);
    const std::string name(f.rest());
    if (tableSeat(place)) {
        // A seat still showing its hint has nobody to announce.
        const std::string& shown = table_.name(place);
        if (shown != kWaiting && shown != kSeatHints[place]) chat(i18n::fill(i18n::translate("Seating", "%1 disconnected."), {shown}));
        table_.setName(place, placeText == "2" ? std::string(kComputerNames[2]) : std::string(kWaiting));
        table_.seats[place].watching = false;
        return;
    }
    if (hooks_.spyLeft && hooks_.spyLeft(place, name)) chat(i18n::fill(i18n::translate("Seating", "%1 has left."), {name}));
}

void Seating::watching(std::string_view payload) {
    wire::FieldReader f(payload);
    const int seat = f.nextInt();
    if (!tableSeat(seat)) return;
    const bool watching = f.rest() == "1";
    if (seat == table_.ownSeat && hooks_.ownWatching) hooks_.ownWatching(watching);
    chat(i18n::fill(watching ? i18n::translate("Seating", "%1 is just watching") : i18n::translate("Seating", "%1 is now playing again"),
                    {table_.name(seat)}));
    table_.seats[seat].watching = watching;
    if (seat == table_.ownSeat) table_.reofferOwnTurn();
}

void Seating::forgetAll() {
    for (int seat = 1; seat <= kSeats; ++seat)
        table_.setName(seat, seat == 2 ? std::string(kComputerNames[2]) : std::string(kWaiting));
}

}  // namespace velmora::client
