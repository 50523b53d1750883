// Zooming the board: every child keeps its 100 % rectangle and font size
// and is laid out again at the zoom; pictures are drawn anew at the screen's
// ratio times the zoom, so nothing is stretched. The painted table maps the
// mouse back through its own zoom.
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "client/board/board.h"
#include "client/art/cardart.h"
#include "client/board/tableview.h"

namespace velmora::client {

namespace {

const char* const kBaseRect = "velmoraBaseRect";
const char* const kFontPixels = "velmoraDesignedFont";

// The 100 % place and font of a child, remembered at 100 %.
void remember(QWidget* child, const QRect& base) {
    child->setProperty(kBaseRect, base);
    if (!child->property(kFontPixels).isValid()) child->setProperty(kFontPixels, child->font().pixelSize());
}

}  // namespace

QRect BoardPanel::scaled(const QRect& r) const {
    const auto z = [this](int v) { return static_cast<int>(std::lround(v * zoom_)); };
    return {z(r.x()), z(r.y()), z(r.x() + r.width()) - z(r.x()), z(r.y() + r.height()) - z(r.y())};
}

void BoardPanel::place(QWidget* child, const QRect& base) {
    remember(child, base);
    child->setGeometry(scaled(base));
    const int px = child->property(kFontPixels).toInt();
    if (px > 0) {
        QFont f = child->font();
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(px * zoom_))));
        child->setFont(f);
    }
}

void BoardPanel::setZoom(qreal zoom) {
    const auto children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    // The first time, at 100 %, each child's place and size are taken as the base for every zoom.
    for (QWidget* child : children)
        if (!child->property(kBaseRect).isValid()) remember(child, child->geometry());
    zoom_ = std::clamp(zoom, 0.5, 4.0);
    setFixedSize(scaled(QRect(0, 0, kWidth, kHeight)).size());
    for (QWidget* child : children) place(child, child->property(kBaseRect).toRect());
    view_->setZoom(zoom_);
    start_->setIconSize(start_->size());
    applyPictures();
    refresh();
    emit zoomed(zoom_);
}

// Each picture is drawn when first painted at a ratio, then kept.
// The start button and the eyes are hidden at start-up: their pictures are
// drawn when one of them first shows at this ratio and zoom.
void BoardPanel::applyPictures() {
    const qreal ratio = devicePixelRatioF();
    const bool shown = !start_->isHidden() ||
                       std::any_of(eyes_.begin() + 1, eyes_.end(), [](const QLabel* e) { return !e->isHidden(); });
    picturesAt_ = shown ? ratio * zoom_ : 0;
    if (!shown) return;
    // Drawn at ratio x zoom, shown at ratio: the 100 % size times the zoom.
    auto at = [&](art::Fixed which) {
        QPixmap pm = art::picture(which, ratio * zoom_);
        pm.setDevicePixelRatio(ratio);
        return pm;
    };
    start_->setIcon(QIcon(at(art::Fixed::StartGame)));
    const QPixmap eyes = at(art::Fixed::Eyes);
    for (int s = 1; s < static_cast<int>(eyes_.size()); ++s) eyes_[s]->setPixmap(eyes);
}

}  // namespace velmora::client
