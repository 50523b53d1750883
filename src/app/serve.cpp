#include "app/serve.h"

#include <QCoreApplication>
#include <iostream>

#include "app/quitsignals.h"
#include "host/tserver.h"

namespace velmora::app {
namespace {

QString portArgument(const QStringList& args) {
    const qsizetype i = args.indexOf(QStringLiteral("--port"));
    if (i >= 0 && i + 1 < args.size()) return args[i + 1];
    return QString::fromLatin1(kDefaultPortText);
}

}  // namespace

bool wantsServe(const QStringList& args) { return args.contains(QStringLiteral("--serve")); }

int serve(const QStringList& args) {
    host::TServer server;
    server.setHeadless(true);
    try {
        server.listen(portArgument(args));
    } catch (const std::exception& e) {
        std::cerr << "velmora: " << e.what() << std::endl;
        return 1;
    }
    onTerminationSignals([] { QCoreApplication::quit(); });
    std::cout << "Velmora host listening on port " << server.port() << std::endl;
    return QCoreApplication::exec();
}

}  // namespace velmora::app
