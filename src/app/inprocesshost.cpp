#include "app/inprocesshost.h"

namespace velmora::app {

client::ListenResult InProcessHost::listen(const QString& portName, Reach reach) {
    try {
        server_.listen(portName, reach == Reach::ThisComputer ? QStringLiteral("127.0.0.1") : QString());
    } catch (const net::ESockException& e) {
        return {0, QString::fromUtf8(e.what())};
    }
    return {server_.port(), {}};
}

}  // namespace velmora::app
