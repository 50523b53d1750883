// How tests reach into a table's state to set up a position; nothing else
// may write it.
#pragma once

#include "host/table.h"

namespace velmora::host {

struct TableAccess {
    static TableState& state(Table& table) { return table.state_; }
};

}  // namespace velmora::host
