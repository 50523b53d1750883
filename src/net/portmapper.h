// Opening the hosted table's port on the home router, so that friends beyond
// the local network can join. The window talks to this interface only; the
// program hands it UPnP then NAT-PMP (net/workerportmapper.h), tests a fake.
#pragma once

#include <QObject>
#include <QString>

namespace velmora::net {

// The reason given when no router answers at all; the protocols pass it on
// untranslated, so that the next one may try, and the mapper translates it.
inline constexpr const char* kNoRouterAnswered = QT_TRANSLATE_NOOP("PortMapper", "No router answered");

class PortMapper : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Asks the router to lead its TCP `port` to this computer's `port`. The
    // answer comes later, as opened() or failed(); nothing waits for it.
    // The mapping is kept until the mapper is destroyed, which removes it.
    virtual void open(quint16 port) = 0;

signals:
    // The router's address on the internet and the port friends connect to.
    void opened(const QString& address, quint16 port);
    // Why the port is not open, in one line ("No router answered").
    void failed(const QString& reason);
};

}  // namespace velmora::net
