// The headless host: `velmora --serve [--port N]`.
#pragma once

#include "app/options.h"

namespace velmora::app {

// Runs the host without a window until SIGINT or SIGTERM; returns the exit code.
int serve(const Options& options);

}  // namespace velmora::app
