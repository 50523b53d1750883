#include "app/find.h"

#include <QCoreApplication>
#include <QTimer>
#include <iostream>

#include "app/quitsignals.h"
#include "net/logging.h"
#include "net/tablefinder.h"

namespace velmora::app {

int find(const Options& options) {
    net::TableFinder finder;
    if (!finder.listen(options.discoveryPort)) {
        qCWarning(net::lcApp).noquote() << "cannot listen on UDP port" << options.discoveryPort << ":"
                                        << finder.errorText();
        return 2;
    }
    int found = 0;
    QObject::connect(&finder, &net::TableFinder::found, [&found](const net::FoundTable& t) {
        ++found;
        std::cout << t.address << '\t' << t.table.port << '\t' << t.table.name << '\t' << t.table.seats << '\t'
                  << (t.table.gameOn ? 1 : 0) << '\t' << t.table.version << std::endl;
    });
    onTerminationSignals([] { QCoreApplication::quit(); });
    QTimer::singleShot(options.findSeconds * 1000, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();
    return found > 0 ? 0 : 1;
}

}  // namespace velmora::app
