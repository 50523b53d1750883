#include "app/warmup.h"

#include <QDBusConnection>
#include <fontconfig/fontconfig.h>

namespace velmora::app {

WarmUp::WarmUp() : fonts_([] { FcInit(); }) {}

void WarmUp::connectSessionBus() {
    if (!bus_.joinable()) bus_ = std::thread([] { QDBusConnection::sessionBus(); });
}

void WarmUp::wait() {
    if (fonts_.joinable()) fonts_.join();
    if (bus_.joinable()) bus_.join();
}

}  // namespace velmora::app
