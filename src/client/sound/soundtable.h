// The names of the game's sounds and the captions of the sound menu. One
// table serves the player (which wave a name means), the chat line shown
// when phrase sounds are off, and the sound menu itself.
#pragma once

#include <QString>

#include <span>

namespace velmora::client {

struct SoundMenuItem {
    const char* name;     // object name of the menu item, e.g. "wave4"
    int number;           // 0 for "<Cancel>", N plays the asset "waveN"
    const char* caption;  // e.g. "Thank You"
};

// "<Cancel>" first, then wave1..wave20, top to bottom as the menu shows them.
std::span<const SoundMenuItem> soundMenuItems();

// Caption of the wave item named itemName (any letter case); empty when
// there is no such wave item.
QString waveCaption(const QString& itemName);

// Lower-case names of every sound asset: event sounds, then wave1..wave20.
std::span<const char* const> soundAssetNames();

// ":/sounds/<name>.wav" for a known asset (any letter case), else empty.
QString soundResourcePath(const QString& name);

// DISCARD and SKIP exist as assets but are never played.
bool isMutedSound(const QString& name);

}  // namespace velmora::client
