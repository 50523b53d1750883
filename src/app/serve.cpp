#include "app/serve.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <iostream>

#include "host/tserver.h"

namespace velmora::app {
namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 1;
    [[maybe_unused]] auto n = ::write(signalPipe[1], &c, 1);
}

// Turns SIGINT and SIGTERM into a clean quit of the event loop.
void quitOnSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] { QCoreApplication::quit(); });
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

QString portArgument(const QStringList& args) {
    const qsizetype i = args.indexOf(QStringLiteral("--port"));
    if (i >= 0 && i + 1 < args.size()) return args[i + 1];
    return QStringLiteral("7772");
}

}  // namespace

bool wantsServe(const QStringList& args) { return args.contains(QStringLiteral("--serve")); }

int serve(const QStringList& args) {
    host::TServer server;
    try {
        server.listen(portArgument(args));
    } catch (const std::exception& e) {
        std::cerr << "velmora: " << e.what() << std::endl;
        return 1;
    }
    quitOnSignals();
    std::cout << "Velmora host listening on port " << server.port() << std::endl;
    return QCoreApplication::exec();
}

}  // namespace velmora::app
