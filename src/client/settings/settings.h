// The player's settings in the section "Velmora" of "halvexlobby.ini", the
// file shared with the lobby program. One table (kSettingKeys in
// settings.cpp) names every key with its kind, its default and the group it
// is saved with; reading is forgiving, and saving rewrites only our keys.
//
// Adding a key: add it to `SettingKey` (before Count) and one row to the
// table, in the same place; give it a group of its own when it is saved at
// other moments than the existing groups.
#pragma once

#include <QString>

#include <array>

#include "client/art/colortext.h"

namespace velmora::client {

enum class SettingKey {
    // Written together by saveinifile, in this order.
    Textsize,
    Top,
    Left,
    Width,
    Height,
    Textcolor,
    Actioncolor,
    Playtoscore,
    Timeperturn,
    Botspeed,
    Turnsound,
    Playerphrasesounds,
    Playsounds,
    // Written by the phrase editor.
    Phrase1,
    Phrase2,
    Phrase3,
    Phrase4,
    Phrase5,
    Phrase6,
    Phrase7,
    Phrase8,
    Phrase9,
    // Set by hand or by the lobby; the game only reads them.
    Lobbydownload,
    Lobbypath,
    // Written by the host-or-join dialog.
    Playername,
    Recent1,
    Recent2,
    Recent3,
    Recent4,
    Recent5,
    Announcetable,
    // Written when the player zooms the table (View > Zoom).
    Zoom,
    // Written when the player switches Options > Animations.
    Animations,
    // Written by the first screen's solo choice.
    Computerplayers,
    // Written when the player picks Options > Computer Level: 0 Designed, 1 Strong, 2 Expert.
    Computerlevel,
    // Written by the host-or-join dialog, on its own.
    Openrouterport,
    // Written when the player picks a language (Options > Language).
    Language,
    Count
};

// Keys written by one save, in table order.
// Zoom, Animations, the solo choice, the computer level and the router
// choice and the language are switched apart, so each is its own group: a save of one never
// writes another into a file that lacks it.
enum class SettingGroup { Options, Phrases, Lobby, Recent, View, Motion, Solo, Computer, Router, Language };

// How a value read from the file is understood, and mended when unreadable.
enum class SettingKind {
    Integer,  // decimal; malformed gives the default
    Text,     // anything, as it stands
    Flag,     // anything but "false" is on
    ColourText,  // colour text; unreadable gives black
    Choice,   // one of the listed texts exactly, else the default
};

struct KeyInfo {
    const char* name;  // the key as written in the file
    SettingKind kind;
    const char* fallback;
    SettingGroup group;
    std::array<const char*, 3> choices{};  // Choice only
};

class Settings {
public:
    static constexpr const char* kFileName = "halvexlobby.ini";
    static constexpr const char* kSection = "Velmora";

    // The player's file (see playerFilePath).
    static QString defaultPath();
    static const KeyInfo& info(SettingKey key);

    // An empty path keeps everything in memory.
    explicit Settings(QString path = defaultPath());

    const QString& path() const { return path_; }

    // Reads every key; missing keys and a missing file give the defaults.
    // False when the file exists but cannot be read (the values are then the
    // defaults and nothing will be written over that file).
    bool load();
    // Writes the group's keys, keeping everything else in the file as it is
    // on disk now (the lobby may have changed it meanwhile). False when the
    // file could not be read or written; the old file is then untouched.
    bool save(SettingGroup group);

    QString text(SettingKey key) const { return values_[index(key)]; }
    int integer(SettingKey key) const;
    bool flag(SettingKey key) const { return text(key) != QLatin1String("false"); }
    Colour colour(SettingKey key) const;

    // Values pass through the reading rules, so what is kept is what would
    // be read back ("1500" for Botspeed is kept as "1000").
    void set(SettingKey key, const QString& value);
    void set(SettingKey key, int value) { set(key, QString::number(value)); }
    void setFlag(SettingKey key, bool on) { set(key, on ? QStringLiteral("true") : QStringLiteral("false")); }
    void setColour(SettingKey key, Colour colour) { set(key, colourToText(colour)); }

    // The phrase key of button n (1..9).
    static SettingKey phraseKey(int n);

private:
    static size_t index(SettingKey key) { return static_cast<size_t>(key); }
    static QString normalise(const KeyInfo& info, const QString& raw);

    QString path_;
    std::array<QString, static_cast<size_t>(SettingKey::Count)> values_;
};

// The language the window starts in: the player's choice in Options >
// Language as saved in the file, else the system's.
QString startLanguage(const QString& path = Settings::defaultPath());

}  // namespace velmora::client
