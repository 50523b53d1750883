#include "app/quitsignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace velmora::app {
namespace {

int wakePipe[2] = {-1, -1};

// Only async-signal-safe work here: one byte into the pipe.
void wake(int) {
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(wakePipe[1], &byte, 1);
}

}  // namespace

void onTerminationSignals(std::function<void()> action) {
    if (wakePipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, wakePipe) != 0) return;
    auto* notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [action = std::move(action)] {
        char drained[16];
        [[maybe_unused]] const auto n = ::read(wakePipe[0], drained, sizeof drained);
        action();
    });
    struct sigaction sa {};
    sa.sa_handler = wake;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

}  // namespace velmora::app
