// What the window needs of the copy's own in-process host: start it and pace
// its computer players. The program's entry supplies it, so the client never
// depends on the host's code.
#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace velmora::client {

class TableModel;

// Play > Hint: the strong computer player's advice for the own seat's turn.
struct HintAnswer {
    enum class Pile { None, Draw, Discard } pile = Pile::None;  // the pile to take from
    std::vector<int> raise;  // host hand slots to raise: the stage, a hit or the discard
    int seat = 0;            // a hit: the seat whose group takes the card
    int group = 0;           // and which group, 1 or 2
    QString reason;          // one line; empty when there is no advice
};

struct ListenResult {
    quint16 port = 0;  // the port really bound (a port name of "0" picks one)
    QString error;     // the socket error's text; empty on success
    bool ok() const { return error.isEmpty(); }
};

class HostControl {
public:
    virtual ~HostControl() = default;
    // Who may connect: anyone on the network, or only this computer (a solo
    // game, which strangers must not walk into).
    enum class Reach { Everyone, ThisComputer };
    virtual ListenResult listen(const QString& portName, Reach reach) = 0;
    // Options > Bot Speed: the computer players' pause between moves.
    virtual void setBotSpeed(int ms) = 0;
    // How many seats (1..3, from seat 2 on) the computer takes when nobody
    // holds them, from the next game on.
    virtual void setComputerSeats(int count) = 0;
    // Options > Computer Level: 0 Designed, 1 Strong, 2 Expert, for every computer seat.
    virtual void setComputerLevel(int level) = 0;
    // Worked out in this copy from what the own seat may know: from the
    // host's table when this copy hosts, otherwise from the window's table.
    // Nothing is sent.
    virtual HintAnswer hint(const TableModel& table) = 0;

    // The unfinished game this host kept in the player's data folder: none,
    // one that can be resumed, or one that cannot (`problem` says why; its
    // file is kept as it is).
    struct SavedGame {
        bool present = false;
        QString problem;
        QString file;
        // People played at seats beside the host's own: they can come back
        // only to a table hosted for others, not to a solo one.
        bool withOthers = false;
        bool resumable() const { return present && problem.isEmpty(); }
    };
    virtual SavedGame savedGame() const { return {}; }
    // Puts that game back on the table; whoever is connected already takes
    // their seat in it. Empty on success, else why not.
    virtual QString resumeSavedGame() { return QStringLiteral("There is no unfinished game."); }
};

}  // namespace velmora::client
