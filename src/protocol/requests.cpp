#include "protocol/requests.h"

namespace velmora::proto::request {

void Login::write(FieldWriter& w) const { w.add(place).add(version).add(name); }

Login Login::read(FieldReader& r) {
    Login m;
    m.place = r.integer();
    m.version = std::string(r.text());
    m.name = std::string(r.takeRest());
    return m;
}

void Kick::write(FieldWriter& w) const { w.add(requester).add(target).end(); }

Kick Kick::read(FieldReader& r) {
    Kick m;
    m.requester = r.integer();
    m.target = r.integer();
    return m;
}

std::string soundClip(int number) { return "wave" + std::to_string(number) + "+"; }

void StartGame::write(FieldWriter& w) const { w.add(starter).end(); }

StartGame StartGame::read(FieldReader& r) { return {std::string(r.text())}; }

void JustWatch::write(FieldWriter& w) const {
    w.add(seat);
    switch (wish) {
        case Wish::Watch: w.add('1'); break;
        case Wish::Play: w.add('2'); break;
        case Wish::Unknown: w.add(""); break;
    }
}

JustWatch JustWatch::read(FieldReader& r) {
    JustWatch m;
    m.seat = r.integer();
    const std::string_view value = r.takeRest();
    m.wish = value == "1" ? Wish::Watch : value == "2" ? Wish::Play : Wish::Unknown;
    return m;
}

void Rejoin::write(FieldWriter& w) const { w.add(token); }

// The token is cut at a "+", if any.
Rejoin Rejoin::read(FieldReader& r) {
    const std::string_view rest = r.takeRest();
    return {std::string(rest.substr(0, rest.find('+')))};
}

void Discard::write(FieldWriter& w) const { w.add(seat).add(slot).end(); }

Discard Discard::read(FieldReader& r) {
    Discard m;
    m.seat = r.integer();
    m.slot = r.integer();
    return m;
}

void CreateStage::write(FieldWriter& w) const {
    w.add(seat);
    for (int slot : handSlots) w.add(slot);
}

// A stage laid with no cards is "seat" alone; a trailing "+" is tolerated.
CreateStage CreateStage::read(FieldReader& r) {
    CreateStage m;
    m.seat = r.integer();
    while (r.more() && m.handSlots.size() < kHandSlots) m.handSlots.push_back(r.integer());
    r.require(!r.more(), "more slots than a hand holds");
    return m;
}

void HitSet::write(FieldWriter& w) const {
    w.add(seat).add(target * 10 + group).add(slot);
    w.add(end == GroupEnd::Right ? 'r' : 'l').end();
}

namespace {
int tagDigit(std::string_view tag, std::size_t i) {
    if (i >= tag.size() || tag[i] < '0' || tag[i] > '9') return 0;
    return tag[i] - '0';
}
}  // namespace

HitSet HitSet::read(FieldReader& r) {
    HitSet m;
    m.seat = r.integer();
    const std::string_view tag = r.text();
    m.target = tagDigit(tag, 0);
    m.group = tagDigit(tag, 1);
    m.slot = r.integer();
    m.end = r.text() == "r" ? GroupEnd::Right : GroupEnd::Left;
    return m;
}

}  // namespace velmora::proto::request
