#include "app/warmup.h"

#include <QDBusConnection>
#include <QStandardPaths>
#include <fontconfig/fontconfig.h>
#include <unistd.h>

namespace velmora::app {
namespace {

// Where the D-Bus library runs its launcher from: its own folder, then PATH.
bool launcherInstalled() {
    return access("/usr/bin/dbus-launch", X_OK) == 0 ||
           !QStandardPaths::findExecutable(QStringLiteral("dbus-launch")).isEmpty();
}

// Before any thread starts: the environment is not safe to change later.
void avoidDoomedLaunch() {
    const QByteArray address = sessionBusWithoutLaunch(qgetenv("DBUS_SESSION_BUS_ADDRESS"), qgetenv("XDG_RUNTIME_DIR"),
                                                       launcherInstalled());
    if (!address.isEmpty()) qputenv("DBUS_SESSION_BUS_ADDRESS", address);
}

}  // namespace

QByteArray sessionBusWithoutLaunch(const QByteArray& named, const QByteArray& runtimeFolder, bool launcherInstalled) {
    if (!named.isEmpty() || runtimeFolder.isEmpty() || launcherInstalled) return {};
    // D-Bus addresses leave only [-0-9A-Za-z_/.*] unescaped.
    return "unix:path=" + (runtimeFolder + "/bus").toPercentEncoding("/*", "~");
}

WarmUp::WarmUp() {
    avoidDoomedLaunch();
    fonts_ = std::thread([] { FcInit(); });
}

void WarmUp::connectSessionBus() {
    if (!bus_.joinable()) bus_ = std::thread([] { QDBusConnection::sessionBus(); });
}

void WarmUp::wait() {
    if (fonts_.joinable()) fonts_.join();
    if (bus_.joinable()) bus_.join();
}

}  // namespace velmora::app
