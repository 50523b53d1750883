// The main-window tests' fixture: silent windows, each with its own
// in-process host, opened with launch parameters, and ways to read their chat.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "client/board/board.h"
#include "client/chat/chatview.h"
#include "support/eventloop.h"
#include "support/hostedwindow.h"
#include "support/tchatparts.h"

namespace velmora::test {

struct Windows : testing::Test {
    std::vector<QString> played;
    std::vector<std::unique_ptr<HostedWindow>> windows;
    int joinTimeoutMs = 0;  // 0: the window's own
    bool resumeSaved = false;  // as --resume
    client::Tchat& open(QStringList params, quint16 port = 0, QString lobbyPort = QString()) {
        client::TchatOptions o = quietOptions(port, &played);
        if (!lobbyPort.isEmpty()) o.connection.lobbyPort = lobbyPort;
        if (joinTimeoutMs > 0) o.connection.joinTimeoutMs = joinTimeoutMs;
        o.resumeSaved = resumeSaved;
        windows.push_back(std::make_unique<HostedWindow>(std::move(params), std::move(o)));
        windows.back()->window.show();
        return windows.back()->window;
    }
    // The window's own in-process host.
    app::InProcessHost& hostOf(const client::Tchat& w) {
        for (auto& h : windows)
            if (&h->window == &w) return h->host;
        throw std::logic_error("not a window of this test");
    }
    host::TServer& serverOf(const client::Tchat& w) { return hostOf(w).server(); }
    static QString chat(client::Tchat& w) { return client::TchatParts::mainchat(w)->toPlainText(); }
    static bool chatHas(client::Tchat& w, const QString& text) {
        return waitUntil([&] { return chat(w).contains(text); });
    }
    static QString seat(client::Tchat& w, int s) { return client::TchatParts::board(w)->label_playername(s)->text(); }
};

}  // namespace velmora::test
