// The help and about windows: page buttons bring their page and heading to
// the front; the about box opens the project's page from link and logo.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "windows/about.h"
#include "windows/help.h"

using namespace velmora::windows;

TEST(Help, HelpAndAboutCloseWithTheirButton) {
    Thelp help(nullptr);
    Tabout about(QStringLiteral("1.0.0"), nullptr);
    for (QDialog* window : std::initializer_list<QDialog*>{&help, &about}) {
        window->show();
        window->findChild<QPushButton*>(QStringLiteral("button_close"))->click();
        EXPECT_FALSE(window->isVisible());
    }
}

TEST(Help, PageButtonsSwitchPageAndHeading) {
    Thelp help(nullptr);
    EXPECT_EQ(help.windowTitle(), "Velmora - Help File");
    EXPECT_EQ(help.currentPage(), 1);
    EXPECT_EQ(help.heading(), "Overview");
    const QStringList captions{"Overview", "Connecting", "Game Play", "Scoring", "Documentation", "License",
                               "Options"};
    for (int page = kHelpPages; page >= 1; --page) {
        auto* button = help.findChild<QPushButton*>(QStringLiteral("SelButton%1").arg(page));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), captions[page - 1]);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(help.currentPage(), page);
        EXPECT_EQ(help.heading(), captions[page - 1]);
        EXPECT_TRUE(button->isChecked());
        EXPECT_GT(help.memo(page)->toPlainText().size(), 400) << page;  // a real page, not a stub
    }
    help.SelButton1Click(8);  // no such page: nothing changes
    EXPECT_EQ(help.currentPage(), 1);
}

TEST(Help, EveryStageHasAnExampleAndSectionsCanBeAdded) {
    Thelp help(nullptr);
    const QString stages = help.memo(5)->toPlainText();
    for (const char* stage : {"2 Sets of 3", "Set of 3 and Run of 4", "Set of 4 and Run of 4", "Run of 7",
                              "Run of 8", "Run of 9", "2 Sets of 4", "8 Cards of the same color",
                              "Set of 4 and Run of 5", "2 Sets of 5"})
        EXPECT_TRUE(stages.contains(QString::fromLatin1(stage))) << stage;
    help.appendSection(3, "Keys", "<p>Space draws a card.</p>");
    EXPECT_TRUE(help.memo(3)->toPlainText().endsWith("Keys\nSpace draws a card."));
    EXPECT_TRUE(help.memo(3)->toPlainText().startsWith("Your turn"));
}

TEST(About, LinkAndLogoOpenTheProjectPage) {
    Tabout about("1.2.3", nullptr);
    std::vector<QUrl> opened;
    about.setUrlOpener([&](const QUrl& url) { opened.push_back(url); });
    about.show();
    EXPECT_EQ(about.windowTitle(), "Velmora - About");
    EXPECT_TRUE(about.versionText().contains("1.2.3"));
    QTest::mouseClick(about.logo(), Qt::LeftButton);
    emit about.link()->linkActivated(about.link()->text());
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl(QString::fromLatin1(kProjectPage)));
    EXPECT_EQ(opened[1], opened[0]);
    EXPECT_FALSE(about.logo()->grab().toImage().isNull());
}
