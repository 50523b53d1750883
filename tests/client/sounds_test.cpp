#include <gtest/gtest.h>

#include <QAction>
#include <QDataStream>
#include <QFile>
#include <QSoundEffect>

#include "client/printers.h"
#include "client/sounds.h"
#include "client/soundtable.h"
#include "support/eventloop.h"
#include <QCoreApplication>

namespace velmora::client {
namespace {

struct Recorder : SoundOutput {
    QStringList* started;
    explicit Recorder(QStringList* log) : started(log) {}
    void start(const QString& path) override { started->append(path); }
};

struct SoundsTest : ::testing::Test {
    QStringList started;
    std::vector<std::pair<QString, Colour>> lines;
    Sounds sounds{std::make_unique<Recorder>(&started)};

    SoundsTest() {
        sounds.setSeatCaption([](int seat) { return seat == 2 ? QStringLiteral("Bea") : QString(); });
        sounds.setLineSink([this](const QString& line, Colour c) { lines.emplace_back(line, c); });
    }
};

TEST_F(SoundsTest, SwitchesAreCheckedMenuItems) {
    EXPECT_EQ(sounds.playSoundsAction()->objectName(), "PlaySounds1");
    EXPECT_EQ(sounds.playSoundsAction()->text(), "Play Sounds");
    EXPECT_EQ(sounds.playerPhraseSoundsAction()->objectName(), "PlayerPhraseSounds1");
    EXPECT_EQ(sounds.playerPhraseSoundsAction()->text(), "Player Phrase Sounds");
    EXPECT_TRUE(sounds.playSounds());
    EXPECT_TRUE(sounds.playerPhraseSounds());
    sounds.playSoundsAction()->trigger();  // the menu click toggles it
    EXPECT_FALSE(sounds.playSounds());
    sounds.setPlaySounds(true);
    EXPECT_TRUE(sounds.playSoundsAction()->isChecked());
}

TEST_F(SoundsTest, EventSoundsByNameInAnyCase) {
    sounds.playsounds("turn");
    sounds.playsounds("WINNER");
    sounds.playsounds("TurnNew");
    EXPECT_EQ(started, (QStringList{":/sounds/turn.wav", ":/sounds/winner.wav", ":/sounds/turnnew.wav"}));
}

TEST_F(SoundsTest, DiscardSkipAndUnknownNamesNeverPlay) {
    for (const char* name : {"discard", "DISCARD", "skip", "Skip", "", "wave21", "turn.wav", "../turn"})
        sounds.playsounds(QString::fromLatin1(name));
    sounds.playChatterSound("skip");
    EXPECT_TRUE(started.isEmpty());
}

TEST_F(SoundsTest, PlaySoundsOffSilencesEventsButNotChatter) {
    sounds.setPlaySounds(false);
    sounds.playsounds("draw");
    EXPECT_TRUE(started.isEmpty());
    sounds.playasound("3+wave4+");
    sounds.playChatterSound("Wave5");
    EXPECT_EQ(started, (QStringList{":/sounds/wave4.wav", ":/sounds/wave5.wav"}));
    EXPECT_TRUE(lines.empty());
}

TEST_F(SoundsTest, PhraseSoundsOffWritesOneBlueChatterLine) {
    sounds.setPlayerPhraseSounds(false);
    sounds.playasound("2+wave13+");
    EXPECT_TRUE(started.isEmpty());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].first, "Bea: <Chatter Sound> Applause");
    EXPECT_EQ(lines[0].second, 0xFF0000u);
    sounds.playasound("2+WAVE4+");
    EXPECT_EQ(lines.back().first, "Bea: <Chatter Sound> Thank You");
}

TEST_F(SoundsTest, PhraseSoundsOffWithUnknownSeatOrSoundShowsNothing) {
    sounds.setPlayerPhraseSounds(false);
    for (const char* payload : {"3+wave13+", "x+wave13+", "+wave13+", "2+wave21+", "2+Cancel1+", "2+turn+", "2", ""})
        sounds.playasound(QString::fromLatin1(payload));
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(started.isEmpty());
}

TEST(SoundTable, MenuItemsInOrderWithTheirCaptions) {
    const char* captions[] = {"<Cancel>", "Doh", "Cough", "Hello", "Thank You", "Where have you been?",
                              "Snoring", "Sneezing", "Sorry", "Welcome", "Yeehaa", "Yippee", "Oh No",
                              "Applause", "Honk", "Oooh", "Razzberry", "Cheer", "Woman Laughing",
                              "Man Laughing", "Crying"};
    const auto items = soundMenuItems();
    ASSERT_EQ(items.size(), 21u);
    EXPECT_STREQ(items[0].name, "Cancel1");
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(items[i].number, i);
        EXPECT_STREQ(items[i].caption, captions[i]);
        if (i > 0) {
            EXPECT_EQ(QString::fromLatin1(items[i].name), QStringLiteral("wave%1").arg(i));
            EXPECT_EQ(waveCaption(QStringLiteral("WAVE%1").arg(i)), QString::fromLatin1(captions[i]));
        }
    }
    EXPECT_EQ(waveCaption("Cancel1"), "");
    EXPECT_EQ(waveCaption("wave0"), "");
}

// Every asset is compiled in as a short mono 22050 Hz 16-bit PCM wave.
TEST(SoundAssets, AllCompiledInAsSmallPcmWaves) {
    EXPECT_TRUE(QFile(":/sounds/winner.wav").exists());
    ASSERT_EQ(soundAssetNames().size(), 32u);
    qint64 total = 0;
    for (const char* name : soundAssetNames()) {
        QFile f(soundResourcePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray data = f.readAll();
        total += data.size();
        ASSERT_GE(data.size(), 44) << name;
        QDataStream in(data);
        in.setByteOrder(QDataStream::LittleEndian);
        quint16 format, channels, bits;
        quint32 rate;
        in.skipRawData(20);
        in >> format >> channels >> rate;
        in.skipRawData(6);
        in >> bits;
        EXPECT_EQ(data.left(4), "RIFF") << name;
        EXPECT_EQ(data.mid(8, 4), "WAVE") << name;
        EXPECT_EQ(format, 1) << name;
        EXPECT_EQ(channels, 1) << name;
        EXPECT_EQ(rate, 22050u) << name;
        EXPECT_EQ(bits, 16) << name;
        EXPECT_LT(data.size(), 250 * 1024) << name;
    }
    EXPECT_LT(total, 2 * 1024 * 1024);
}

// Qt Multimedia can read every compiled-in sound (decoding needs no device).
TEST(EffectOutput, EverySoundLoads) {
    for (const char* name : {"clickcard", "winner", "wave13"}) {
        QSoundEffect effect;
        effect.setSource(soundUrl(soundResourcePath(QString::fromLatin1(name))));
        EXPECT_TRUE(velmora::test::waitUntil([&] { return effect.status() != QSoundEffect::Loading; }));
        EXPECT_EQ(effect.status(), QSoundEffect::Ready) << name;
    }
}

// No audio device here: the real output stays silent and quiet.
TEST(EffectOutput, WithoutAudioDeviceIsQuiet) {
    static QStringList messages;
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& m) { messages.append(m); });
    {
        Sounds sounds;
        sounds.playsounds("winner");
        sounds.playsounds("turn");
        sounds.playChatterSound("wave13");
        QCoreApplication::processEvents();
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

}  // namespace
}  // namespace velmora::client
