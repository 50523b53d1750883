// Listens on the discovery port for tables announced on the local network
// and keeps the list of those heard lately. Several copies on one machine
// may listen at once (the port is shared). Malformed datagrams are dropped
// with at most a rate-limited line on standard error, never shown.
#pragma once

#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include "net/announcement.h"

namespace velmora::net {

class TableFinder : public QObject {
    Q_OBJECT
public:
    explicit TableFinder(QObject* parent = nullptr);

    // Starts listening; false (with the socket's error text) when it cannot.
    bool listen(quint16 port);
    void stop();
    quint16 port() const { return socket_.localPort(); }
    QString errorText() const { return socket_.errorString(); }
    std::vector<FoundTable> tables() const { return book_.tables(); }

signals:
    void found(const velmora::net::FoundTable& table);  // first heard
    void tablesChanged();                                // one came, went or changed

private:
    void readPending();
    void forgetOld();

    QUdpSocket socket_;
    QTimer forgetTimer_;
    TableBook book_;
};

}  // namespace velmora::net
