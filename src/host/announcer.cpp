#include "host/announcer.h"

#include <QNetworkInterface>

#include "host/tserver.h"

namespace velmora::host {

TableAnnouncer::TableAnnouncer(const TServer& server, QString name, QList<QHostAddress> targets,
                               quint16 discoveryPort, QObject* parent)
    : QObject(parent), server_(server), name_(std::move(name)), targets_(std::move(targets)),
      discoveryPort_(discoveryPort) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &TableAnnouncer::announce);
}

QList<QHostAddress> TableAnnouncer::broadcastAddresses() {
    QList<QHostAddress> out;
    for (const QNetworkInterface& nif : QNetworkInterface::allInterfaces()) {
        const auto flags = nif.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            !(flags & QNetworkInterface::CanBroadcast) || (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : nif.addressEntries())
            if (!entry.broadcast().isNull() && !out.contains(entry.broadcast())) out << entry.broadcast();
    }
    return out;
}

void TableAnnouncer::start() {
    if (targets_.isEmpty()) targets_ = broadcastAddresses();
    announce();
    timer_.start();
}

net::TableAnnouncement TableAnnouncer::announcement() const {
    net::TableAnnouncement a;
    a.name = name_.toStdString();
    a.port = server_.port();
    a.version = kVersionText;
    const Table& table = server_.table();
    for (int place = 1; place <= kMaxPlaces; ++place)
        if (table.player(place).connected == 1) ++(place <= kSeats ? a.seats : a.spectators);
    a.gameOn = table.state().gameon == 1;
    return a;
}

void TableAnnouncer::announce() {
    const net::TableAnnouncement a = announcement();
    if (a.port == 0) return;
    const QByteArray datagram = QByteArray::fromStdString(net::formatAnnouncement(a));
    for (const QHostAddress& target : targets_) socket_.writeDatagram(datagram, target, discoveryPort_);
}

}  // namespace velmora::host
