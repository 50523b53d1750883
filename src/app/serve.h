// The headless host: `velmora --serve [--port N] [--announce ...] [--open-port]`.
#pragma once

#include <memory>

#include "app/options.h"

namespace velmora::net {
class PortMapper;
}  // namespace velmora::net

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

// Asks the router to open `port` when --open-port says so (nothing
// otherwise), telling the address friends use on standard output or why not
// in one line on standard error. The mapping is renewed while the mapper
// lives and removed when it goes.
std::unique_ptr<net::PortMapper> openRouterPort(quint16 port, const Options& options);

}  // namespace velmora::app
