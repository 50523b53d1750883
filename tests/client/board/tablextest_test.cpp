// End to end on a real X server: the window plays a round by real pointer
// events (XTest through xdotool). The parent test starts Xvfb and runs the
// child test of this same program on it; the child clicks as a simple
// player would (draw, then discard the card with fewest partners) and checks
// after every turn that the host got each request and that the hand on
// screen is the host's hand.
#include <gtest/gtest.h>

#include "client/board/board.h"
#include "support/hostedwindow.h"
#include "client/board/tableview.h"
#include "support/eventloop.h"
#include "support/tchatparts.h"
#include "support/xinput.h"

using namespace velmora;
using test::waitUntil;
using test::onScreen;
using test::xclick;

namespace {

constexpr const char* kChildFlag = "VELMORA_XTEST_CHILD";

// Cards of the same rank or of a neighbouring rank in the same colour.
int partners(const client::TableModel& t, int slot) {
    const int face = t.hand[slot].face;
    if (face % 13 == 0) return 99;  // a wild card fits everywhere: keep it
    int n = 0;
    for (int k = 1; k <= 11; ++k) {
        const int other = t.hand[k].face;
        if (k == slot || t.hand[k].empty() || other == 53) continue;
        if (other % 13 == 0 || other % 13 == face % 13) ++n;
        else if ((other - 1) / 13 == (face - 1) / 13 && std::abs(other % 13 - face % 13) == 1) ++n;
    }
    return n;
}

int cardToDiscard(const client::TableModel& t) {
    int best = 0, fewest = 1000;
    for (int k = 1; k <= 11; ++k) {
        if (t.hand[k].empty()) continue;
        const int n = t.hand[k].face == 53 ? -1 : partners(t, k);  // a skip helps no stage
        if (n < fewest) best = k, fewest = n;
    }
    return best;
}

std::string screenDiffers(client::TableView* view, const host::Table& h) {
    for (int k = 1; k <= 11; ++k) {
        const client::BoardItem* card = view->item(QStringLiteral("card%1").arg(k));
        const int face = card ? card->index : 0;
        if (face != h.player(1).hand[k]) return "card " + std::to_string(k) + " on screen differs from the host";
    }
    return {};
}

TEST(TableOnX, AParentRunsTheClicksOnItsOwnXServer) {
    test::runChildOnX(kChildFlag, "TableOnX.ChildPlaysARound", 73, 110000);
}

TEST(TableOnX, ChildPlaysARound) {
    if (!qEnvironmentVariableIsSet(kChildFlag)) GTEST_SKIP() << "runs on the parent's X server";
    test::HostedWindow hw({}, test::quietOptions(0), host::HostTimings{0, 1000, 0.0});
    client::Tchat& w = hw.window;
    ASSERT_NO_FATAL_FAILURE(test::openOnX(w));
    const client::TableModel& t = test::TchatParts::table(w);
    const host::Table& h = hw.host.server().table();
    client::TableView* view = test::TchatParts::board(w)->tableView();
    QPushButton* start = test::TchatParts::board(w)->button_start();
    ASSERT_TRUE(xclick(start->mapToGlobal(start->rect().center())));
    ASSERT_TRUE(waitUntil([&] { return t.cardCount() == 10; })) << "Start Game did not deal";
    const auto roundOver = [&] { return t.status == "The Round is Over!" || t.showWinner; };
    int turns = 0;
    while (!roundOver()) {
        ASSERT_TRUE(waitUntil([&] { return roundOver() || (t.ownTurn() && t.turnPhase == 1); }, 20000));
        if (roundOver()) break;
        ASSERT_EQ(screenDiffers(view, h), "") << "turn " << turns;
        ASSERT_TRUE(xclick(onScreen(view, *view->item(u"image_draw"), {30, 40})));
        ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 2 || roundOver(); })) << "the draw did not arrive";
        if (roundOver()) break;
        const int slot = cardToDiscard(t);
        const int id = t.hand[slot].id;
        ASSERT_TRUE(xclick(onScreen(view, *view->item(QStringLiteral("card%1").arg(id)), {10, 40})));
        ASSERT_TRUE(waitUntil([&] { return t.hand[t.slotOf(id)].selected; })) << "the card was not raised";
        ASSERT_TRUE(xclick(onScreen(view, *view->item(u"button_discard"), {30, 9})));
        ASSERT_TRUE(waitUntil([&] { return t.slotOf(id) == 0 || roundOver(); })) << "the discard did not arrive";
        ASSERT_EQ(screenDiffers(view, h), "") << "after turn " << turns;
        ++turns;
    }
    EXPECT_GT(turns, 0);
    EXPECT_EQ(h.player(1).inround, 1);
}

}  // namespace
