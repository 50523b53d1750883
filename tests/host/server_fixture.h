// A running host on a port of its own (bound to port 0) with instant timers,
// and bare TCP clients that join it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/rawclient.h"
#include "host/table_access.h"
#include "host/tserver.h"

namespace velmora::test {

struct HostFixture : testing::Test {
    std::unique_ptr<host::TServer> host_;
    std::vector<std::unique_ptr<RawClient>> clients;
    int markers_ = 0;

    void start(host::HostTimings timings = {0, 1, 0.0}, bool headless = false) {
        host_ = std::make_unique<host::TServer>(timings, 42);
        host_->setHeadless(headless);
        // These tests are about sessions: the table stays still unless a test
        // plays the computer itself.
        host_->table().computerplay = nullptr;
        host_->listen("0");
    }
    host::TServer& server() { return *host_; }
    host::Table& table() { return host_->table(); }
    host::TableState& state() { return host::TableAccess::state(host_->table()); }

    RawClient& connect() {
        clients.push_back(std::make_unique<RawClient>(server().port()));
        return *clients.back();
    }
    // Connects a client, waits for its place and logs it in.
    RawClient& join(const std::string& name, int expectPlace) {
        RawClient& c = connect();
        EXPECT_TRUE(c.waitFor("CMD_sendlogininfo+" + std::to_string(expectPlace)));
        c.login(expectPlace, name);
        EXPECT_TRUE(c.waitFor("CMD_newplayerinfo+" + std::to_string(expectPlace) + "+" + name));
        return c;
    }
    // Sends a chat line from `from` (at `place`) and waits until `at` has it
    // relayed: by then the host has handled everything `from` sent before.
    void handled(RawClient& from, int place, RawClient& at) {
        const std::string text = "marker " + std::to_string(++markers_);
        const std::string name = state().players[place].name;
        from.sendMessage("CMD_chat+" + std::to_string(place) + "+" + text);
        ASSERT_TRUE(at.waitFor("CMD_chat+" + name + " chats: " + text));
    }
};

}  // namespace velmora::test
