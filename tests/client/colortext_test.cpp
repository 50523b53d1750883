#include <gtest/gtest.h>

#include "client/printers.h"
#include "client/colortext.h"

namespace velmora::client {
namespace {

struct Named {
    const char* name;
    Colour value;
};

const Named kPalette[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080}, {"clTeal", 0x808000},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},    {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
};

TEST(ColourText, SixteenNamesBothWaysInAnyCase) {
    for (const auto& c : kPalette) {
        const QString name = QString::fromLatin1(c.name);
        EXPECT_EQ(colourToText(c.value), name);
        EXPECT_EQ(colourFromText(name), c.value) << c.name;
        EXPECT_EQ(colourFromText(name.toUpper()), c.value) << c.name;
        EXPECT_EQ(colourFromText(name.toLower()), c.value) << c.name;
    }
}

TEST(ColourText, UnnamedValuesAreDollarAndEightUpperCaseDigits) {
    EXPECT_EQ(colourToText(0x123456), "$00123456");
    EXPECT_EQ(colourToText(0x00ABCDEF), "$00ABCDEF");
    EXPECT_EQ(colourToText(0x000001), "$00000001");
    EXPECT_EQ(colourFromText("$00ABCDEF"), 0xABCDEFu);
    EXPECT_EQ(colourFromText("$00abcdef"), 0xABCDEFu);
}

TEST(ColourText, ReadsHexAndDecimal) {
    EXPECT_EQ(colourFromText("$FF"), 0xFFu);
    EXPECT_EQ(colourFromText("$0"), 0u);
    EXPECT_EQ(colourFromText("255"), 255u);
    EXPECT_EQ(colourFromText("16711680"), 0xFF0000u);
    EXPECT_EQ(colourFromText("+8"), 8u);
    EXPECT_EQ(colourFromText("$00FFFFFF"), 0xFFFFFFu);
}

TEST(ColourText, RejectsWhatIsNoColour) {
    for (const char* bad : {"", "$", "red", "clRedd", " clRed", "clRed ", "$GG", "12a", "-1", "0x10",
                            "$01000000", "16777216", "$FFFFFFFFFFFFFFFFFF", "1.5", "b|clBlue"})
        EXPECT_FALSE(colourFromText(QString::fromLatin1(bad)).has_value()) << bad;
    EXPECT_EQ(colourFromText("nonsense", kFallbackColour), 0x0000FFu);
    EXPECT_EQ(colourFromText("clNavy", kFallbackColour), 0x800000u);
}

TEST(ColourText, ToQColorSwapsToRedGreenBlue) {
    EXPECT_EQ(toQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(kSystemColour), QColor(0, 0, 255));
    EXPECT_EQ(toQColor(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(fromQColor(QColor(0x56, 0x34, 0x12)), 0x123456u);
    EXPECT_EQ(fromQColor(toQColor(0x808000)), 0x808000u);
}

}  // namespace
}  // namespace velmora::client
