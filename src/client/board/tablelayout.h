// Where everything of the table stands on the 778 x 537 board, computed from
// the table state: one list of named items in painting order. The painted
// view draws it, the mouse is mapped through it, and tests and screen readers
// find every control by its designed name (`card`+id, `image_set31`,
// `button_draw`) with its geometry. What an item is for comes from its typed
// target, never from its name.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "client/model/boardtarget.h"

namespace velmora::client {

class TableModel;

struct BoardItem {
    enum class Kind {
        Hatch,       // the empty discard place
        Pile,        // the discard pile: index = face on top, 0 none
        BigCard,     // index = face (0 back)
        Fan,         // count small backs
        Group,       // faces as small cards
        KindLabel,   // index = group kind
        Track,       // index = crossed-out numbers
        Fixed,       // index = art::Fixed
        Text,        // a seat's stage label: index = its font's pixel size, on one or two lines
        Points,      // a seat's point total beside its name: text
        Summary,     // round summary or final standing: a title in text, rows of tab-cut
                     // columns as wide as `columns`, count = the title's height
        TextButton,  // a button drawn with its text
        LastMove,    // an outline round the card that moved last; takes no clicks
    };
    QString name;
    Kind kind = Kind::Fixed;
    QRect rect;
    int index = 0;
    int count = 0;
    std::vector<int> faces;
    QString text;
    std::vector<QString> rows;  // Summary: tab-cut columns, the first row the heading
    std::vector<int> columns;   // Summary: each column's width
    QString tip;  // tool-tip
    BoardTarget target;  // what a click or key on it acts on
    bool visible = true;
};

using BoardItems = std::vector<BoardItem>;

struct RoundSummary;

// The table as its model says; `shownSummary` is the round summary to show
// over it (the view keeps one open after the pause), null for none.
BoardItems layoutBoard(const TableModel& table, const RoundSummary* shownSummary);
// With the summary the model holds during the pause.
BoardItems layoutBoard(const TableModel& table);

// The item with this name, or null.
const BoardItem* findItem(const BoardItems& items, QStringView name);
// The topmost visible item under the point, or null. A summary panel takes
// no clicks (only its buttons do): what lies under it stays in reach.
const BoardItem* itemAt(const BoardItems& items, QPoint point);

// Left edge of a hand slot and the two tops of a hand card.
constexpr int handLeft(int slot) { return 10 + 30 * slot; }
inline constexpr int kCardTop = 431;
inline constexpr int kRaisedTop = 410;
// The hand slot whose card starts nearest to x.
int slotAt(int x);

// Where a seat place's name label stands (place 0 bottom .. 3 top-right),
// its width, and its font.
QPoint seatNameAt(int place);
inline constexpr int kSeatNameWidth = 103;
// The watching eyes after the name (or its points) and the gap before them.
inline constexpr int kEyesRoom = 27;
QFont seatNameFont();
// The summaries stand centred here, over the middle of the table and left
// of the chat panel (which starts at x 515), sized to their texts.
inline constexpr QPoint kSummaryCentre(257, 250);
inline constexpr int kSummaryRight = 511;
// Where a summary's rows begin below its title, and their heights.
inline constexpr int kSummaryHeading = 24;
inline constexpr int kSummaryRow = 22;

// The board's fonts: Arial-like, in pixels.
QFont boardFont(int pixels, bool bold = true);
// A readable name of a face: "Blue 7", "Red Wild", "Skip".
QString faceName(int face);
// The colour of a numbered card or wild ("Blue"); empty for others.
QString colourName(int face);

}  // namespace velmora::client
