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
        Text,        // a seat's stage label
        Winner,      // the winner panel
    };
    QString name;
    Kind kind = Kind::Fixed;
    QRect rect;
    int index = 0;
    int count = 0;
    std::vector<int> faces;
    QString text;
    QString tip;  // tool-tip
    BoardTarget target;  // what a click or key on it acts on
    bool visible = true;
};

using BoardItems = std::vector<BoardItem>;

BoardItems layoutBoard(const TableModel& table);

// The item with this name, or null.
const BoardItem* findItem(const BoardItems& items, QStringView name);
// The topmost visible item under the point, or null.
const BoardItem* itemAt(const BoardItems& items, QPoint point);

// Left edge of a hand slot and the two tops of a hand card.
constexpr int handLeft(int slot) { return 10 + 30 * slot; }
inline constexpr int kCardTop = 431;
inline constexpr int kRaisedTop = 410;
// The hand slot whose card starts nearest to x.
int slotAt(int x);

// The board's fonts: Arial-like, in pixels.
QFont boardFont(int pixels, bool bold = true);
// A readable name of a face: "Blue 7", "Red Wild", "Skip".
QString faceName(int face);

}  // namespace velmora::client
