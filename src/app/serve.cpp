#include "app/serve.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "app/agones.h"
#include "app/metrics.h"
#include "app/quitsignals.h"
#include "app/startupmemory.h"
#include "host/announcer.h"
#include "host/tserver.h"
#include "net/diagnostics.h"
#include "net/workerportmapper.h"

namespace velmora::app {

std::unique_ptr<host::TableAnnouncer> startAnnouncing(const host::TServer& server, const Options& options,
                                                      const QString& fallbackName) {
    if (!options.announce) return nullptr;
    QList<QHostAddress> targets;
    if (!options.announceTo.isEmpty()) targets << QHostAddress(options.announceTo);
    const QString name = options.tableName.isEmpty() ? fallbackName : options.tableName;
    auto announcer = std::make_unique<host::TableAnnouncer>(server, name, targets, options.discoveryPort);
    announcer->start();
    return announcer;
}

std::unique_ptr<net::PortMapper> openRouterPort(quint16 port, const Options& options) {
    if (!options.openPort) return nullptr;
    auto mapper = net::makeRouterPortMapper();
    // The operator reads these in the journal; hosting goes on either way.
    QObject::connect(mapper.get(), &net::PortMapper::opened, [](const QString& address, quint16 external) {
        std::cout << "The port is open on the router: friends elsewhere join at " << address.toStdString() << ':'
                  << external << std::endl;
    });
    QObject::connect(mapper.get(), &net::PortMapper::failed, [](const QString& reason) {
        net::operatorLine(std::cerr, "velmora", "the port is not open on the router: " + reason.toStdString(),
                          net::LogLevel::warning);
    });
    mapper->open(port);
    return mapper;
}

namespace {

// $XDG_STATE_HOME/velmora/table.state, made ready; empty when there is no
// such folder and none can be made.
std::string defaultStateFile() {
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path folder;
    if (state && *state == '/')
        folder = state;
    else if (home && *home)
        folder = std::filesystem::path(home) / ".local/state";
    else
        return {};
    folder /= "velmora";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return error ? std::string() : (folder / "table.state").string();
}

void fail(const std::string& what) { net::operatorLine(std::cerr, "velmora", what); }

// --pace N: the computer and the pauses between rounds N times quicker.
host::HostTimings timings(const Options& options) {
    host::HostTimings t;
    t.computerFactor = 1.0 / options.pace;
    t.roundTickMs = std::max(1, t.roundTickMs / options.pace);
    return t;
}

// --metrics: nothing listens without it; a refused address ends the start.
bool startMetrics(std::unique_ptr<MetricsEndpoint>& endpoint, host::TServer& server, const Options& options) {
    if (options.metricsPort < 0) return true;
    endpoint = std::make_unique<MetricsEndpoint>(server);
    const QHostAddress address(options.metricsAddress);
    if (const QString problem = endpoint->listen(address, static_cast<quint16>(options.metricsPort)); !problem.isEmpty()) {
        fail("cannot serve metrics on " + options.metricsAddress.toStdString() + ": " + problem.toStdString());
        return false;
    }
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol ? '[' + address.toString() + ']' : address.toString();
    std::cout << "Metrics at http://" << host.toStdString() << ':' << endpoint->port() << "/metrics" << std::endl;
    return true;
}

}  // namespace

int serve(const Options& options) {
    if (options.logJson) net::setLogFormat(net::LogFormat::json);
    host::TServer server(timings(options));
    server.setHeadless(true);
    server.setComputerLevel(host::computerlevelof(options.computerLevel));
    // A saved table is read whole before anything listens; one that does not
    // hold up is left exactly as it is for its owner to look at.
    if (!options.resumeFile.isEmpty()) {
        const std::string path = options.resumeFile.toStdString();
        auto saved = std::make_unique<host::SavedTable>();
        if (const std::string problem = host::loadtablefile(path, *saved); !problem.empty()) {
            fail("cannot resume " + path + ": " + problem);
            return 3;
        }
        server.resume(*saved);
    }
    const std::string state = !options.stateFile.isEmpty()  ? options.stateFile.toStdString()
                              : !options.resumeFile.isEmpty() ? options.resumeFile.toStdString()
                                                              : defaultStateFile();
    if (state.empty()) net::operatorLine(std::cerr, "velmora", "no folder for the saved table; the game is not saved", net::LogLevel::warning);
    server.setStateFile(state);
    try {
        server.listen(options.port.isEmpty() ? QString::fromLatin1(kDefaultPortText) : options.port);
    } catch (const std::exception& e) {
        fail(e.what());
        return 1;
    }
    std::unique_ptr<MetricsEndpoint> metrics;
    if (!startMetrics(metrics, server, options)) return 1;
    // Stopped on purpose: the players' windows say so instead of reconnecting.
    onTerminationSignals([&server] {
        server.announceClosing();
        QCoreApplication::quit();
    });
    const QString name = options.tableName.isEmpty() ? QStringLiteral("Velmora on ") + QHostInfo::localHostName() : options.tableName;
    const auto announcer = startAnnouncing(server, options, name);
    std::cout << "Velmora host listening on port " << server.port() << std::endl;
    // Ready once listening; nothing at all without the variable.
    const auto agones = agonesFromEnvironment(
        server, {.healthMs = options.healthSeconds * 1000,
                 .shutdownWhenEmptyMs = options.shutdownWhenEmpty < 0 ? -1 : options.shutdownWhenEmpty * 1000,
                 .tableName = name.toUtf8()});
    if (agones) agones->start();
    // Destroyed after the loop ends (SIGTERM too), which removes the mapping.
    const auto mapper = openRouterPort(server.port(), options);
    // Once the loop runs, start-up is over: a table may wait for days.
    QTimer::singleShot(0, [] { releaseStartupMemory(); });
    // The sidecar's first calls and a scrape bind their library functions on
    // first use, after that: once more when the first health ping is done.
    if (agones || metrics) QTimer::singleShot(options.healthSeconds * 1000 + 1000, [] { releaseStartupMemory(); });
    return QCoreApplication::exec();
}

}  // namespace velmora::app
