// The autosave's writer: the latest table wins, a removal keeps its place in
// the order, and what was handed over is on disk once the writer is gone.
#include "host/savewriter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string contents(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(SaveWriter, LatestWinsInOrderAndNothingIsLostAtTheEnd) {
    const std::string path = ::testing::TempDir() + "/savewriter-" + std::to_string(::getpid()) + ".state";
    {
        velmora::host::SaveWriter w;
        for (int turn = 1; turn <= 200; ++turn) w.write(path, "turn " + std::to_string(turn));
        w.flush();
        EXPECT_EQ(contents(path), "turn 200");
        w.write(path, "last game");
        w.remove(path);   // the game ended after it
        w.flush();
        EXPECT_FALSE(std::filesystem::exists(path));
        w.remove(path);
        w.write(path, "a new game");
        EXPECT_EQ(w.problem(), "");
        w.write(::testing::TempDir() + "/no/such/folder/t", "x");
        w.flush();
        EXPECT_NE(w.problem(), "");
        w.write(path, "before the end");
    }
    EXPECT_EQ(contents(path), "before the end");
    std::filesystem::remove(path);
}

}  // namespace
