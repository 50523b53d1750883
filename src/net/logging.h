// How the Qt layers log: a logging category per layer, each line going
// through the diagnostics sink (escaped, rate-limited, one line per event),
// Qt's own warnings included. Use qCWarning(lcHost) and its kin; turn a
// category's lines off or on with QT_LOGGING_RULES ("velmora.net.info=true").
#pragma once

#include <QLoggingCategory>
#include <cstddef>

namespace velmora::net {

Q_DECLARE_LOGGING_CATEGORY(lcNet)     // "velmora.net": sockets, router, modules
Q_DECLARE_LOGGING_CATEGORY(lcHost)    // "velmora.host": the running host
Q_DECLARE_LOGGING_CATEGORY(lcClient)  // "velmora.client": the window and its parts
Q_DECLARE_LOGGING_CATEGORY(lcTally)   // "velmora.tally": the tally file
Q_DECLARE_LOGGING_CATEGORY(lcApp)     // "velmora.app": start, single copy, finding tables

// Our own lines are longer than a peer's quoted text may be.
inline constexpr std::size_t kLogLineChars = 400;

// Sends every Qt log message of the process to the diagnostics sink
// (`standardLog`); the program's entry calls it once, first thing.
void routeQtLogging();

}  // namespace velmora::net
