// The game's pictures, drawn by the program itself with QPainter: card faces
// and backs in two sizes, group kind labels, stage tracks, markers, badges
// and the picture buttons.
//
// Every picture is drawn at a device pixel ratio so it stays crisp on a 2x
// screen: its devicePixelRatio is that ratio and its logical size the fixed
// size of the board layout (exact when size x ratio is a whole number).
// Pictures are drawn once per ratio and cached for the life of the process;
// the returned references stay valid. Each is drawn when first asked for, so
// start-up draws only what the first paint shows. GUI thread only.
#pragma once

#include <QPixmap>
#include <QSize>

namespace velmora::client::art {

// Card faces: 0 back; 1..12 blue numbers, 13 blue wild; 14..26 brown;
// 27..39 green; 40..52 red; 53 skip. Any other index gives the back.
constexpr int kSkip = 53;
constexpr QSize kBigCardSize{60, 82};
constexpr QSize kSmallCardSize{45, 61};
constexpr QSize kGroupLabelSize{20, 68};
constexpr QSize kStageTrackSize{134, 20};

const QPixmap& bigCard(int index, qreal ratio);
const QPixmap& smallCard(int index, qreal ratio);

// Upright kind label of a laid group: 1 SET, 2 RUN, 3 COLOR (0 is SET too);
// any other kind gives an empty, transparent picture of the same size.
enum GroupKind { kSet = 1, kRun = 2, kColor = 3 };
const QPixmap& groupLabel(int kind, qreal ratio);

// The numbers 1..10 with the first `crossed` crossed out (0..10); any other
// count gives an empty, transparent picture of the same size.
const QPixmap& stageTrack(int crossed, qreal ratio);

enum class Fixed {
    DrawPile,       // a card back, 60 x 82
    TurnMarker,     // arrow tab, 20 x 59
    SkippedMarker,  // red arrow tab, 20 x 59
    NotPlaying,     // badge "NOT PLAYING", 108 x 17
    Waiting,        // badge "WAITING..", 108 x 17
    Eyes,           // watching marker, 23 x 10
    StartGame,      // picture button, 115 x 34
    CreateStage,    // picture button, 115 x 34
    Discard,        // picture button, 60 x 18
    PickUp,         // picture button, 60 x 18
    Draw,           // picture button, 60 x 18
    ChatBox,        // switch button, 96 x 21
    StageList,      // switch button, 96 x 21
    GameLog,        // switch button, 64 x 21
};
constexpr int kFixedCount = static_cast<int>(Fixed::GameLog) + 1;

// The designed logical size of a fixed picture (empty for an unknown value).
QSize fixedSize(Fixed which);
const QPixmap& picture(Fixed which, qreal ratio);

// Draws and caches every picture for `ratio` (tests and benchmarks); a
// second call does nothing.
void prepare(qreal ratio);

// How many pictures are cached (all ratios); for tests and benchmarks.
int cachedCount();

// The ratio the cache files a picture under: finite and within 0.5..8,
// so a bogus screen value can neither crash nor allocate without limit.
qreal saneRatio(qreal ratio);

}  // namespace velmora::client::art
