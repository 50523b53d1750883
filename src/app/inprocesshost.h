// The host that runs inside a player's copy, handed to its window as the
// window's way to start it.
#pragma once

#include <memory>

#include "client/window/hostcontrol.h"
#include "host/tserver.h"

namespace velmora::app {

class InProcessHost final : public client::HostControl {
public:
    explicit InProcessHost(host::HostTimings timings = {}) : server_(timings) {}
    // The hosting player closed the window: the others hear that the game ended.
    ~InProcessHost() override { server_.announceClosing(); }

    client::ListenResult listen(const QString& portName, Reach reach) override;
    void setBotSpeed(int ms) override { server_.setBotSpeed(ms); }
    void setComputerSeats(int count) override { server_.setComputerSeats(count); }
    void setComputerLevel(int level) override {
        server_.setComputerLevel(host::computerlevelof(level));
    }

    client::HintAnswer hint(const client::TableModel& table) override;
    // Autosave: a game hosted here is kept in this file after every turn and
    // removed when it ends. What the file held before is read first, for the
    // first screen's offer to resume it.
    void setStateFile(const QString& path);
    SavedGame savedGame() const override { return savedGame_; }
    QString resumeSavedGame() override;

    host::TServer& server() { return server_; }

private:
    host::TServer server_;
    bool hosting_ = false;
    SavedGame savedGame_;
    std::unique_ptr<host::SavedTable> saved_;   // set when the file read cleanly
};

}  // namespace velmora::app
