#include "net/tablefinder.h"

#include <QNetworkDatagram>

#include "net/diagnostics.h"

namespace velmora::net {

TableFinder::TableFinder(QObject* parent) : QObject(parent) {
    connect(&socket_, &QUdpSocket::readyRead, this, &TableFinder::readPending);
    forgetTimer_.setInterval(1000);
    connect(&forgetTimer_, &QTimer::timeout, this, &TableFinder::forgetOld);
}

bool TableFinder::listen(quint16 port) {
    stop();
    if (!socket_.bind(QHostAddress::AnyIPv4, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint))
        return false;
    forgetTimer_.start();
    return true;
}

void TableFinder::stop() {
    socket_.close();
    forgetTimer_.stop();
}

void TableFinder::readPending() {
    while (socket_.hasPendingDatagrams()) {
        // One byte over the limit is enough to know a datagram is too long.
        const QNetworkDatagram datagram = socket_.receiveDatagram(qint64(kMaxAnnouncementBytes) + 1);
        QHostAddress sender = datagram.senderAddress();
        bool v4 = false;
        const quint32 ip = sender.toIPv4Address(&v4);
        if (v4) sender = QHostAddress(ip);  // "::ffff:a.b.c.d" reads as a.b.c.d
        const std::string address = sender.toString().toStdString();
        const QByteArray data = datagram.data();
        FoundTable table;
        switch (book_.hear(address, std::string_view(data.constData(), size_t(data.size())), TableBook::Clock::now(),
                           &table)) {
        case TableBook::Heard::New:
            emit found(table);
            emit tablesChanged();
            break;
        case TableBook::Heard::Changed: emit tablesChanged(); break;
        case TableBook::Heard::Malformed:
            standardLog().write(v4 ? ip : 1, "discovery " + address, "a malformed table announcement dropped");
            break;
        case TableBook::Heard::Known:
        case TableBook::Heard::TooFast:
        case TableBook::Heard::Full: break;
        }
    }
}

void TableFinder::forgetOld() {
    if (book_.forget(TableBook::Clock::now())) emit tablesChanged();
}

}  // namespace velmora::net
