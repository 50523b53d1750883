// `velmora --find`: lists the tables announced on the local network.
#pragma once

#include "app/options.h"

namespace velmora::app {

// Listens for the options' seconds, printing each table as it is first
// heard: address, port, name, seats taken, game on (1/0), version, tab-
// separated. Returns 0 when some table was found, 1 when none, 2 when the
// discovery port cannot be opened.
int find(const Options& options);

}  // namespace velmora::app
