// Where the program's loadable modules are: libraries it maps only when a
// feature is first used (the sound module, the router module), so a plain
// start maps none of theirs.
#pragma once

#include <QStringList>

namespace velmora::net {

// Beside the program (build tree and a plain copy), then the installed
// library folder, then where the build put it (tests run from elsewhere).
QStringList moduleCandidates(const char* name);

}  // namespace velmora::net
