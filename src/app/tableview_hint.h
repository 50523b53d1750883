// Play > Hint in a copy that joined another's table: the strong player's
// view made from the window's own table, which holds exactly what a person
// at the seat sees (a client is never sent a hidden card). The window keeps
// no record of the round's pick-ups and discards, so this view has none.
#pragma once

#include "client/model/tablemodel.h"
#include "host/publicview.h"

namespace velmora::app {

host::PublicView publicviewOfTable(const client::TableModel& table);

}  // namespace velmora::app
