// The table kept on disk: written after every turn, round end and new seat
// token, so that a host that is stopped or crashes can carry the game on;
// read back before anyone connects.
#include <cstdio>

#include "host/tserver.h"

namespace velmora::host {

void TServer::setStateFile(std::string path) {
    stateFile_ = std::move(path);
    if (stateFile_.empty()) return;
    if (const int n = removeleftovers(stateFile_))
        log_.write(0, "autosave", "removed " + std::to_string(n) + " temporary file(s) an interrupted save left");
}

void TServer::autosave() {
    if (stateFile_.empty()) return;
    if (table_.state().gameon != 1) {
        // Over: nothing is left to resume. A file this host never wrote (an
        // earlier game nobody resumed) is left alone.
        if (saved_) saves_.remove(stateFile_);
        saved_ = false;
        return;
    }
    std::array<std::string, kSeats + 1> tokens;
    for (int s = 1; s <= kSeats; ++s) tokens[s] = places_[s].token;
    // The turn pays for the text only; the disk's part is the writer's.
    saves_.write(stateFile_, tabletext(table_.state(), tokens));
    saved_ = true;
    if (const std::string problem = saves_.problem(); !problem.empty()) log_.write(0, "autosave", problem);
}

void TServer::resume(const SavedTable& saved) {
    // A game running here is replaced, its timers with it.
    stopTimer1();
    stopComputerTimer();
    table_.restore(saved.table);
    for (int s = 1; s <= kSeats; ++s) {
        // The hosting player's own window comes back at place 1 by itself.
        if (saved.tokens[s].empty() || (s == 1 && !headless_)) continue;
        places_[s].token = saved.tokens[s];
        hold(s);
    }
    saved_ = true;
    // Whoever is at the table already (the hosting player's own window) sees
    // it as someone arriving during a game does.
    for (int p = 1; p <= table_.state().seatsused && p <= kPlaces; ++p)
        if (places_[p].loggedIn && table_.player(p).connected == 1) sendSnapshot(p);
    // Everyone was cut at the same moment: a person's turn waits a while for
    // them before the computer takes it; a computer seat plays on at once.
    const int turn = saved.table.curplayer;
    const bool person = turn >= 1 && turn <= kSeats && !saved.tokens[turn].empty();
    resumeWait_.start(person ? timings_.resumeWaitMs : 0);
    emit gameOnChanged(true);
}

void TServer::afterResumeWait() {
    const TableState& s = table_.state();
    if (s.gameon == 1 && s.timer1tag == 0 && s.curplayer >= 1 && s.curplayer <= kSeats &&
        table_.computerplayed(s.curplayer))
        armComputerTimer(s.botspeed);
}

}  // namespace velmora::host
