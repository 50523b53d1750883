// The program's window icon.
#pragma once

#include <QIcon>

namespace velmora::app {

// The compiled-in pictures, the same the package installs for the desktop
// entry (which the desktop shows through its icon theme). Each is read only
// while a window's icon is made from it and none is kept decoded; looking
// the icon up in the icon theme here cost a start-up 0.9 MiB and 5 ms.
QIcon windowIcon();

}  // namespace velmora::app
