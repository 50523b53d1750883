#include "app/inprocesshost.h"

namespace velmora::app {

client::ListenResult InProcessHost::listen(const QString& portName) {
    try {
        server_.listen(portName);
    } catch (const net::ESockException& e) {
        return {0, QString::fromUtf8(e.what())};
    }
    return {server_.port(), {}};
}

}  // namespace velmora::app
