// Colours as they travel in chat messages and the settings file: a 24-bit
// value in 0x00BBGGRR order (red in the low byte) written as one of sixteen
// names or as "$" and eight hexadecimal digits.
#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace velmora::client {

using Colour = quint32;

inline constexpr Colour kSystemColour = 0xFF0000;   // blue: notices the client writes itself
inline constexpr Colour kFallbackColour = 0x0000FF;  // red: received lines without a readable colour

// "clRed" etc. when the value has a name, otherwise "$00BBGGRR".
QString colourToText(Colour colour);

// Accepts the names in any letter case, "$" followed by hexadecimal digits,
// and decimal. Values beyond 24 bits are not colours here.
std::optional<Colour> colourFromText(const QString& text);
Colour colourFromText(const QString& text, Colour fallback);

QColor toQColor(Colour colour);
Colour fromQColor(const QColor& color);

}  // namespace velmora::client
