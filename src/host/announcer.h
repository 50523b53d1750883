// Tells the local network about a table every 2 s, so that players there
// find it without being given an address: only when the person hosting
// asked for it (the Host dialog's option, `--serve --announce`).
#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include "game/discovery.h"
#include "net/announcement.h"

namespace velmora::host {

class TServer;

class TableAnnouncer : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 2000;

    // Announces `server`'s table under `name` to `targets` (empty: every
    // local network's broadcast address) on `discoveryPort`.
    TableAnnouncer(const TServer& server, QString name, QList<QHostAddress> targets = {},
                   quint16 discoveryPort = kDiscoveryPort, QObject* parent = nullptr);

    void start();
    // The announcement as it stands (nothing to say before the host listens).
    net::TableAnnouncement announcement() const;

    // The broadcast address of every local network that is up.
    static QList<QHostAddress> broadcastAddresses();

private:
    void announce();

    const TServer& server_;
    QString name_;
    QList<QHostAddress> targets_;
    quint16 discoveryPort_;
    QUdpSocket socket_;
    QTimer timer_;
};

}  // namespace velmora::host
