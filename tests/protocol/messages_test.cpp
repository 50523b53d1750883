// Every message's bytes, written and read back: designed peers know these
// bytes, so a change here is a change of the protocol.
#include <gtest/gtest.h>

#include <string>

#include "protocol/catalogue.h"

namespace velmora::proto {
namespace {

// Encodes `m`, compares with `bytes` (name and payload), and reads the
// payload back into a value equal to `m`.
template <typename M>
void golden(const M& m, const std::string& bytes) {
    EXPECT_EQ(encode(m), bytes);
    const auto payload = std::string_view(bytes).substr(M::kName.size() + 1);
    const Decoded<M> back = decode<M>(payload);
    ASSERT_TRUE(back) << bytes << ": " << back.problem().reason << back.problem().notANumber;
    EXPECT_TRUE(*back == m) << bytes;
}

TEST(Messages, RequestsKeepTheirBytes) {
    using namespace request;
    golden(Login{2, "1.0.0", "Ann\xFF"}, "CMD_logininfo+2+1.0.0+Ann\xFF");
    golden(Kick{1, 3}, "CMD_kickhim+1+3+");
    golden(Chat{3, "hi + bye|255,0,0"}, "CMD_chat+3+hi + bye|255,0,0");
    golden(Action{1, "waves|0"}, "CMD_action+1+waves|0");
    golden(PlaySound{4, soundClip(3)}, "CMD_playasound+4+wave3+");
    golden(StartGame{"Ann"}, "CMD_startgame+Ann+");
    golden(JustWatch{3, JustWatch::Wish::Watch}, "CMD_justwatch+3+1");
    golden(JustWatch{3, JustWatch::Wish::Play}, "CMD_justwatch+3+2");
    golden(PickDiscard{2}, "CMD_pickdiscard+2+");
    golden(Draw{4}, "CMD_draw+4+");
    golden(Discard{1, 11}, "CMD_discard+1+11+");
    golden(CreateStage{1, {3, 4, 5, 9}}, "CMD_createstage+1+3+4+5+9");
    golden(CreateStage{1, {}}, "CMD_createstage+1");
    golden(HitSet{1, 2, 1, 7, GroupEnd::Right}, "CMD_hitset+1+21+7+r+");
    golden(HitSet{3, 4, 2, 1, GroupEnd::Left}, "CMD_hitset+3+42+1+l+");
    golden(Rejoin{"00112233445566778899aabbccddeeff"}, "CMD_rejoin+00112233445566778899aabbccddeeff");
}

TEST(Messages, GameEventsKeepTheirBytes) {
    using namespace event;
    golden(StartGame{"Ann", {{1, true}, {2, true}, {3, false}, {4, true}}}, "CMD_startgame+Ann+y+1+y+2+n+3+y+4");
    golden(StartRound{17, {{1, 1, true}, {2, 3, true}, {3, 1, false}, {4, 2, true}}},
           "CMD_startround+17+1+1+y+2+3+y+3+1+n+4+2+y");
    golden(MyCards{3, {{1, 5}, {2, 53}, {10, 13}}}, "CMD_mycards+3+1+5+2+53+10+13");
    golden(NextPlayer{4}, "CMD_nextplayer+4+");
    golden(Draw{1, 11, 11, 26}, "CMD_draw+1+11+11+26+");
    golden(HeDrew{2, 11}, "CMD_hedrew+2+11+");
    golden(PickDiscard{3, 11, 0, 4, 7}, "CMD_pickdiscard+3+11+0+4+7+");
    golden(Discard{4, 9, 53, 2, 1}, "CMD_hisdiscard+4+9+53+2+1+");
    PlayStage laid;
    laid.seat = 2, laid.count = 4, laid.goesOn = true, laid.removedSlots = {1, 5};
    laid.groups = {std::vector<int>{3, 16}, std::vector<int>{}};
    golden(laid, "CMD_playstage+2+4+t+1+1+0+1+5+0+2+1+3+2+1+16");
    laid.goesOn = false, laid.count = 0;
    golden(laid, "CMD_playstage+2+0+f+1+1+0+1+5+0+2+1+3+2+1+16");
    HitThem hit;
    hit.seat = 1, hit.owner = 3, hit.count = 6, hit.removedSlots = {8};
    hit.groups = {std::vector<int>{2, 3, 4}, std::vector<int>{9}};
    golden(hit, "CMD_hitthem+1+3+6+1+8+0+2+1+2+2+1+3+2+1+4+2+2+9");
    golden(EndRound{3, {{1, 2, 45, 45}, {3, 2, 0, 0}}}, "CMD_endround+3+1+2+45+45+3+2+0+0");
    golden(Winner{1, {{1, 11, 0, 0}, {2, 9, 0, 0}, {3, 10, 0, 0}, {4, 4, 0, 0}}}, "CMD_winner+1+1+11+2+9+3+10+4+4");
    GameStats between;
    between.recipient = 5, between.current = 2, between.phase = 3, between.top = 0, between.betweenRounds = true;
    golden(between, "CMD_gamestats+5+2+3+0+h+0+0+0");
    GameStats stats;
    stats.recipient = 1, stats.current = 3, stats.phase = 2, stats.top = 40;
    stats.hand = {{1, 5}, {4, 53}};
    stats.seats = {{1, 2, 2}, {2, 1, 10}, {3, 0, 0}, {4, 1, 7}};
    stats.groups[2] = {std::vector<int>{6, 19}, std::vector<int>{}};
    golden(stats, "CMD_gamestats+1+3+2+40+m+1+5+0+m+4+53+0+t+1+2+2+t+2+1+10+s+2+1+6+s+2+1+19+t+3+0+0+t+4+1+7");
    golden(Points{{{1, 0}, {2, 35}, {3, 120}, {4, 5}}}, "CMD_points+1+0+2+35+3+120+4+5");
    golden(PlayError{2, playErrorCode(velmora::PlayError::HitDoesNotFit)}, "CMD_playerror+2+7+");
}

TEST(Messages, ConnectionEventsKeepTheirBytes) {
    using namespace event;
    golden(SendLoginInfo{3}, "CMD_sendlogininfo+3");
    golden(Chat{"Ann chats: hi + bye|255,0,0"}, "CMD_chat+Ann chats: hi + bye|255,0,0");
    golden(Action{"Ann waves|0"}, "CMD_action+Ann waves|0");
    golden(PlaySound{4, "wave3+"}, "CMD_playasound+4+wave3+");
    golden(NewPlayer{2, "Bob+Sue"}, "CMD_newplayerinfo+2+Bob+Sue");
    golden(ExistingPlayer{1, "Ann"}, "CMD_existingplayers+1+Ann");
    golden(HaveWrongVersion{"Bob"}, "CMD_havewrongversion+Bob");
    golden(WrongVersion{}, "CMD_wrongversion+");
    golden(PlayerLeft{6, "Eve"}, "CMD_playerdisconnected+6+Eve");
    golden(Full{}, "CMD_full+");
    golden(JustWatching{3, true}, "CMD_justwatching+3+1");
    golden(JustWatching{3, false}, "CMD_justwatching+3+2");
    golden(Owner{2}, "CMD_owner+2");
    golden(SeatToken{2, "00112233445566778899aabbccddeeff"}, "CMD_seattoken+2+00112233445566778899aabbccddeeff");
    golden(RejoinRefused{}, "CMD_rejoinrefused+");
    golden(HostClosing{}, "CMD_hostclosing+");
}

// One rule for every message: the first bad field drops the whole message
// and says why; nothing of it is applied.
TEST(Messages, AMalformedMessageIsRefusedWhole) {
    auto problem = [](const auto& decoded) { return decoded ? std::string("accepted") : decoded.problem().reason; };
    EXPECT_EQ(decode<request::Discard>("1+x+").problem().notANumber, "x");
    EXPECT_EQ(decode<request::Draw>("").problem().reason, "a field is missing");
    EXPECT_EQ(problem(decode<event::NextPlayer>("9+")), "a seat outside 1..4");
    EXPECT_EQ(problem(decode<event::MyCards>("1+1+\xFF\x01")), "a card face outside the deck");
    EXPECT_EQ(problem(decode<event::MyCards>("1+1+5+2")), "a record is cut short");
    EXPECT_EQ(problem(decode<event::PlayStage>("1+2+t+2+3+5")), "a group other than 1 or 2");
    std::string twelve = "1";
    for (int i = 0; i < 12; ++i) twelve += "+1+5";
    EXPECT_EQ(problem(decode<event::MyCards>(twelve)), "more cards than a hand holds");
    // A last field may lack its "+"; a record of a kind nobody knows is skipped.
    EXPECT_EQ(decode<event::Draw>("1+2+3+4")->face, 4);
    EXPECT_EQ(decode<event::HitThem>("1+2+3+9+9+9")->removedSlots.size(), 0u);
}

}  // namespace
}  // namespace velmora::proto
