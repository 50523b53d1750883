#include "client/sound/soundtable.h"

#include <array>

#include <QCoreApplication>

namespace velmora::client {

namespace {

constexpr std::array<SoundMenuItem, 21> kMenuItems{{
    {"Cancel1", 0, QT_TRANSLATE_NOOP("Sounds", "<Cancel>")},
    {"wave1", 1, QT_TRANSLATE_NOOP("Sounds", "Doh")},
    {"wave2", 2, QT_TRANSLATE_NOOP("Sounds", "Cough")},
    {"wave3", 3, QT_TRANSLATE_NOOP("Sounds", "Hello")},
    {"wave4", 4, QT_TRANSLATE_NOOP("Sounds", "Thank You")},
    {"wave5", 5, QT_TRANSLATE_NOOP("Sounds", "Where have you been?")},
    {"wave6", 6, QT_TRANSLATE_NOOP("Sounds", "Snoring")},
    {"wave7", 7, QT_TRANSLATE_NOOP("Sounds", "Sneezing")},
    {"wave8", 8, QT_TRANSLATE_NOOP("Sounds", "Sorry")},
    {"wave9", 9, QT_TRANSLATE_NOOP("Sounds", "Welcome")},
    {"wave10", 10, QT_TRANSLATE_NOOP("Sounds", "Yeehaa")},
    {"wave11", 11, QT_TRANSLATE_NOOP("Sounds", "Yippee")},
    {"wave12", 12, QT_TRANSLATE_NOOP("Sounds", "Oh No")},
    {"wave13", 13, QT_TRANSLATE_NOOP("Sounds", "Applause")},
    {"wave14", 14, QT_TRANSLATE_NOOP("Sounds", "Honk")},
    {"wave15", 15, QT_TRANSLATE_NOOP("Sounds", "Oooh")},
    {"wave16", 16, QT_TRANSLATE_NOOP("Sounds", "Razzberry")},
    {"wave17", 17, QT_TRANSLATE_NOOP("Sounds", "Cheer")},
    {"wave18", 18, QT_TRANSLATE_NOOP("Sounds", "Woman Laughing")},
    {"wave19", 19, QT_TRANSLATE_NOOP("Sounds", "Man Laughing")},
    {"wave20", 20, QT_TRANSLATE_NOOP("Sounds", "Crying")},
}};

constexpr std::array<const char*, 32> kAssets{{
    "clickcard", "discard", "draw",   "endround", "entered", "hitset", "invalid", "skip",
    "stage",     "turn",    "turnnew", "winner",  "wave1",   "wave2",  "wave3",   "wave4",
    "wave5",     "wave6",   "wave7",  "wave8",    "wave9",   "wave10", "wave11",  "wave12",
    "wave13",    "wave14",  "wave15", "wave16",   "wave17",  "wave18", "wave19",  "wave20",
}};

bool sameName(const QString& name, const char* known) {
    return name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0;
}

}  // namespace

std::span<const SoundMenuItem> soundMenuItems() { return kMenuItems; }

QString waveCaption(const QString& itemName) {
    for (const auto& item : kMenuItems)
        if (item.number > 0 && sameName(itemName, item.name)) return QCoreApplication::translate("Sounds", item.caption);
    return {};
}

std::span<const char* const> soundAssetNames() { return kAssets; }

QString soundResourcePath(const QString& name) {
    for (const char* asset : kAssets)
        if (sameName(name, asset)) return QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(asset));
    return {};
}

bool isMutedSound(const QString& name) { return sameName(name, "discard") || sameName(name, "skip"); }

}  // namespace velmora::client
