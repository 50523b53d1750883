// The application's style with one change: the menu bar's overflow arrow is
// read from its picture files when it is first drawn, not when the menu bar
// is made. Reading them loads every image format plug-in installed, before
// the first window can show; the arrow appears only when the menus do not
// fit the window.
#pragma once
#include <QProxyStyle>

namespace velmora::app {

class LazyArrowStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace velmora::app
