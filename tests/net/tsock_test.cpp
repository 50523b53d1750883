// TSock over real loopback connections, driven by Qt's event loop.
#include "net/tsock.h"

#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "support/eventloop.h"

using namespace velmora::net;
using velmora::test::waitUntil;

namespace {

// Records every event of the sockets it watches as "name:event:detail"; an
// error as the code 7 information the player would be shown.
struct Log {
    std::vector<std::string> lines;
    void watch(TSock& s, const std::string& who) {
        QObject::connect(&s, &TSock::OnInfo, [this, who](TSock*, int code, const QString& text) {
            lines.push_back(who + ":info" + std::to_string(code) + ":" + text.toStdString());
        });
        QObject::connect(&s, &TSock::OnError, [this, who](TSock*, QAbstractSocket::SocketError error) {
            lines.push_back(who + ":info7:" + errorText(error).toStdString());
        });
        QObject::connect(&s, &TSock::OnDisconnect, [this, who](TSock*) { lines.push_back(who + ":disconnect"); });
        QObject::connect(&s, &TSock::OnConnect, [this, who](TSock*) { lines.push_back(who + ":connect"); });
    }
    std::vector<std::string> only(const std::string& prefix) const {
        std::vector<std::string> out;
        for (auto& l : lines)
            if (l.rfind(prefix, 0) == 0) out.push_back(l);
        return out;
    }
    bool has(const std::string& line) const {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

struct Pair : testing::Test {
    TSock listener;
    TSock client;
    TSock* accepted = nullptr;
    Log log;
    QByteArray atServer, atClient;

    void SetUp() override {
        listener.SetPortName("0");
        QObject::connect(&listener, &TSock::OnAccept, [this](TSock* l) { l->Accept(accepted); });
        QObject::connect(&listener, &TSock::OnRead, [this](TSock* s) { atServer += s->Receive(); });
        listener.SetListen(true);
        client.SetHostName("127.0.0.1");
        client.SetPortName(QString::number(listener.LocalPort()));
        QObject::connect(&client, &TSock::OnRead, [this](TSock* s) { atClient += s->Receive(); });
        log.watch(client, "c");
        client.Open();
        ASSERT_TRUE(waitUntil([&] { return accepted && client.Connected(); }));
        log.watch(*accepted, "s");
        log.lines.clear();
    }
};

// A peer that reads only when told to, so the platform's buffers fill up.
struct SlowPeer {
    TSock listener;
    TSock* sender = nullptr;
    QTcpSocket raw;
    Log log;
    SlowPeer() {
        listener.SetPortName("0");
        QObject::connect(&listener, &TSock::OnAccept, [this](TSock* l) { l->Accept(sender); });
        listener.SetListen(true);
        raw.setReadBufferSize(4096);
        raw.connectToHost(QHostAddress::LocalHost, listener.LocalPort());
        if (waitUntil([&] { return sender != nullptr; })) log.watch(*sender, "s");
    }
};

}  // namespace

TEST_F(Pair, BytesTravelBothWaysUntouched) {
    QByteArray all;
    for (int i = 0; i < 256; ++i) all.append(char(i));
    client.Send(all + "\r\n\n\r");
    ASSERT_TRUE(waitUntil([&] { return atServer.size() == 260; }));
    EXPECT_EQ(atServer, all + "\r\n\n\r");
    accepted->Send("reply");
    ASSERT_TRUE(waitUntil([&] { return atClient == "reply"; }));
}

// Both ends, the one that connected and the one accepted, send small
// messages at once instead of waiting to fill a packet.
TEST_F(Pair, BothEndsSendWithoutNaglesDelay) {
    EXPECT_TRUE(client.LowDelay());
    EXPECT_TRUE(accepted->LowDelay());
}

TEST_F(Pair, AcceptedComponentCopiesBindingsAndNamesItsPeer) {
    EXPECT_TRUE(accepted->Connected());
    EXPECT_EQ(accepted->HostName(), "127.0.0.1");
    EXPECT_EQ(accepted->PortName(), "0");
    EXPECT_EQ(accepted->parent(), &listener);
    EXPECT_NE(accepted->Id(), client.Id());
}

TEST_F(Pair, PeerCloseGivesDisconnectThenSocketClosed) {
    client.Close();
    ASSERT_TRUE(waitUntil([&] { return log.has("s:info2:Socket Closed"); }));
    EXPECT_EQ(log.only("s:"), (std::vector<std::string>{"s:disconnect", "s:info2:Socket Closed"}));
    EXPECT_FALSE(accepted->Connected());
    // The close from the owner's side reports too, once per Close.
    EXPECT_EQ(log.only("c:"), (std::vector<std::string>{"c:info2:Socket Closed"}));
    client.Close();
    EXPECT_EQ(log.only("c:").size(), 2u);
}

TEST_F(Pair, BytesSentJustBeforeACloseStillArrive) {
    accepted->Send("CMD_full+\xFF");
    accepted->Close();
    ASSERT_TRUE(waitUntil([&] { return atClient == "CMD_full+\xFF"; }));
    ASSERT_TRUE(waitUntil([&] { return log.has("c:disconnect"); }));
}

TEST_F(Pair, ListenerCloseIsSilent) {
    Log l;
    l.watch(listener, "l");
    listener.Close();
    EXPECT_TRUE(l.lines.empty());
    EXPECT_FALSE(listener.Listen());
}

TEST_F(Pair, OpenAgainDoesNothing) {
    const auto before = log.lines.size();
    EXPECT_TRUE(client.Open());
    EXPECT_EQ(log.lines.size(), before);
}

TEST_F(Pair, SettingNamesWhileConnectedIsReportedAndStored) {
    client.SetHostName("example");
    client.SetPortName("1");
    EXPECT_TRUE(log.has("c:info0:Setting HostName While Connected Has No Effect"));
    EXPECT_TRUE(log.has("c:info0:Setting PortName While Connected Has No Effect"));
    EXPECT_EQ(client.HostName(), "example");
}

TEST(TSockSend, PartialSendsGoOutInOrder) {
    SlowPeer p;
    ASSERT_TRUE(p.sender);
    QByteArray big;
    for (int i = 0; i < 12 * 1024 * 1024; ++i) big.append(char('a' + i % 26));
    p.sender->Send(big.left(6 * 1024 * 1024));
    EXPECT_GT(p.sender->SendBacklog(), 0);  // the platform took only part
    p.sender->Send(big.mid(6 * 1024 * 1024));
    p.raw.setReadBufferSize(0);
    QByteArray got;
    ASSERT_TRUE(waitUntil([&] {
        got += p.raw.readAll();
        return got.size() >= big.size();
    }, 20000));
    EXPECT_TRUE(got == big);
    EXPECT_EQ(p.sender->SendBacklog(), 0);
}

TEST(TSockSend, StalledPeerIsDroppedAtTheSendLimit) {
    SlowPeer p;
    ASSERT_TRUE(p.sender);
    p.sender->SetSendLimit(256 * 1024);
    testing::internal::CaptureStderr();
    const QByteArray chunk(64 * 1024, 'x');
    for (int i = 0; i < 1000 && !p.log.has("s:info2:Socket Closed"); ++i) {
        p.sender->Send(chunk);
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(waitUntil([&] { return p.log.has("s:info2:Socket Closed"); }));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("stopped reading"), std::string::npos);
    std::vector<std::string> closing;
    for (auto& l : p.log.lines)
        if (l.find("info5") == std::string::npos) closing.push_back(l);
    EXPECT_EQ(closing, (std::vector<std::string>{"s:disconnect", "s:info2:Socket Closed"}));
    p.raw.setReadBufferSize(0);
    EXPECT_TRUE(waitUntil([&] {
        p.raw.readAll();
        return p.raw.state() == QAbstractSocket::UnconnectedState;
    }));
}

TEST(TSock, ErrorsOfOperations) {
    TSock s;
    auto text = [](auto&& f) {
        try {
            f();
        } catch (const ESockException& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(text([&] { s.Send("x"); }), "Send - Socket Not Connected");
    EXPECT_EQ(text([&] { s.Receive(); }), "Receive - Socket Not Connected");
    TSock* place = nullptr;
    EXPECT_EQ(text([&] { s.Accept(place); }), "Accept - Socket Not In Listening Mode");
    s.SetPortName("no-such-service-here");
    EXPECT_EQ(text([&] { s.Open(); }), "Port Lookup - Could Not Find Service Entry");
    s.SetPortName("1");
    s.SetHostName("1.2.3.x");
    EXPECT_EQ(text([&] { s.Open(); }), "Host Lookup - Could Not Find Host Entry");

    TSock l;
    l.SetPortName("0");
    l.SetListen(true);
    EXPECT_EQ(text([&] { l.Send("x"); }), "Send - Cannot Send On A Listener Socket");
    EXPECT_EQ(text([&] { l.Receive(); }), "Receive - Cannot Receive On A Listener Socket");
    TSock busy;
    busy.SetPortName(QString::number(l.LocalPort()));
    EXPECT_EQ(text([&] { busy.SetListen(true); }), "Listen - Error Binding Socket");
    TSock dgram;
    dgram.socketType = SocketType::stDatagram;
    dgram.SetPortName("0");
    EXPECT_EQ(text([&] { dgram.SetListen(true); }), "Listen - Cannot Listen On A Datagram Socket");
}

TEST(TSock, ListenTwiceIsReported) {
    TSock l;
    Log log;
    log.watch(l, "l");
    l.SetPortName("0");
    l.SetListen(true);
    l.SetListen(true);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"l:info0:Lookup Of Port 0", "l:info3:Listening Started",
                                                   "l:info3:Listening Already Running"}));
}

TEST(TSock, RefusedConnectionIsOnlyAnErrorInfo) {
    QTcpServer probe;  // find a port nobody listens on
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    TSock s;
    Log log;
    log.watch(s, "c");
    s.SetHostName("127.0.0.1");
    s.SetPortName(QString::number(port));
    EXPECT_FALSE(s.Open());
    ASSERT_TRUE(waitUntil([&] { return log.lines.size() >= 3; }));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"c:info0:Lookup Of Port " + std::to_string(port),
                                                   "c:info0:Lookup Of Host 127.0.0.1",
                                                   "c:info7:Error #10061 (WSAECONNREFUSED)"}));
    EXPECT_FALSE(s.Connected());
}

// A name is looked up without holding the caller: Open returns at once and
// the connection follows; a name nobody knows is the attempt's error.
TEST(TSock, NamesAreLookedUpWithoutWaitingAndServicesByName) {
    TSock l;
    l.SetPortName("0");
    l.SetListen(true);
    TSock c;
    Log named;
    named.watch(c, "c");
    c.SetHostName("localhost");
    c.SetPortName(QString::number(l.LocalPort()));
    EXPECT_FALSE(c.Open());
    EXPECT_FALSE(c.Open());  // still under way: nothing new
    EXPECT_EQ(named.lines, (std::vector<std::string>{"c:info0:Lookup Of Port " + std::to_string(l.LocalPort()),
                                                     "c:info0:Lookup Of Host localhost"}));
    ASSERT_TRUE(waitUntil([&] { return named.has("c:connect"); }));
    EXPECT_TRUE(c.Connected());

    // A port name beginning with a letter is a tcp service: "http" is port 80.
    TSock http;
    Log log;
    log.watch(http, "h");
    http.SetHostName("127.0.0.1");
    http.SetPortName("http");
    http.Open();
    ASSERT_TRUE(waitUntil([&] { return log.lines.size() >= 3; }));
    EXPECT_EQ(log.lines[0], "h:info0:Lookup Of Port http");
    EXPECT_TRUE(log.has("h:connect") || log.has("h:info7:Error #10061 (WSAECONNREFUSED)"));
}

TEST(TSock, CloseOnIdleComponentStillReports) {
    TSock s;
    Log log;
    log.watch(s, "s");
    EXPECT_FALSE(s.Close());
    EXPECT_EQ(log.lines, std::vector<std::string>{"s:info2:Socket Closed"});
}

// A peer that accepts and at once resets (a host going down, a proxy with
// nothing behind it) is an error of that attempt, not a connection: Qt's own
// handshake took the reset for "still connecting" and quietly began another.
TEST(TSockOpen, AResetDuringTheHandshakeIsAnError) {
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof at;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&at), size), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&at), &size), 0);
    TSock client;
    Log log;
    log.watch(client, "c");
    client.SetHostName("127.0.0.1");
    client.SetPortName(QString::number(ntohs(at.sin_port)));
    client.Open();
    // Accepted and reset before this program's event loop looks; the
    // listener stays, and never accepts again.
    const int accepted = ::accept(listener, nullptr, nullptr);
    ASSERT_GE(accepted, 0);
    const linger hard{1, 0};
    ::setsockopt(accepted, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    ::close(accepted);
    ASSERT_TRUE(waitUntil([&] { return log.has("c:connect") || !log.only("c:info7").empty(); }));
    EXPECT_FALSE(log.has("c:connect"));
    EXPECT_EQ(log.only("c:info7"), std::vector<std::string>{"c:info7:Error #10061 (WSAECONNREFUSED)"});
    EXPECT_FALSE(client.Connected());
    ::close(listener);
}

