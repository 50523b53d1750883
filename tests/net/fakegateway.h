// A home router's NAT-PMP service as little as libnatpmp needs it: the
// external address and TCP mappings, on port 5351 of a loopback address of
// its own (127.x.y.z, chosen at random so that tests running at once do not
// meet). It keeps each request, answers from a thread of its own, and
// gives the port it is asked for plus `shift`.
#pragma once

#include <QMutex>
#include <QRandomGenerator>
#include <QThread>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtEndian>

namespace velmora::test {

class FakeGateway {
public:
    explicit FakeGateway(quint16 shift = 0) : shift_(shift) {
        context_.moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(&context_, [this] { listen(); }, Qt::BlockingQueuedConnection);
    }
    ~FakeGateway() {
        QMetaObject::invokeMethod(&context_, [this] { delete socket_; }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }

    QString address() const { return address_.toString(); }
    // "address", "map TCP 40000 40000 3600", "map TCP 40000 0 0" (removal)
    QStringList requests() const {
        QMutexLocker lock(&mutex_);
        return requests_;
    }

private:
    void listen() {
        socket_ = new QUdpSocket;
        for (int tries = 0; tries < 50; ++tries) {
            address_ = QHostAddress((127u << 24) | QRandomGenerator::global()->bounded(1u << 16, 1u << 24));
            if (socket_->bind(address_, 5351)) break;
        }
        QObject::connect(socket_, &QUdpSocket::readyRead, [this] {
            while (socket_->hasPendingDatagrams()) answer(socket_->receiveDatagram());
        });
    }

    void answer(const QNetworkDatagram& asked) {
        const QByteArray in = asked.data();
        if (in.size() < 2 || in[0] != 0) return;
        const auto op = static_cast<quint8>(in[1]);
        QByteArray out(8, '\0');
        out[1] = static_cast<char>(128 + op);
        QMutexLocker lock(&mutex_);
        if (op == 0) {
            requests_ << QStringLiteral("address");
            out += QByteArray::fromHex("cb007107");  // 203.0.113.7
        } else if ((op == 1 || op == 2) && in.size() >= 12) {
            const quint16 internal = qFromBigEndian<quint16>(in.constData() + 4);
            const quint16 suggested = qFromBigEndian<quint16>(in.constData() + 6);
            const quint32 lease = qFromBigEndian<quint32>(in.constData() + 8);
            requests_ << QStringLiteral("map %1 %2 %3 %4").arg(op == 2 ? "TCP" : "UDP").arg(internal).arg(suggested).arg(lease);
            out += in.mid(4, 2);
            char given[2];
            qToBigEndian<quint16>(lease ? quint16(suggested + shift_) : 0, given);
            out += QByteArray(given, 2) + in.mid(8, 4);
        } else {
            return;
        }
        socket_->writeDatagram(out, asked.senderAddress(), asked.senderPort());
    }

    quint16 shift_;
    QThread thread_;
    QObject context_;  // lives on thread_: the socket is made and ended there
    QUdpSocket* socket_ = nullptr;
    QHostAddress address_;
    mutable QMutex mutex_;
    QStringList requests_;
};

}  // namespace velmora::test
