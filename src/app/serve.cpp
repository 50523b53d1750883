#include "app/serve.h"

#include <QCoreApplication>
#include <iostream>

#include "app/quitsignals.h"
#include "host/tserver.h"

namespace velmora::app {

int serve(const Options& options) {
    host::TServer server;
    server.setHeadless(true);
    try {
        server.listen(options.port.isEmpty() ? QString::fromLatin1(kDefaultPortText) : options.port);
    } catch (const std::exception& e) {
        std::cerr << "velmora: " << e.what() << std::endl;
        return 1;
    }
    onTerminationSignals([] { QCoreApplication::quit(); });
    std::cout << "Velmora host listening on port " << server.port() << std::endl;
    return QCoreApplication::exec();
}

}  // namespace velmora::app
