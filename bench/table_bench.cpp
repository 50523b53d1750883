// The table's cost per event: the host's "CMD_startround" and "CMD_mycards"
// handled by the table state and the whole board painted again, as the
// window does after every event. Goal: under 2 ms for an event and its paint.
#include <benchmark/benchmark.h>

#include <QImage>

#include "client/board/board.h"
#include "client/art/cardart.h"
#include "client/model/tablemodel.h"

namespace {

using velmora::client::BoardPanel;
using velmora::client::TableModel;

constexpr const char* kRound = "20+1+3+y+2+5+y+3+2+y+4+1+y";
constexpr const char* kCards = "1+1+5+2+18+3+13+4+53+5+7+6+33+7+40+8+2+9+26+10+11";

struct Table {
    TableModel state;
    BoardPanel board{state};
    QImage image{BoardPanel::kWidth, BoardPanel::kHeight, QImage::Format_ARGB32_Premultiplied};
    Table() {
        state.ownSeat = 1;
        velmora::client::art::prepare(1.0);
        state.seats[3].groups = {std::vector<int>{1, 14, 27, 40}, std::vector<int>{5, 6, 7, 8, 9}};
    }
    void paint() { board.render(&image); }
};

void BM_StartRoundAndDealThenPaint(benchmark::State& s) {
    Table t;
    for (auto _ : s) {
        t.state.startround(kRound);
        t.state.mycards(kCards);
        t.board.refresh();
        t.paint();
    }
}
BENCHMARK(BM_StartRoundAndDealThenPaint)->Unit(benchmark::kMicrosecond);

// One ordinary event (a draw) and its paint.
void BM_OneEventThenPaint(benchmark::State& s) {
    Table t;
    t.state.startround(kRound);
    t.state.mycards(kCards);
    for (auto _ : s) {
        t.state.hedrew("2+11+");
        t.board.refresh();
        t.paint();
    }
}
BENCHMARK(BM_OneEventThenPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
