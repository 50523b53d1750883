// Starting the game again with other launch parameters, as the lobby would
// start it: how the host-or-join dialog reaches a new table.
#pragma once

#include <QStringList>

#include "windows/hostjoin.h"

namespace velmora::client {

// The launch parameters for a choice: name, host address, "true" to host or
// "false" to join, then "--port" and the port, "--announce" when a host
// asked to be found, "--open-port" when it asked for the router's port and
// "--resume" and the file when it goes on with a saved game.
QStringList launchArguments(const windows::HostJoinChoice& choice);

// Starts a new copy of the program with `arguments` once this process has
// ended (until then it holds the single-copy lock and, when hosting, the
// game's port). False when it cannot be arranged.
bool restartProgram(const QStringList& arguments);

// Starts `program` with `arguments` once the process `pid` has ended.
bool startAfter(qint64 pid, const QString& program, const QStringList& arguments);

}  // namespace velmora::client
