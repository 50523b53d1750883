// Motion on the painted table, in the view only: the table model and the
// layout are final the moment an event is handled, and the mouse is mapped
// through the final layout; what moves is a picture of a card (or the turn
// marker) travelling from where it was to its final place. No timer here:
// the view asks where things stand at a given time.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "client/board/tablelayout.h"

namespace velmora::client {

class TableModel;

struct Motion {
    QString hides;                     // the final item, not painted while this moves
    std::optional<BoardItem> standIn;  // painted in its place meanwhile (the old pile, fan or group)
    BoardItem sprite;                  // what moves; its rect is the destination
    QPoint from;
    qint64 start = 0;
};

class TableMotion {
public:
    static constexpr int kDurationMs = 200;

    // Adds the motions from the layout before an event to the one after it;
    // the motions of earlier events go on, and an item caught in flight
    // starts again from where it is now.
    void start(const BoardItems& before, const BoardItems& after, const TableModel& t, qint64 now);
    // Drops the motions whose time is up; false when nothing moves.
    bool advance(qint64 now);
    bool moving() const { return !motions_.empty(); }
    const std::vector<Motion>& motions() const { return motions_; }
    const Motion* hiding(const QString& name) const;
    // The sprite where it stands at `now`, eased.
    BoardItem at(const Motion& m, qint64 now) const;
    void clear() { motions_.clear(); }

private:
    void add(Motion m, qint64 now);
    void addMove(const BoardItems& before, const BoardItems& after, const TableModel& t, qint64 now);

    std::vector<Motion> motions_;
    int seenMoves_ = 0;
};

}  // namespace velmora::client
