#include "protocol/events.h"

#include "protocol/ranges.h"

namespace velmora::proto::event {

void StartGame::write(FieldWriter& w) const {
    w.add(starter);
    for (const Seat& s : seats) w.add(s.playing ? 'y' : 'n').add(s.seat);
}

StartGame StartGame::read(FieldReader& r) {
    StartGame e;
    e.starter = std::string(r.text());
    while (r.records(2)) {
        r.require(e.seats.size() < kSeats, kTooManySeats);
        const bool playing = r.text() != "n";
        e.seats.push_back({seat(r), playing});
    }
    return e;
}

void StartRound::write(FieldWriter& w) const {
    w.add(discard);
    for (const Seat& s : seats) w.add(s.seat).add(s.stage).add(s.dealt ? 'y' : 'n');
}

StartRound StartRound::read(FieldReader& r) {
    StartRound e;
    e.discard = face(r, 0);
    while (r.records(3)) {
        r.require(e.seats.size() < kSeats, kTooManySeats);
        const int s = seat(r);
        const int st = stage(r);
        e.seats.push_back({s, st, r.text() != "n"});
    }
    return e;
}

void MyCards::write(FieldWriter& w) const {
    w.add(seat);
    for (const HandCard& c : cards) w.add(c.slot).add(c.face);
}

MyCards MyCards::read(FieldReader& r) {
    MyCards e;
    e.seat = proto::seat(r);
    while (r.records(2)) {
        r.require(e.cards.size() < kHandSlots, kTooManyCards);
        const int s = slot(r);
        e.cards.push_back({s, face(r, 1)});
    }
    return e;
}

void NextPlayer::write(FieldWriter& w) const { w.add(seat).end(); }

NextPlayer NextPlayer::read(FieldReader& r) { return {proto::seat(r)}; }

void Draw::write(FieldWriter& w) const { w.add(seat).add(count).add(slot).add(face).end(); }

Draw Draw::read(FieldReader& r) {
    Draw e;
    e.seat = proto::seat(r);
    e.count = proto::count(r);
    e.slot = proto::slot(r);
    e.face = proto::face(r, 1);
    return e;
}

void HeDrew::write(FieldWriter& w) const { w.add(seat).add(count).end(); }

HeDrew HeDrew::read(FieldReader& r) {
    HeDrew e;
    e.seat = proto::seat(r);
    e.count = proto::count(r);
    return e;
}

void PickDiscard::write(FieldWriter& w) const { w.add(seat).add(count).add(top).add(slot).add(face).end(); }

PickDiscard PickDiscard::read(FieldReader& r) {
    PickDiscard e;
    e.seat = proto::seat(r);
    e.count = proto::count(r);
    e.top = proto::face(r, 0);
    e.slot = proto::slot(r);
    e.face = proto::face(r, 1);
    return e;
}

void Discard::write(FieldWriter& w) const { w.add(seat).add(count).add(face).add(slot).add(skipped).end(); }

Discard Discard::read(FieldReader& r) {
    Discard e;
    e.seat = proto::seat(r);
    e.count = proto::count(r);
    e.face = proto::face(r, 1);
    e.slot = proto::slot(r);
    e.skipped = r.number(0, kSeats, "a skipped seat outside 0..4");
    return e;
}

void Laid::writeRecords(FieldWriter& w) const {
    for (int s : removedSlots) w.add(1).add(s).add(0);
    for (int g = 0; g < 2; ++g)
        for (int f : groups[g]) w.add(2).add(g + 1).add(f);
}

void Laid::readRecords(FieldReader& r) {
    std::size_t n = 0;
    while (r.records(3)) {
        r.require(++n <= kMaxRecords, kTooManyRecords);
        const std::string_view kind = r.text();
        if (kind == "1") {
            const int s = slot(r);
            r.text();
            r.require(removedSlots.size() < kHandSlots, "more cards laid than a hand holds");
            removedSlots.push_back(s);
        } else if (kind == "2") {
            const int g = group(r);
            const int f = face(r, 1);
            if (!r.ok()) return;
            auto& list = groups[g - 1];
            r.require(list.size() < kGroupSize, kGroupTooLong);
            list.push_back(f);
        } else {
            r.text(), r.text();
        }
    }
}

void PlayStage::write(FieldWriter& w) const {
    w.add(seat).add(count).add(goesOn ? 't' : 'f');
    writeRecords(w);
}

PlayStage PlayStage::read(FieldReader& r) {
    PlayStage e;
    e.seat = proto::seat(r);
    e.count = proto::count(r);
    e.goesOn = r.text() == "t";
    e.readRecords(r);
    return e;
}

void HitThem::write(FieldWriter& w) const {
    w.add(seat).add(owner).add(count);
    writeRecords(w);
}

HitThem HitThem::read(FieldReader& r) {
    HitThem e;
    e.seat = proto::seat(r);
    e.owner = proto::seat(r);
    e.count = proto::count(r);
    e.readRecords(r);
    return e;
}

namespace {

void writeStages(FieldWriter& w, const std::vector<SeatStage>& stages, bool withPoints) {
    for (const SeatStage& s : stages) {
        w.add(s.seat).add(s.stage);
        if (withPoints) w.add(s.points).add(s.added);
    }
}

std::vector<SeatStage> readStages(FieldReader& r, bool withPoints) {
    std::vector<SeatStage> out;
    while (r.records(withPoints ? 4 : 2)) {
        r.require(out.size() < kSeats, kTooManySeats);
        const int s = seat(r);
        SeatStage e{s, stage(r)};
        if (withPoints) {
            e.points = points(r, "a point total out of range");
            e.added = points(r, "round points out of range");
        }
        out.push_back(e);
    }
    return out;
}

}  // namespace

void EndRound::write(FieldWriter& w) const {
    w.add(seat);
    writeStages(w, stages, true);
}

EndRound EndRound::read(FieldReader& r) {
    EndRound e;
    e.seat = proto::seat(r);
    e.stages = readStages(r, true);
    return e;
}

void Winner::write(FieldWriter& w) const {
    w.add(seat);
    writeStages(w, stages, false);
}

Winner Winner::read(FieldReader& r) {
    Winner e;
    e.seat = proto::seat(r);
    e.stages = readStages(r, false);
    return e;
}

void GameStats::write(FieldWriter& w) const {
    w.add(recipient).add(current).add(phase).add(top);
    if (betweenRounds) {
        w.add('h').add(0).add(0).add(0);
        return;
    }
    for (const HandCard& c : hand) w.add('m').add(c.slot).add(c.face).add(0);
    for (const Seat& s : seats) {
        w.add('t').add(s.seat).add(s.stage).add(s.count);
        for (int g = 0; g < 2; ++g)
            for (int f : groups[s.seat][g]) w.add('s').add(s.seat).add(g + 1).add(f);
    }
}

namespace {

void readSnapshotRecord(FieldReader& r, GameStats& e) {
    const std::string_view letter = r.text();
    if (letter == "m") {
        r.require(e.hand.size() < kHandSlots, kTooManyCards);
        const int s = slot(r);
        const int f = face(r, 1);
        r.text();
        e.hand.push_back({s, f});
    } else if (letter == "t") {
        r.require(e.seats.size() < kSeats, kTooManySeats);
        const int s = seat(r);
        const int st = stage(r);
        e.seats.push_back({s, st, count(r)});
    } else if (letter == "s") {
        const int s = seat(r);
        const int g = group(r);
        const int f = face(r, 1);
        if (!r.ok()) return;
        auto& list = e.groups[s][g - 1];
        r.require(list.size() < kGroupSize, kGroupTooLong);
        list.push_back(f);
    } else {
        e.betweenRounds = e.betweenRounds || letter == "h";
        r.text(), r.text(), r.text();
    }
}

}  // namespace

GameStats GameStats::read(FieldReader& r) {
    GameStats e;
    e.recipient = r.number(0, 1 << 20, "a recipient that is not a place");
    e.current = r.number(0, kSeats, "a current player outside 0..4");
    e.phase = r.number(0, 3, "a turn phase outside 0..3");
    e.top = face(r, 0);
    std::size_t n = 0;
    while (r.records(4)) {
        r.require(++n <= kMaxRecords, kTooManyRecords);
        readSnapshotRecord(r, e);
    }
    return e;
}

void Points::write(FieldWriter& w) const {
    for (const Seat& s : seats) w.add(s.seat).add(s.points);
}

Points Points::read(FieldReader& r) {
    Points e;
    while (r.records(2)) {
        r.require(e.seats.size() < kSeats, kTooManySeats);
        const int s = seat(r);
        e.seats.push_back({s, points(r, "a point total out of range")});
    }
    return e;
}

void PlayError::write(FieldWriter& w) const { w.add(seat).add(code).end(); }

PlayError PlayError::read(FieldReader& r) {
    PlayError e;
    e.seat = r.number(0, 1 << 20, "a seat that is not a place");
    e.code = r.number(-(1 << 20), 1 << 20, "a code that is not a number");
    return e;
}

}  // namespace velmora::proto::event
