// SIGINT and SIGTERM (a logout, `kill`, a service manager) end the game the
// way closing its window does, so settings are saved on the way out.
#pragma once

#include <functional>

namespace velmora::app {

// Runs `action` on the event loop (never inside the signal handler) each time
// SIGINT or SIGTERM arrives. Call once, after the application exists.
void onTerminationSignals(std::function<void()> action);

}  // namespace velmora::app
