#include <gtest/gtest.h>

#include "client/art/colortext.h"
#include "support/printers.h"

namespace velmora::client {
namespace {

TEST(ColourText, SixteenNamesBothWaysInAnyCase) {
    const std::pair<const char*, Colour> palette[] = {
        {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000},   {"clOlive", 0x008080},
        {"clNavy", 0x800000},   {"clPurple", 0x800080}, {"clTeal", 0x808000},    {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},    {"clLime", 0x00FF00},    {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF}};
    for (const auto& [name, value] : palette) {
        EXPECT_EQ(colourToText(value), QString::fromLatin1(name));
        for (const QString& spelt : {QString::fromLatin1(name), QString::fromLatin1(name).toUpper(),
                                     QString::fromLatin1(name).toLower()})
            EXPECT_EQ(colourFromText(spelt), value) << spelt.toStdString();
    }
}

TEST(ColourText, UnnamedValuesAndNumbers) {
    EXPECT_EQ(colourToText(0x123456), "$00123456");
    EXPECT_EQ(colourToText(0xABCDEF), "$00ABCDEF");
    const std::pair<const char*, Colour> readable[] = {
        {"$00ABCDEF", 0xABCDEF}, {"$00abcdef", 0xABCDEF}, {"$FF", 0xFF},      {"$0", 0},
        {"$00FFFFFF", 0xFFFFFF}, {"255", 255},            {"16711680", 0xFF0000}, {"+8", 8}};
    for (const auto& [text, value] : readable) EXPECT_EQ(colourFromText(text), value) << text;
}

TEST(ColourText, RejectsWhatIsNoColour) {
    for (const char* bad : {"", "$", "red", "clRedd", " clRed", "clRed ", "$GG", "12a", "-1", "0x10",
                            "$01000000", "16777216", "$FFFFFFFFFFFFFFFFFF", "1.5", "b|clBlue"})
        EXPECT_FALSE(colourFromText(QString::fromLatin1(bad)).has_value()) << bad;
    EXPECT_EQ(colourFromText("nonsense", kFallbackColour), 0x0000FFu);
    EXPECT_EQ(colourFromText("clNavy", kFallbackColour), 0x800000u);
}

TEST(ColourText, ToQColorSwapsToRedGreenBlue) {
    EXPECT_EQ(toQColor(kFallbackColour), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(kSystemColour), QColor(0, 0, 255));
    EXPECT_EQ(toQColor(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(fromQColor(QColor(0x56, 0x34, 0x12)), 0x123456u);
}

}  // namespace
}  // namespace velmora::client
