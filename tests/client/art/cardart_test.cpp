// The artwork: sizes at each ratio, the cache, every index, hostile indexes,
// and faces that stay apart without colour. With VELMORA_ART_SHEET set to a
// file stem, also writes contact sheets (STEM-1x.png, STEM-2x.png) to look at.
#include "client/art/cardart.h"
#include "client/art/cardart_draw.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <climits>
#include <cmath>
#include <limits>
#include <set>

namespace art = velmora::client::art;

namespace {

QSize logicalSize(const QPixmap& pm) { return pm.deviceIndependentSize().toSize(); }

QImage image(const QPixmap& pm) { return pm.toImage().convertToFormat(QImage::Format_ARGB32); }

bool fullyTransparent(const QPixmap& pm) {
    const QImage img = image(pm);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0) return false;
    return true;
}

// Pixels, within `box`, that are clearly darker than the card's paper, as
// they look to someone who sees no colour at all.
std::set<std::pair<int, int>> inkMask(const QPixmap& pm, QRect box) {
    const QImage img = image(pm).convertToFormat(QImage::Format_Grayscale8);
    std::set<std::pair<int, int>> mask;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (qGray(img.pixel(x, y)) < 200) mask.insert({x, y});
    return mask;
}

int difference(const std::set<std::pair<int, int>>& a, const std::set<std::pair<int, int>>& b) {
    int n = 0;
    for (const auto& p : a) n += !b.contains(p);
    for (const auto& p : b) n += !a.contains(p);
    return n;
}

void writeSheet(const QString& path, qreal ratio) {
    art::prepare(ratio);
    QPixmap sheet(QSize(940, 830) * ratio);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(QColor(153, 115, 72));
    QPainter p(&sheet);
    for (int i = 0; i <= art::kSkip; ++i) {
        p.drawPixmap(8 + (i % 14) * 64, 8 + (i / 14) * 86, art::bigCard(i, ratio));
        p.drawPixmap(8 + (i % 14) * 49, 358 + (i / 14) * 64, art::smallCard(i, ratio));
    }
    // A laid group and a hand as the board overlaps them.
    for (int i = 0; i < 12; ++i) p.drawPixmap(700 + i * 18, 358, art::smallCard(27 + i, ratio));
    for (int i = 0; i < 4; ++i) p.drawPixmap(700 + i * 18, 424, art::smallCard(i * 13 + 5, ratio));
    for (int i = 0; i < 6; ++i) p.drawPixmap(700 + i * 30, 490, art::bigCard((i * 17) % 53 + 1, ratio));
    for (int k = 1; k <= 3; ++k) p.drawPixmap(8 + (k - 1) * 26, 628, art::groupLabel(k, ratio));
    for (int k = 0; k <= 10; ++k) p.drawPixmap(90 + (k % 4) * 140, 628 + (k / 4) * 24, art::stageTrack(k, ratio));
    int x = 8;
    for (int i = 1; i < art::kFixedCount; ++i) {
        const QPixmap& pm = art::picture(static_cast<art::Fixed>(i), ratio);
        const int w = logicalSize(pm).width();
        if (i == 6) x = 8;
        p.drawPixmap(x, i < 6 ? 710 : 790, pm);
        x += w + 8;
    }
    p.end();
    sheet.save(path);
}

TEST(CardArt, PicturesHaveTheirDesignedSizeAtEveryRatio) {
    for (qreal ratio : {1.0, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        const QPixmap& big = art::bigCard(7, ratio);
        EXPECT_EQ(big.devicePixelRatio(), ratio);
        EXPECT_EQ(logicalSize(big), QSize(60, 82));
        EXPECT_EQ(big.size(), QSize(60, 82) * ratio);
        EXPECT_EQ(logicalSize(art::smallCard(7, ratio)), QSize(45, 61));
        EXPECT_EQ(logicalSize(art::groupLabel(art::kColor, ratio)), QSize(20, 68));
        EXPECT_EQ(logicalSize(art::stageTrack(4, ratio)), QSize(134, 20));
        for (int i = 0; i < art::kFixedCount; ++i) {
            const auto which = static_cast<art::Fixed>(i);
            EXPECT_EQ(logicalSize(art::picture(which, ratio)), art::fixedSize(which)) << i;
            EXPECT_EQ(art::picture(which, ratio).devicePixelRatio(), ratio) << i;
        }
    }
    EXPECT_EQ(art::fixedSize(art::Fixed::TurnMarker), QSize(20, 59));
    EXPECT_EQ(art::fixedSize(art::Fixed::Waiting), QSize(108, 17));
    EXPECT_EQ(art::fixedSize(art::Fixed::Eyes), QSize(23, 10));
    EXPECT_EQ(art::fixedSize(art::Fixed::CreateStage), QSize(115, 34));
    EXPECT_EQ(art::fixedSize(art::Fixed::PickUp), QSize(60, 18));
    EXPECT_EQ(art::fixedSize(art::Fixed::StageList), QSize(96, 21));
}

TEST(CardArt, EachPictureIsDrawnOncePerRatioAndKeepsItsAddress) {
    art::prepare(1.0);
    const int afterFirst = art::cachedCount();
    const QPixmap* first = &art::bigCard(12, 1.0);
    art::prepare(1.0);
    EXPECT_EQ(art::cachedCount(), afterFirst);
    art::prepare(1.25);  // more pictures go in; old references stay valid
    EXPECT_GT(art::cachedCount(), afterFirst);
    EXPECT_EQ(&art::bigCard(12, 1.0), first);
    EXPECT_EQ(first->cacheKey(), art::bigCard(12, 1.0).cacheKey());
    EXPECT_NE(&art::bigCard(12, 1.25), first);
    EXPECT_EQ(&art::picture(art::Fixed::DrawPile, 1.0), &art::bigCard(0, 1.0));
    // Nearly equal ratios from a screen share their pictures.
    EXPECT_EQ(&art::bigCard(12, 1.0000001), first);
}

// A window dragged through many zooms keeps the pictures of the last few
// sizes only; the size in use keeps its pictures where they are.
TEST(CardArt, OnlyTheLatestRatiosKeepTheirPictures) {
    art::prepare(1.0);
    const QPixmap* current = &art::bigCard(12, 1.0);
    const int perRatio = art::cachedCount();
    for (int step = 1; step <= 20; ++step) {
        art::prepare(1.0 + step * 0.05);
        EXPECT_EQ(&art::bigCard(12, 1.0), current);  // in use all along
    }
    EXPECT_LE(art::cachedCount(), 6 * perRatio);
}

TEST(CardArt, EveryFaceIsItsOwnPicture) {
    for (auto get : {&art::bigCard, &art::smallCard}) {
        std::set<QByteArray> seen;
        for (int i = 0; i <= art::kSkip; ++i) {
            const QPixmap& pm = get(i, 1.0);
            ASSERT_FALSE(pm.isNull()) << i;
            const QImage img = image(pm);
            seen.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()));
        }
        EXPECT_EQ(seen.size(), 54u);
    }
    std::set<qint64> tracks;
    for (int k = 0; k <= 10; ++k) tracks.insert(image(art::stageTrack(k, 1.0)).cacheKey());
    std::set<QByteArray> trackBytes;
    for (int k = 0; k <= 10; ++k) {
        const QImage img = image(art::stageTrack(k, 1.0));
        EXPECT_FALSE(fullyTransparent(art::stageTrack(k, 1.0)));
        trackBytes.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()));
    }
    EXPECT_EQ(trackBytes.size(), 11u);
    for (int k = 1; k <= 3; ++k) EXPECT_FALSE(fullyTransparent(art::groupLabel(k, 1.0)));
}

TEST(CardArt, IndexesFromAHostileHostGiveTheBackOrNothing) {
    const QPixmap* back = &art::bigCard(0, 1.0);
    for (int bad : {-1, 54, 55, 1000, INT_MIN, INT_MAX}) {
        EXPECT_EQ(&art::bigCard(bad, 1.0), back) << bad;
        EXPECT_EQ(&art::smallCard(bad, 1.0), &art::smallCard(0, 1.0)) << bad;
        EXPECT_TRUE(fullyTransparent(art::groupLabel(bad, 1.0))) << bad;
        EXPECT_EQ(logicalSize(art::groupLabel(bad, 1.0)), QSize(20, 68));
        EXPECT_TRUE(fullyTransparent(art::stageTrack(bad == 54 ? 11 : bad, 1.0))) << bad;
    }
    EXPECT_EQ(&art::groupLabel(0, 1.0), &art::groupLabel(art::kSet, 1.0));
    EXPECT_FALSE(art::picture(static_cast<art::Fixed>(99), 1.0).isNull());
    EXPECT_FALSE(art::picture(static_cast<art::Fixed>(-1), 1.0).isNull());
}

TEST(CardArt, ABogusScreenRatioNeitherCrashesNorGrowsWithoutLimit) {
    for (qreal bad : {0.0, -2.0, 1e9, std::numeric_limits<qreal>::quiet_NaN(),
                      std::numeric_limits<qreal>::infinity()}) {
        const QPixmap& pm = art::bigCard(3, bad);
        EXPECT_GE(pm.devicePixelRatio(), 0.5) << bad;
        EXPECT_LE(pm.devicePixelRatio(), 8.0) << bad;
        EXPECT_LE(pm.width(), 60 * 8);
    }
    EXPECT_EQ(art::saneRatio(std::numeric_limits<qreal>::quiet_NaN()), 1.0);
}

TEST(CardArt, TheFourColoursDifferInShapeNotOnlyInColour) {
    // The colour's mark under the corner index, compared as ink without hue.
    const QRect markBig(2, 28, 26, 20), markSmall(1, 21, 19, 15);
    for (int rank : {1, 7, 12, 0}) {
        for (int a = 0; a < 4; ++a) {
            for (int b = a + 1; b < 4; ++b) {
                const int fa = a * 13 + (rank ? rank : 13), fb = b * 13 + (rank ? rank : 13);
                EXPECT_GT(difference(inkMask(art::bigCard(fa, 1.0), markBig), inkMask(art::bigCard(fb, 1.0), markBig)), 20)
                    << fa << " vs " << fb;
                EXPECT_GT(difference(inkMask(art::smallCard(fa, 1.0), markSmall),
                                     inkMask(art::smallCard(fb, 1.0), markSmall)), 12)
                    << fa << " vs " << fb;
            }
        }
    }
}

// Solid bars of the card's own colour down the column's middle.
int barsOf(const QPixmap& pm, int x, QColor colour) {
    const QImage img = image(pm);
    int bars = 0;
    bool inBar = false;
    for (int y = 0; y < img.height(); ++y) {
        const QColor c = img.pixelColor(x, y);
        const bool solid = std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                               std::abs(c.blue() - colour.blue()) < 40;
        bars += solid && !inBar;
        inBar = solid;
    }
    return bars;
}

TEST(CardArt, EachNumberHasAsManyBarsAsItsValue) {
    for (qreal ratio : {1.0, 2.0}) {
        for (int face = 1; face < art::kSkip; ++face) {
            const int rank = face % 13;
            if (rank == 0) continue;  // the wild card says Wild instead
            const QColor colour = art::detail::suitOf(face).colour;
            EXPECT_EQ(barsOf(art::bigCard(face, ratio), qRound(45 * ratio), colour), rank) << face << " at " << ratio;
            EXPECT_EQ(barsOf(art::smallCard(face, ratio), qRound(34 * ratio), colour), rank) << face << " at " << ratio;
        }
    }
}

TEST(CardArt, ContactSheet) {
    const QString stem = qEnvironmentVariable("VELMORA_ART_SHEET");
    if (stem.isEmpty()) GTEST_SKIP() << "set VELMORA_ART_SHEET to a file stem to write contact sheets";
    writeSheet(stem + QStringLiteral("-1x.png"), 1.0);
    writeSheet(stem + QStringLiteral("-2x.png"), 2.0);
}

}  // namespace
