// Where the main window may be: its default place, the rule that brings a
// window saved on a screen that is gone back into view, and the rule that
// trims a window larger than the work area when it closes.
#pragma once

#include <QList>
#include <QRect>

namespace velmora::client {

inline constexpr QRect kDefaultBounds{3, 3, 790, 585};

// The saved bounds when some work area shows enough of them to grab;
// otherwise moved (and shrunk where needed) into the work area nearest to
// them. Never larger than the whole desktop.
QRect ontoScreen(const QRect& saved, const QList<QRect>& workAreas);

// 15 pixels off the width when r is wider than the work area, and off the
// height when it is taller.
QRect trimToWorkArea(const QRect& r, const QRect& workArea);

// The work areas of every screen of the desktop.
QList<QRect> desktopWorkAreas();

}  // namespace velmora::client
