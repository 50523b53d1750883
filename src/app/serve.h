// The headless host: `velmora --serve [--port N] [--announce ...]`.
#pragma once

#include <memory>

#include "app/options.h"

namespace velmora::host {
class TServer;
class TableAnnouncer;
}  // namespace velmora::host

namespace velmora::app {

// Runs the host without a window until SIGINT or SIGTERM; returns the exit code.
int serve(const Options& options);

// Announces `server`'s table as the options ask (nothing without
// --announce); the name is --name's, else `fallbackName`.
std::unique_ptr<host::TableAnnouncer> startAnnouncing(const host::TServer& server, const Options& options,
                                                      const QString& fallbackName);

}  // namespace velmora::app
