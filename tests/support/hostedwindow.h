// Window tests' common parts: a sound output that plays nothing, window
// options with a lobby port held by the test process, and a main window
// with its own in-process host, wired as the program's entry wires them.
#pragma once

#include <QCoreApplication>
#include <QTcpServer>
#include <memory>
#include <vector>

#include "app/inprocesshost.h"
#include "client/window/tchat.h"

namespace velmora::test {

// No pause between requests, rounds or computer moves.
inline constexpr host::HostTimings kQuickHost{0, 1, 0.0};

// Plays nothing; keeps each sound's path when given a list.
struct SilentOutput : client::SoundOutput {
    explicit SilentOutput(std::vector<QString>* played = nullptr) : played_(played) {}
    void start(const QString& path) override {
        if (played_) played_->push_back(path);
    }
    std::vector<QString>* played_;
};

// Stands in for the lobby's local port: a listener held for the whole
// process, so no parallel test can take the port between a probe and its use.
inline quint16 lobbyStandInPort() {
    static QTcpServer* standIn = [] {
        auto* s = new QTcpServer(QCoreApplication::instance());
        s->listen(QHostAddress::LocalHost, 0);
        return s;
    }();
    return standIn->serverPort();
}

// Silent window options joining or hosting on `port` (0: a free one).
inline client::TchatOptions quietOptions(quint16 port, std::vector<QString>* played = nullptr) {
    client::TchatOptions o;
    o.connection.hostPort = QString::number(port);
    o.connection.dispatchMs = 0;
    o.connection.lobbyPort = QString::number(lobbyStandInPort());
    o.soundOutput = std::make_unique<SilentOutput>(played);
    o.askName = false;  // the first start's name question has a test of its own
    return o;
}

// The host is made first and goes last, so the window never holds a host
// that is gone.
// A start anew (the first screen, another table) is only recorded: a test
// never starts the program.
struct HostedWindow {
    app::InProcessHost host;
    client::Tchat window;
    std::vector<QStringList> relaunched;

    HostedWindow(QStringList params, client::TchatOptions options, host::HostTimings timings = kQuickHost)
        : host(timings), window(std::move(params), std::move(options)) {
        window.setHost(&host);
        window.setRelauncher([this](const QStringList& arguments) { relaunched.push_back(arguments); });
    }
};

}  // namespace velmora::test
