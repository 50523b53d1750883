// The handlers of the host's game events.
#include "client/model/tablemodel.h"

#include <algorithm>

namespace velmora::client {

namespace {
const std::string kNoName;

// A card as the game log names it: "the red 7", "a green wild card".
std::string cardWords(int face) {
    static const char* const kNumbered[] = {
        VELMORA_TRANSLATE_NOOP("TableModel", "the blue %1"), VELMORA_TRANSLATE_NOOP("TableModel", "the brown %1"),
        VELMORA_TRANSLATE_NOOP("TableModel", "the green %1"), VELMORA_TRANSLATE_NOOP("TableModel", "the red %1")};
    static const char* const kWild[] = {VELMORA_TRANSLATE_NOOP("TableModel", "a blue wild card"),
                                        VELMORA_TRANSLATE_NOOP("TableModel", "a brown wild card"),
                                        VELMORA_TRANSLATE_NOOP("TableModel", "a green wild card"),
                                        VELMORA_TRANSLATE_NOOP("TableModel", "a red wild card")};
    if (face < 1 || face > 52) return i18n::translate("TableModel", "a skip card");
    const int colour = (face - 1) / 13;
    if (face % 13 == 0) return i18n::translate("TableModel", kWild[colour]);
    return i18n::fill(i18n::translate("TableModel", kNumbered[colour]), {std::to_string(face % 13)});
}
}  // namespace

std::span<const TableModel::Event> TableModel::events() {
    static const Event kEvents[] = {
        {cmd::kStartgame, &TableModel::startthegame}, {cmd::kNextplayer, &TableModel::getnextplayer},
        {cmd::kWinner, &TableModel::winner},          {cmd::kMycards, &TableModel::mycards},
        {cmd::kStartround, &TableModel::startround},  {cmd::kPlayerror, &TableModel::playerror},
        {cmd::kPickdiscard, &TableModel::pickdiscard}, {cmd::kDraw, &TableModel::draw},
        {cmd::kHisdiscard, &TableModel::hisdiscard},  {cmd::kPlaystage, &TableModel::playstage},
        {cmd::kHitthem, &TableModel::hitthem},        {cmd::kHedrew, &TableModel::hedrew},
        {cmd::kEndround, &TableModel::endround},      {cmd::kGamestats, &TableModel::gamestats},
        {cmd::kPoints, &TableModel::points},
    };
    return kEvents;
}

TableModel::TableModel() { clearall(); }

const std::string& TableModel::name(int seat) const { return valid(seat) ? seats[seat].name : kNoName; }

void TableModel::setName(int seat, std::string name) {
    if (valid(seat)) seats[seat].name = std::move(name);
    changed();
}

void TableModel::setShowStart(bool show) {
    showStart = show;
    changed();
}

void TableModel::changed() {
    pending_ = batchDepth_ > 0;
    if (pending_) return;
    for (const auto& listener : listeners_) listener();
}

void TableModel::handle(Handler handler, std::string_view payload) {
    Batch batch(*this);
    (this->*handler)(payload);
    changed();
}

std::vector<std::string> TableModel::otherSeatNames() const {
    std::vector<std::string> out;
    for (int s = 1; s <= kSeats; ++s)
        if (s != ownSeat) out.push_back(seats[s].name);
    return out;
}

void TableModel::play(std::string_view sound) const {
    if (hooks.sound) hooks.sound(sound);
}

void TableModel::say(const std::string& line) const {
    if (hooks.chat) hooks.chat(line);
}

void TableModel::hideActionButtons() { showPickup = showDraw = showDiscard = showCreateStage = false; }

void TableModel::setTrack(int seat, int number) {
    SeatState& s = seats[seat];
    s.trackTip = i18n::fill(i18n::translate("TableModel", "Stage: %1"), {std::to_string(number)});
    s.track = number > 0 ? number - 1 : -1;
}

// Stages below s done (s taken as 10 when all are done), the rest open.
void TableModel::markStageList(int stage) {
    const int s = stage == kStageCount + 1 ? kStageCount : stage;
    for (int n = 1; n <= kStageCount; ++n) stageRows[n] = {n < s, n < s};
}

void TableModel::startthegame(std::string_view payload) {
    const auto e = parseStartGame(payload);
    if (!e) return;
    showStart = false;
    gameOn = true;
    round = 0;
    roundSummary.reset();
    gameOver.reset();
    lastMove = {};
    for (SeatState& s : seats) s.points = 0;  // the host starts every seat at 0
    if (hooks.uncheckJustWatch) hooks.uncheckJustWatch();
    clearall();
    for (const auto& r : e->seats) {
        seats[r.seat].stageText.clear();
        seats[r.seat].notPlaying = !r.playing;
        // A seat dealt in with nobody there is the computer's.
        if (r.playing && r.seat >= 2 && seats[r.seat].name == "<Waiting>") seats[r.seat].name = kComputerNames[r.seat];
    }
    say(i18n::fill(i18n::translate("TableModel", "%1 has started a game."), {e->starter}));
}

void TableModel::startround(std::string_view payload) {
    const auto e = parseStartRound(payload);
    if (!e) return;
    for (SeatState& s : seats) s.kind = {};
    stageLaid = false;
    ++round;
    roundSummary.reset();  // the pause is over
    lastMove = {};
    for (const auto& r : e->seats) {
        SeatState& s = seats[r.seat];
        if (r.dealt) {
            s.notPlaying = false;
            // Dealt in with nobody there (a game resumed between rounds): the computer's.
            if (r.seat >= 2 && s.name == "<Waiting>") s.name = kComputerNames[r.seat];
            s.stage = r.stage;
            s.stageText = getstagetext(r.stage);
            setTrack(r.seat, r.stage);
            if (r.seat == ownSeat) markStageList(r.stage);
        } else {
            s.notPlaying = true;
            s.stageText.clear();
            s.stage = 0;
            s.track = -1;
            s.trackTip.clear();
        }
    }
    discardTop = e->discard;
    for (HandSlot& slot : hand) slot = {};
    for (int n = 1; n <= kSeats; ++n) {
        SeatState& s = seats[n];
        s.skipped = false;
        s.groups = {};
        if (s.notPlaying) s.handCount = 0;
        else if (n != ownSeat) s.handCount = 10;
    }
}

void TableModel::mycards(std::string_view payload) {
    const auto e = parseMyCards(payload);
    if (!e) return;
    seats[e->seat].notPlaying = false;
    seats[e->seat].waiting = false;
    for (const HandCard& c : e->cards) createcard(c.slot, c.face);
}

void TableModel::beginOwnTurn() {
    turnPhase = 1;
    reofferOwnTurn();
    if (ownWatching()) return;
    play(turnSound == 1 ? "turnnew" : "turn");
    if (hooks.ownTurn) hooks.ownTurn();
}

void TableModel::reofferOwnTurn() {
    if (!ownTableSeat() || currentPlayer != ownSeat) return;
    hideActionButtons();
    if (ownWatching()) {
        if (turnPhase == 1 || turnPhase == 2) setStatus(i18n::translate("TableModel", kComputerPlaysText));
        return;
    }
    if (turnPhase == 1) {
        setStatus(i18n::translate("TableModel", "Pick up Discard or Draw a Card."));
        showPickup = discardTop != kSkip;
        showDraw = true;
    } else if (turnPhase == 2) {
        setStatus(i18n::translate("TableModel", "Create your Stage or Discard please.."));
        stageLaid = ownStageLaid();
        showCreateStage = !stageLaid;
        showDiscard = true;
    }
}

void TableModel::getnextplayer(std::string_view payload) {
    const auto e = parseNextPlayer(payload);
    if (!e) return;
    hideActionButtons();
    setCurrent(e->seat);
    turnPhase = 0;
    for (SeatState& s : seats) s.turn = false;
    seats[currentPlayer].turn = true;
    if (currentPlayer == ownSeat)
        beginOwnTurn();
    else
        setStatus(i18n::fill(i18n::translate("TableModel", "%1's turn."), {name(currentPlayer)}));
}

void TableModel::offerAfterDraw() {
    turnPhase = 2;
    reofferOwnTurn();
}

void TableModel::draw(std::string_view payload) {
    const auto e = parseDraw(payload);
    if (!e) return;
    hideActionButtons();
    if (e->seat != ownSeat) return;
    createcard(e->slot, e->face);
    moved({LastMove::To::Hand, LastMove::From::DrawPile, ownSeat, e->slot});
    setCurrent(ownSeat);
    offerAfterDraw();
    play("draw");
}

void TableModel::hedrew(std::string_view payload) {
    const auto e = parseHeDrew(payload);
    if (!e) return;
    setStatus(e->seat == ownSeat ? i18n::translate("TableModel", "You drew a card")
                                  : i18n::fill(i18n::translate("TableModel", "%1 drew a card."), {name(e->seat)}));
    seats[e->seat].handCount = e->count;
    if (e->seat != ownSeat) moved({LastMove::To::Fan, LastMove::From::DrawPile, e->seat});
    play("draw");
}

void TableModel::pickdiscard(std::string_view payload) {
    const auto e = parsePickDiscard(payload);
    if (!e) return;
    hideActionButtons();
    const int picked = discardTop;
    discardTop = e->top;
    setCurrent(e->seat);
    const bool own = e->seat == ownSeat;
    moved({own ? LastMove::To::Hand : LastMove::To::Fan, LastMove::From::Discard, e->seat, own ? e->slot : 0});
    if (own) {
        createcard(e->slot, e->face);
        offerAfterDraw();
    } else {
        setStatus(i18n::fill(i18n::translate("TableModel", "%1 picked up the discard."), {name(e->seat)}),
                  i18n::fill(i18n::translate("TableModel", "%1 picked up %2."), {name(e->seat), cardWords(picked)}));
        seats[e->seat].handCount = e->count;
    }
    play("draw");
}

void TableModel::hisdiscard(std::string_view payload) {
    const auto e = parseDiscard(payload);
    if (!e) return;
    for (SeatState& s : seats) s.skipped = false;
    hideActionButtons();
    discardTop = e->face;
    const bool own = e->seat == ownSeat;
    moved({LastMove::To::Discard, own ? LastMove::From::Hand : LastMove::From::Fan, e->seat, 0, 0, own ? e->slot : 0});
    if (own) movecards(e->slot);
    turnPhase = 0;
    if (!own) seats[e->seat].handCount = e->count;
    if (e->skipped != 0) {
        seats[e->skipped].skipped = true;
        const std::string& skipped = name(e->skipped);
        setStatus(own ? i18n::fill(i18n::translate("TableModel", "You skipped %1."), {skipped})
                      : i18n::fill(i18n::translate("TableModel", "%1 skipped %2."), {name(e->seat), skipped}));
    } else {
        setStatus(own ? i18n::translate("TableModel", "You discarded")
                      : i18n::fill(i18n::translate("TableModel", "%1 discarded."), {name(e->seat)}),
                  own ? i18n::fill(i18n::translate("TableModel", "You discarded %1."), {cardWords(e->face)})
                      : i18n::fill(i18n::translate("TableModel", "%1 discarded %2."), {name(e->seat), cardWords(e->face)}));
    }
}

// Removes the cards that left the hitter's hand and rebuilds the owner's groups.
void TableModel::applyLaid(const LaidEvent& e) {
    if (e.seat == ownSeat)
        for (int slot : e.removedSlots) movecards(slot);
    seats[e.owner].groups = e.groups;
    if (e.seat != ownSeat) seats[e.seat].handCount = e.count;
}

// The hit card is where the rebuilt group first differs from the old one.
void TableModel::markHit(const LaidEvent& e) {
    LastMove m{LastMove::To::Group, e.seat == ownSeat ? LastMove::From::Hand : LastMove::From::Fan, e.seat};
    m.fromId = e.seat == ownSeat && !e.removedSlots.empty() ? e.removedSlots.front() : 0;
    for (int g = 0; g < 2; ++g) {
        const std::vector<int>& before = seats[e.owner].groups[g];
        const std::vector<int>& after = e.groups[g];
        if (before == after) continue;
        const auto diff = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
        m.id = e.owner * 10 + g + 1;
        m.position = static_cast<int>(diff.second - after.begin());
        if (m.position >= static_cast<int>(after.size())) m.position = static_cast<int>(after.size()) - 1;
    }
    moved(m);
}

void TableModel::playstage(std::string_view payload) {
    const auto e = parsePlayStage(payload);
    if (!e) return;
    showCreateStage = false;
    const bool ownLaid = e->seat == ownSeat && !e->removedSlots.empty();
    moved({LastMove::To::Group, ownLaid ? LastMove::From::Hand : LastMove::From::Fan, e->seat, e->seat * 10, -1,
           ownLaid ? e->removedSlots.front() : 0});
    applyLaid(*e);
    SeatState& s = seats[e->seat];
    const bool own = e->seat == ownSeat;
    if (own) {
        setStatus(i18n::translate("TableModel", "You completed the stage."));
        if (s.stage >= 1 && s.stage <= kStageCount) stageRows[s.stage].struck = true;
    } else {
        setStatus(i18n::fill(i18n::translate("TableModel", "%1 Completed Stage%2."), {s.name, std::to_string(s.stage)}));
    }
    s.stageText.clear();
    for (int g = 1; g <= 2; ++g)
        if (int kind = getsettype(s.stage, g)) s.kind[g - 1] = kind;
    if (own && e->goesOn) {
        stageLaid = true;
        setCurrent(ownSeat);
    }
    play("stage");
}

void TableModel::hitthem(std::string_view payload) {
    const auto e = parseHitThem(payload);
    if (!e) return;
    const std::string& hitter = name(e->seat);
    setStatus(e->seat == e->owner ? i18n::fill(i18n::translate("TableModel", "%1 placed a hit."), {hitter})
                                   : i18n::fill(i18n::translate("TableModel", "%1 placed a hit on %2"), {hitter, name(e->owner)}));
    markHit(*e);
    applyLaid(*e);
    setCurrent(e->seat);
    play("hitset");
}

void TableModel::endround(std::string_view payload) {
    const auto e = parseEndRound(payload);
    if (!e) return;
    summarise(*e);
    for (const SeatStage& r : e->stages) {
        SeatState& s = seats[r.seat];
        if (s.notPlaying) continue;
        s.trackTip = r.stage == kStageCount + 1 ? i18n::translate("TableModel", "Completed")
                                                 : i18n::fill(i18n::translate("TableModel", "Stage: %1"), {std::to_string(r.stage)});
        s.track = r.stage >= 1 ? r.stage - 1 : -1;
    }
    for (SeatState& s : seats) s.turn = false;
    // The round is over: a button left from the last turn could only be refused.
    hideActionButtons();
    turnPhase = 0;
    setStatus(i18n::translate("TableModel", "The Round is Over!"));
    play("endround");
}

void TableModel::summarise(const EndRoundEvent& e) {
    RoundSummary sum;
    sum.wentOut = e.seat;
    for (const SeatStage& r : e.stages) {
        SeatState& s = seats[r.seat];
        sum.rows.push_back({r.seat, s.stage, r.stage, r.stage > s.stage, r.added, r.points});
        s.points = r.points;
    }
    roundSummary = std::move(sum);
}

int TableModel::gamesWon(const std::string& name) const {
    const auto it = wins_.find(name);
    return it == wins_.end() ? 0 : it->second;
}

// Seats without a name sat empty all game and stand nowhere.
void TableModel::standing(const WinnerEvent& e) {
    ++wins_[name(e.seat)];
    GameOver over;
    over.winner = e.seat;
    for (const SeatStage& r : e.stages) {
        const SeatState& s = seats[r.seat];
        if (s.name == "<Waiting>") continue;
        over.rows.push_back({r.seat, r.stage, s.points, gamesWon(s.name)});
    }
    roundSummary.reset();
    gameOver = std::move(over);
}

void TableModel::winner(std::string_view payload) {
    const auto e = parseWinner(payload);
    if (!e) return;
    hideActionButtons();
    standing(*e);
    for (const SeatStage& r : e->stages) {
        if (r.seat != ownSeat || seats[r.seat].notPlaying) continue;
        for (int n = 1; n < r.stage && n <= kStageCount; ++n) stageRows[n] = {true, true};
    }
    play("winner");
    const std::string& winnerName = name(e->seat);
    const bool mine = winnerName == name(ownSeat);
    winnerText = mine ? i18n::translate("TableModel", "You have Won the Game!") : i18n::fill(i18n::translate("TableModel", "%1 has Won the Game!"), {winnerName});
    showWinner = true;
    gameOn = false;
    setStatus(i18n::translate("TableModel", "Game Over!"));
    say(winnerText);
    if (hosting) showStart = true;
    if (ownTableSeat() && hooks.recordGame) hooks.recordGame(mine ? "addtomine" : winnerName);
}

void TableModel::applySnapshotSeats(const GameStatsEvent& e) {
    for (const auto& r : e.seats) {
        SeatState& s = seats[r.seat];
        s.stage = r.stage;
        s.stageText = getstagetext(r.stage);
        setTrack(r.seat, r.stage == kStageCount + 1 ? kStageCount : r.stage);
        if (r.count == 0) {
            s.notPlaying = true;
            if (r.seat == ownSeat) {
                s.waiting = true;
                s.notPlaying = false;
                if (ownTableSeat()) setStatus(i18n::translate("TableModel", "You have to wait for the next round."));
            }
        } else if (r.seat != ownSeat) {
            s.handCount = r.count;
            // A seat dealt in with nobody there is the computer's.
            if (r.seat >= 2 && s.name == "<Waiting>") s.name = kComputerNames[r.seat];
        }
    }
    for (int n = 1; n <= kSeats; ++n) {
        SeatState& s = seats[n];
        s.groups = e.groups[n];
        const bool laid = !s.groups[0].empty();
        if (laid) s.stageText.clear();
        if (n == ownSeat)
            for (int k = 1; k <= s.stage && k <= kStageCount; ++k)
                if (k != s.stage || laid) stageRows[k] = {true, true};
        if (laid)
            for (int g = 1; g <= 2; ++g)
                if (int kind = getsettype(s.stage, g)) s.kind[g - 1] = kind;
    }
}

void TableModel::gamestats(std::string_view payload) {
    const auto e = parseGameStats(payload);
    if (!e || e->recipient != ownSeat) return;
    // A snapshot comes only while a game is on: arriving late, coming back,
    // or a resumed game.
    gameOn = true;
    showStart = false;
    setCurrent(e->current);
    turnPhase = e->phase;
    discardTop = e->top;
    for (const HandCard& c : e->hand) createcard(c.slot, c.face);
    applySnapshotSeats(*e);
    if (turnPhase == 3 || !valid(currentPlayer)) return;
    setStatus(i18n::fill(i18n::translate("TableModel", "%1's turn."), {name(currentPlayer)}));
    for (SeatState& s : seats) s.turn = false;
    seats[currentPlayer].turn = true;
    if (currentPlayer != ownSeat) return;
    const bool laid = !seats[ownSeat].groups[0].empty();
    stageLaid = laid;
    if (turnPhase == 1) {
        beginOwnTurn();
    } else if (turnPhase == 2 && !ownWatching()) {
        setStatus(laid ? i18n::translate("TableModel", "Place a Hit or Discard") : i18n::translate("TableModel", "Create a Stage or Discard"));
        showCreateStage = !laid;
        showDiscard = true;
    }
}

void TableModel::points(std::string_view payload) {
    const auto e = parsePoints(payload);
    if (!e) return;
    for (const auto& r : e->seats) {
        SeatState& s = seats[r.seat];
        s.points = r.points;
        // Points without a person there: the computer played the seat. A
        // snapshot between rounds names no seat, so this is the first word.
        if (r.seat >= 2 && r.points > 0 && s.name == "<Waiting>") s.name = kComputerNames[r.seat];
    }
}

void TableModel::playerror(std::string_view payload) {
    const auto e = parsePlayError(payload);
    if (!e || e->seat != ownSeat || !ownTableSeat()) return;
    if (auto text = playErrorText(e->code); !text.empty()) setStatus(i18n::translate("PlayError", text.data()));
    if (e->code == playErrorCode(PlayError::SkipOnPile)) showDraw = true;
    play("invalid");
    setCurrent(e->seat);
}

}  // namespace velmora::client
