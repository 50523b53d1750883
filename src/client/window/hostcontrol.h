// What the window needs of the copy's own in-process host: start it and pace
// its computer players. The program's entry supplies it, so the client never
// depends on the host's code.
#pragma once

#include <QString>
#include <QtGlobal>

namespace velmora::client {

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
};

}  // namespace velmora::client
