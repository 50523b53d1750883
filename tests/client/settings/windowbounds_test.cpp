#include "client/settings/windowbounds.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace velmora::client;

inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.left() << "," << r.top() << " " << r.width() << "x" << r.height();
}

TEST(WindowBounds, WindowsOnAScreenStayWhereTheyAre) {
    const QList<QRect> two{{0, 0, 1920, 1050}, {1920, 0, 1280, 1000}};
    for (const QRect r : {QRect(3, 3, 790, 585), QRect(2000, 100, 790, 585), QRect(1800, 10, 790, 585),
                          QRect(-650, 5, 790, 585)})
        EXPECT_EQ(ontoScreen(r, two), r);
}

TEST(WindowBounds, WindowsOffEveryScreenMoveOntoTheNearest) {
    // The right-hand monitor is gone.
    const QList<QRect> one{{0, 0, 1920, 1050}};
    EXPECT_EQ(ontoScreen({2500, 200, 790, 585}, one), QRect(1130, 200, 790, 585));
    // Above the top edge: the title bar could not be reached.
    EXPECT_EQ(ontoScreen({100, -300, 790, 585}, one), QRect(100, 0, 790, 585));
    // Larger than the screen: shrunk into it.
    EXPECT_EQ(ontoScreen({5000, 5000, 3000, 2000}, one), QRect(0, 0, 1920, 1050));
    // A work area that starts below a panel.
    const QList<QRect> panel{{0, 27, 1024, 741}};
    EXPECT_EQ(ontoScreen({3, 3, 790, 585}, panel), QRect(3, 27, 790, 585));
    // Nearest of two.
    const QList<QRect> two{{0, 0, 1920, 1050}, {1920, 0, 1280, 1000}};
    EXPECT_EQ(ontoScreen({4000, 300, 790, 585}, two), QRect(2410, 300, 790, 585));
    EXPECT_EQ(ontoScreen({5, 5, 10, 10}, {}), QRect(5, 5, 10, 10));
    // A hand-edited size larger than the desktop.
    EXPECT_EQ(ontoScreen({3, 3, 100000, 90000}, two), QRect(3, 3, 3200, 1050));
}

TEST(WindowBounds, ClosingTrimsFifteenPixelsOffWhatIsTooLarge) {
    const QRect area(0, 0, 1024, 740);
    EXPECT_EQ(trimToWorkArea({3, 3, 790, 585}, area), QRect(3, 3, 790, 585));
    EXPECT_EQ(trimToWorkArea({0, 0, 1030, 585}, area), QRect(0, 0, 1015, 585));
    EXPECT_EQ(trimToWorkArea({0, 0, 1030, 760}, area), QRect(0, 0, 1015, 745));
    EXPECT_EQ(trimToWorkArea({0, 0, 1024, 740}, area), QRect(0, 0, 1024, 740));
}
