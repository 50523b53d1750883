// A main window with its own in-process host, wired as the program's entry
// wires them. The host is made first and goes last, so the window never
// holds a host that is gone.
#pragma once

#include <memory>

#include "app/inprocesshost.h"
#include "client/window/tchat.h"

namespace velmora::test {

// No pause between requests, rounds or computer moves.
inline constexpr host::HostTimings kQuickHost{0, 1, 0.0};

struct HostedWindow {
    app::InProcessHost host;
    client::Tchat window;

    HostedWindow(QStringList params, client::TchatOptions options, host::HostTimings timings = kQuickHost)
        : host(timings), window(std::move(params), std::move(options)) {
        window.setHost(&host);
    }
};

}  // namespace velmora::test
