#include "net/messagepump.h"

#include "net/tsock.h"

namespace velmora::net {

MessagePump::MessagePump(std::string initialLine, InboxLimits limits, int intervalMs,
                         QObject* parent)
    : QObject(parent), inbox_(std::move(initialLine), limits) {
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &MessagePump::tick);
    wake();  // the initial line is taken (and skipped) like any other
}

void MessagePump::readFrom(TSock* sock) {
    const QByteArray bytes = sock->Receive();
    if (!receive(sock->Id(), std::string_view(bytes.constData(), bytes.size())))
        sock->Drop(QStringLiteral("message too long or too many messages queued"));
}

bool MessagePump::receive(ConnectionId from, std::string_view bytes) {
    const bool ok = inbox_.receive(from, bytes);
    wake();
    return ok;
}

void MessagePump::tick() {
    dispatcher_.dispatchOne(inbox_.queue());
    if (inbox_.queue().empty() && timer_.isActive()) {
        timer_.stop();
        emit drained();
    }
}

void MessagePump::wake() {
    if (!inbox_.queue().empty() && !timer_.isActive()) timer_.start();
}

}  // namespace velmora::net
