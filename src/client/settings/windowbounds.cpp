#include "client/settings/windowbounds.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace velmora::client {

namespace {

// Enough of a window to see it and drag it back: its top strip.
constexpr int kGrabWidth = 100;
constexpr int kGrabHeight = 30;

// The top of the window (its title bar) lies in the area, with a piece wide
// and tall enough to grab.
bool showsEnough(const QRect& r, const QRect& area) {
    const QRect seen = r.intersected(area);
    return r.top() >= area.top() && seen.width() >= std::min(kGrabWidth, r.width()) &&
           seen.height() >= std::min(kGrabHeight, r.height());
}

qint64 distance(const QPoint& p, const QRect& area) {
    const qint64 dx = std::max({area.left() - p.x(), 0, p.x() - area.right()});
    const qint64 dy = std::max({area.top() - p.y(), 0, p.y() - area.bottom()});
    return dx * dx + dy * dy;
}

}  // namespace

QRect ontoScreen(const QRect& saved, const QList<QRect>& workAreas) {
    if (workAreas.isEmpty()) return saved;
    // A size beyond the whole desktop (a hand-edited file) would only cost
    // memory for a window nobody can see whole.
    QRect desktop;
    for (const QRect& area : workAreas) desktop |= area;
    const QRect r(saved.topLeft(), saved.size().boundedTo(desktop.size()));
    for (const QRect& area : workAreas)
        if (showsEnough(r, area)) return r;
    const QRect* nearest = &workAreas.front();
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QRect& area : workAreas)
        if (const qint64 d = distance(r.center(), area); d < best) {
            best = d;
            nearest = &area;
        }
    const int w = std::min(r.width(), nearest->width());
    const int h = std::min(r.height(), nearest->height());
    const int left = std::clamp(r.left(), nearest->left(), nearest->left() + nearest->width() - w);
    const int top = std::clamp(r.top(), nearest->top(), nearest->top() + nearest->height() - h);
    return {left, top, w, h};
}

QRect trimToWorkArea(const QRect& r, const QRect& workArea) {
    QRect out = r;
    if (r.width() > workArea.width()) out.setWidth(r.width() - 15);
    if (r.height() > workArea.height()) out.setHeight(r.height() - 15);
    return out;
}

QList<QRect> desktopWorkAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas << screen->availableGeometry();
    return areas;
}

}  // namespace velmora::client
