#include "client/sound/soundtable.h"

#include <array>

namespace velmora::client {

namespace {

constexpr std::array<SoundMenuItem, 21> kMenuItems{{
    {"Cancel1", 0, "<Cancel>"},
    {"wave1", 1, "Doh"},
    {"wave2", 2, "Cough"},
    {"wave3", 3, "Hello"},
    {"wave4", 4, "Thank You"},
    {"wave5", 5, "Where have you been?"},
    {"wave6", 6, "Snoring"},
    {"wave7", 7, "Sneezing"},
    {"wave8", 8, "Sorry"},
    {"wave9", 9, "Welcome"},
    {"wave10", 10, "Yeehaa"},
    {"wave11", 11, "Yippee"},
    {"wave12", 12, "Oh No"},
    {"wave13", 13, "Applause"},
    {"wave14", 14, "Honk"},
    {"wave15", 15, "Oooh"},
    {"wave16", 16, "Razzberry"},
    {"wave17", 17, "Cheer"},
    {"wave18", 18, "Woman Laughing"},
    {"wave19", 19, "Man Laughing"},
    {"wave20", 20, "Crying"},
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
        if (item.number > 0 && sameName(itemName, item.name)) return QString::fromLatin1(item.caption);
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
