// The headless host: `velmora --serve [--port N]`.
#pragma once

#include <QStringList>

namespace velmora::app {

// True when the arguments ask for the headless host.
bool wantsServe(const QStringList& args);
// Runs the host without a window until SIGINT or SIGTERM; returns the exit code.
int serve(const QStringList& args);

}  // namespace velmora::app
