#include <gtest/gtest.h>

#include <QAction>
#include <QAudioDevice>
#include <QCoreApplication>
#include <QFile>
#include <QSoundEffect>
#include <QtEndian>

#include "support/printers.h"
#include "client/sound/sounds.h"
#include "client/sound/soundtable.h"
#include "support/eventloop.h"

namespace velmora::client {
namespace {

struct Recorder : SoundOutput {
    QStringList* started;
    explicit Recorder(QStringList* log) : started(log) {}
    void start(const QString& path) override { started->append(path); }
};

struct SoundsTest : ::testing::Test {
    QStringList started;
    QStringList lines;
    Sounds sounds{std::make_unique<Recorder>(&started)};

    SoundsTest() {
        sounds.setSeatCaption([](int seat) { return seat == 2 ? QStringLiteral("Bea") : QString(); });
        sounds.setLineSink([this](const QString& line, Colour c) { lines << line + '#' + colourToText(c); });
    }
};

TEST_F(SoundsTest, SwitchesAreCheckedMenuItems) {
    EXPECT_EQ(sounds.playSoundsAction()->objectName(), "PlaySounds1");
    EXPECT_EQ(sounds.playSoundsAction()->text(), "Play Sounds");
    EXPECT_EQ(sounds.playerPhraseSoundsAction()->objectName(), "PlayerPhraseSounds1");
    EXPECT_EQ(sounds.playerPhraseSoundsAction()->text(), "Player Phrase Sounds");
    EXPECT_TRUE(sounds.playSounds() && sounds.playerPhraseSounds());
    sounds.playSoundsAction()->trigger();  // the menu click toggles it
    EXPECT_FALSE(sounds.playSounds());
}

TEST_F(SoundsTest, EventSoundsByNameInAnyCaseButNeverDiscardSkipOrUnknown) {
    for (const char* name : {"turn", "discard", "WINNER", "Skip", "", "wave21", "turn.wav", "../turn", "TurnNew"})
        sounds.playsounds(QString::fromLatin1(name));
    sounds.playChatterSound("skip");
    EXPECT_EQ(started, (QStringList{":/sounds/turn.wav", ":/sounds/winner.wav", ":/sounds/turnnew.wav"}));
}

TEST_F(SoundsTest, PlaySoundsOffSilencesEventsButNotChatter) {
    sounds.setPlaySounds(false);
    sounds.playsounds("draw");
    sounds.playasound("3+wave4+");
    sounds.playChatterSound("Wave5");
    EXPECT_EQ(started, (QStringList{":/sounds/wave4.wav", ":/sounds/wave5.wav"}));
    EXPECT_TRUE(lines.isEmpty());
}

TEST_F(SoundsTest, PhraseSoundsOffWritesOneBlueChatterLineOnly) {
    sounds.setPlayerPhraseSounds(false);
    sounds.playasound("2+wave13+");
    sounds.playasound("2+WAVE4+");
    // Unknown seat, unreadable seat, no such wave, not a wave, cut payloads.
    for (const char* payload : {"3+wave13+", "x+wave13+", "+wave13+", "2+wave21+", "2+Cancel1+", "2+turn+", "2", ""})
        sounds.playasound(QString::fromLatin1(payload));
    EXPECT_TRUE(started.isEmpty());
    EXPECT_EQ(lines, (QStringList{"Bea: <Chatter Sound> Applause#clBlue", "Bea: <Chatter Sound> Thank You#clBlue"}));
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
        if (i == 0) continue;
        EXPECT_EQ(QString::fromLatin1(items[i].name), QStringLiteral("wave%1").arg(i));
        EXPECT_EQ(waveCaption(QStringLiteral("WAVE%1").arg(i)), QString::fromLatin1(captions[i]));
    }
    EXPECT_EQ(waveCaption("Cancel1"), "");
}

// Every asset is compiled in as a short mono 22050 Hz 16-bit PCM wave.
TEST(SoundAssets, AllCompiledInAsSmallPcmWaves) {
    ASSERT_EQ(soundAssetNames().size(), 32u);
    EXPECT_TRUE(QFile(":/sounds/winner.wav").exists());
    qint64 total = 0;
    for (const char* name : soundAssetNames()) {
        QFile f(soundResourcePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray d = f.readAll();
        total += d.size();
        ASSERT_GE(d.size(), 44) << name;
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(d.constData() + at); };
        EXPECT_TRUE(d.startsWith("RIFF") && d.mid(8, 4) == "WAVE") << name;
        EXPECT_EQ(u16(20), 1) << name;  // PCM
        EXPECT_EQ(u16(22), 1) << name;  // mono
        EXPECT_EQ(qFromLittleEndian<quint32>(d.constData() + 24), 22050u) << name;
        EXPECT_EQ(u16(34), 16) << name;
    }
    EXPECT_LT(total, 2 * 1024 * 1024);
}

// No audio device here: without a sound server the audio libraries are never
// loaded; with one that has no device the real output stays silent and quiet.
TEST(EffectOutput, AConfiguredServerIsALineThatSetsDefaultServer) {
    EXPECT_TRUE(namesDefaultServer("; a comment\n  default-server = tcp:box\n"));
    EXPECT_TRUE(namesDefaultServer("autospawn = no\r\ndefault-server=unix:/tmp/s\r\n"));
    EXPECT_FALSE(namesDefaultServer("; default-server = tcp:box\n# default-server = x\n"));
    EXPECT_FALSE(namesDefaultServer("default-server-name = x\ndefault-sink = y\n"));
}

TEST(EffectOutput, WithoutAudioDeviceIsQuiet) {
    static QStringList messages;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& m) { messages.append(m); });
    auto mapped = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("velmora-sound");
    };
    bool serverUp = false;
    {
        Sounds sounds(makeEffectOutput([&] { return serverUp; }));
        sounds.playsounds("winner");
        EXPECT_FALSE(mapped());  // no server: nothing could play it
        serverUp = true;
        sounds.playsounds("turn");
        EXPECT_TRUE(mapped());  // the module comes with the first sound a server may play
        sounds.playChatterSound("wave13");
        QCoreApplication::processEvents();
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// Qt Multimedia can read the compiled-in sounds (decoding needs no device).
TEST(EffectOutput, SoundsLoad) {
    for (const char* name : {"clickcard", "winner", "wave13"}) {
        QSoundEffect effect(QAudioDevice{});  // no device lookup, no PulseAudio noise
        effect.setSource(soundUrl(soundResourcePath(QString::fromLatin1(name))));
        EXPECT_TRUE(velmora::test::waitUntil([&] { return effect.status() != QSoundEffect::Loading; }));
        EXPECT_EQ(effect.status(), QSoundEffect::Ready) << name;
    }
}

}  // namespace
}  // namespace velmora::client
