#include "client/art/colortext.h"

#include <array>

namespace velmora::client {

namespace {

struct NamedColour {
    const char* name;
    Colour value;
};

// The classic 16-colour palette, in BGR order.
constexpr std::array<NamedColour, 16> kNamedColours{{
    {"clBlack", 0x000000},   {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080},   {"clNavy", 0x800000},   {"clPurple", 0x800080},
    {"clTeal", 0x808000},    {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},     {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},    {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
}};

constexpr Colour kMaxColour = 0xFFFFFF;

bool allOf(const QString& text, bool (*accept)(QChar)) {
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (!accept(c)) return false;
    return true;
}

bool isHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool isDecimalDigit(QChar c) { return c >= u'0' && c <= u'9'; }

std::optional<Colour> parseNumber(const QString& digits, int base) {
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok, base);
    if (!ok || value > kMaxColour) return std::nullopt;
    return static_cast<Colour>(value);
}

}  // namespace

QString colourToText(Colour colour) {
    for (const auto& named : kNamedColours)
        if (named.value == colour) return QString::fromLatin1(named.name);
    return QStringLiteral("$%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<Colour> colourFromText(const QString& text) {
    for (const auto& named : kNamedColours)
        if (text.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) return named.value;
    if (text.startsWith(u'$')) {
        const QString digits = text.mid(1);
        return allOf(digits, isHexDigit) ? parseNumber(digits, 16) : std::nullopt;
    }
    const QString digits = text.startsWith(u'+') ? text.mid(1) : text;
    return allOf(digits, isDecimalDigit) ? parseNumber(digits, 10) : std::nullopt;
}

Colour colourFromText(const QString& text, Colour fallback) {
    return colourFromText(text).value_or(fallback);
}

QColor toQColor(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

Colour fromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return Colour(rgb.red()) | Colour(rgb.green()) << 8 | Colour(rgb.blue()) << 16;
}

}  // namespace velmora::client
