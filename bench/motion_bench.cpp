// The table while cards move. Goals: a frame under 4 ms of CPU at zoom 1
// and 2; an event handled (table state, layout, new motions) under 2 ms
// while eleven hand cards, a discard and the turn marker are in flight.
// No event loop runs, so the motions never end: every frame paints them.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "client/art/cardart.h"
#include "client/board/tableview.h"
#include "client/model/tablemodel.h"

namespace {

using velmora::client::TableModel;
using velmora::client::TableView;

struct Moving {
    TableModel state;
    TableView view{state};
    explicit Moving(qreal zoom) {
        state.ownSeat = 1;
        view.resize(778, 537);
        view.setZoom(zoom);
        view.setAnimated(true);
        state.onChanged([this] { view.refresh(); });
        state.handle(&TableModel::startthegame, "You+y+1+y+2+y+3+y+4");
        state.handle(&TableModel::startround, "20+1+1+y+2+1+y+3+1+y+4+1+y");
        state.handle(&TableModel::mycards, "1+1+5+2+18+3+13+4+53+5+7+6+33+7+40+8+2+9+26+10+11");
        state.seats[3].groups = {std::vector<int>{1, 14, 27, 40}, std::vector<int>{5, 6, 7, 8, 9}};
        state.handle(&TableModel::getnextplayer, "2+");
        state.handle(&TableModel::hisdiscard, "2+9+30+4+0+");
        state.handle(&TableModel::getnextplayer, "1+");
        state.handle(&TableModel::draw, "1+11+11+7+");
        state.sortthem();
        state.changed();  // the whole hand slides
    }
};

void BM_MotionFrame(benchmark::State& s) {
    const qreal zoom = s.range(0);
    Moving m(zoom);
    QImage image(QSize(778, 537) * zoom, QImage::Format_ARGB32_Premultiplied);
    if (!m.view.moving()) s.SkipWithError("nothing moves");
    for (auto _ : s) {
        image.fill(Qt::transparent);
        QPainter p(&image);
        m.view.paintFrame(p);
    }
}
BENCHMARK(BM_MotionFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A hit-free ordinary event while the cards move: the other seat draws.
void BM_EventWhileMoving(benchmark::State& s) {
    Moving m(1);
    for (auto _ : s) m.state.handle(&TableModel::hedrew, "2+10+");
}
BENCHMARK(BM_EventWhileMoving)->Unit(benchmark::kMicrosecond);

}  // namespace
