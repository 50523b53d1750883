#include "net/logging.h"

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "net/diagnostics.h"

namespace velmora::net {

Q_LOGGING_CATEGORY(lcNet, "velmora.net")
Q_LOGGING_CATEGORY(lcHost, "velmora.host")
Q_LOGGING_CATEGORY(lcClient, "velmora.client")
Q_LOGGING_CATEGORY(lcTally, "velmora.tally")
Q_LOGGING_CATEGORY(lcApp, "velmora.app")

namespace {

void toSink(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const char* category = context.category && std::strcmp(context.category, "default") != 0 ? context.category : "";
    // Each category has its own budget, so one that floods cannot hide another.
    const LogLevel level = type == QtDebugMsg || type == QtInfoMsg ? LogLevel::info
                           : type == QtWarningMsg                  ? LogLevel::warning
                                                                   : LogLevel::error;
    standardLog().write(std::hash<std::string_view>{}(category), category,
                        escapeForLog(message.toStdString(), kLogLineChars), level);
    if (type == QtFatalMsg) std::abort();
}

}  // namespace

void routeQtLogging() { qInstallMessageHandler(toSink); }

}  // namespace velmora::net
