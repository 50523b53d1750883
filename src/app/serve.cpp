#include "app/serve.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <iostream>
#include <memory>

#include "app/quitsignals.h"
#include "host/announcer.h"
#include "host/tserver.h"

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

int serve(const Options& options) {
    host::TServer server;
    server.setHeadless(true);
    try {
        server.listen(options.port.isEmpty() ? QString::fromLatin1(kDefaultPortText) : options.port);
    } catch (const std::exception& e) {
        std::cerr << "velmora: " << e.what() << std::endl;
        return 1;
    }
    // Stopped on purpose: the players' windows say so instead of reconnecting.
    onTerminationSignals([&server] {
        server.announceClosing();
        QCoreApplication::quit();
    });
    const auto announcer = startAnnouncing(server, options, QStringLiteral("Velmora on ") + QHostInfo::localHostName());
    std::cout << "Velmora host listening on port " << server.port() << std::endl;
    return QCoreApplication::exec();
}

}  // namespace velmora::app
