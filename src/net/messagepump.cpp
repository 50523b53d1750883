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

Refusal MessagePump::readFrom(TSock* sock) {
    const QByteArray bytes = sock->Receive();
    received_ += static_cast<std::uint64_t>(bytes.size());
    const Refusal refusal = receive(sock->Id(), std::string_view(bytes.constData(), bytes.size()));
    if (refusal != Refusal::none) sock->Drop(QString::fromLatin1(describe(refusal)));
    return refusal;
}

Refusal MessagePump::receive(ConnectionId from, std::string_view bytes) {
    const Refusal refusal = inbox_.receive(from, bytes);
    wake();
    return refusal;
}

void MessagePump::discard(ConnectionId from) {
    inbox_.discard(from);
    if (inbox_.queue().empty() && timer_.isActive()) {
        timer_.stop();
        emit drained();
    }
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
