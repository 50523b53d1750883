// The menu bar's overflow arrow read when first drawn is the style's own.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QMenuBar>
#include <QPixmap>

#include "app/lazyarrowstyle.h"

using velmora::app::LazyArrowStyle;

TEST(LazyArrowStyle, TheArrowIsTheStylesPictureAndEverythingElseIsUnchanged) {
    LazyArrowStyle style;
    const QStyle& base = *style.baseStyle();
    for (auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
                       QStyle::SP_DialogOkButton}) {
        const QIcon lazy = style.standardIcon(which);
        const QIcon direct = base.standardIcon(which);
        ASSERT_FALSE(lazy.isNull());
        for (int side : {16, 32}) {
            EXPECT_EQ(lazy.actualSize(QSize(side, side)), direct.actualSize(QSize(side, side)));
            EXPECT_EQ(lazy.pixmap(side).toImage(), direct.pixmap(side).toImage()) << which << " at " << side;
        }
    }
    // A menu bar made under the style keeps working with the arrow it gets.
    QMenuBar bar;
    bar.setStyle(&style);
    bar.addMenu(QStringLiteral("File"));
    bar.resize(40, 30);
    EXPECT_FALSE(bar.grab().isNull());
}
