// Work that must not hold back a window's first picture.
#pragma once
#include <QWidget>
#include <functional>

namespace velmora::client {

// Runs `then` once, right after `widget` is first drawn; a widget that is
// not drawn soon (a window started minimised, never exposed) goes on after a
// second anyway.
void afterFirstPaint(QWidget* widget, std::function<void()> then);

}  // namespace velmora::client
