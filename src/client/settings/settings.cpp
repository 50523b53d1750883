#include "client/settings/settings.h"

#include "client/settings/inifile.h"
#include "client/settings/playerfiles.h"
#include "i18n/language.h"
#include "net/logging.h"

namespace velmora::client {

namespace {

using S = SettingKind;
using K = SettingKey;
constexpr auto kOptions = SettingGroup::Options;
constexpr auto kPhrases = SettingGroup::Phrases;
constexpr auto kLobby = SettingGroup::Lobby;
constexpr auto kRecent = SettingGroup::Recent;
constexpr auto kView = SettingGroup::View;
constexpr auto kMotion = SettingGroup::Motion;
constexpr auto kComputer = SettingGroup::Computer;

struct Row {
    SettingKey key;
    KeyInfo info;
};

// Every key of our section, in the order a save appends missing ones.
constexpr std::array<Row, static_cast<size_t>(K::Count)> kSettingKeys{{
    {K::Textsize, {"Textsize", S::Integer, "8", kOptions}},
    {K::Top, {"Top", S::Integer, "3", kOptions}},
    {K::Left, {"Left", S::Integer, "3", kOptions}},
    {K::Width, {"Width", S::Integer, "790", kOptions}},
    {K::Height, {"Height", S::Integer, "585", kOptions}},
    {K::Textcolor, {"Textcolor", S::ColourText, "clblack", kOptions}},
    {K::Actioncolor, {"Actioncolor", S::ColourText, "clblack", kOptions}},
    {K::Playtoscore, {"Playtoscore", S::Integer, "30", kOptions}},
    {K::Timeperturn, {"Timeperturn", S::Integer, "1", kOptions}},
    {K::Botspeed, {"Botspeed", S::Choice, "1000", kOptions, {"2000", "1000", "500"}}},
    {K::Turnsound, {"Turnsound", S::Choice, "0", kOptions, {"0", "1"}}},
    {K::Playerphrasesounds, {"Playerphrasesounds", S::Flag, "true", kOptions}},
    {K::Playsounds, {"Playsounds", S::Flag, "true", kOptions}},
    // Empty: the button keeps its built-in phrase.
    {K::Phrase1, {"Phrase1", S::Text, "", kPhrases}},
    {K::Phrase2, {"Phrase2", S::Text, "", kPhrases}},
    {K::Phrase3, {"Phrase3", S::Text, "", kPhrases}},
    {K::Phrase4, {"Phrase4", S::Text, "", kPhrases}},
    {K::Phrase5, {"Phrase5", S::Text, "", kPhrases}},
    {K::Phrase6, {"Phrase6", S::Text, "", kPhrases}},
    {K::Phrase7, {"Phrase7", S::Text, "", kPhrases}},
    {K::Phrase8, {"Phrase8", S::Text, "", kPhrases}},
    {K::Phrase9, {"Phrase9", S::Text, "", kPhrases}},
    // Empty: no lobby download offered, no installed lobby known.
    {K::Lobbydownload, {"Lobbydownload", S::Text, "", kLobby}},
    {K::Lobbypath, {"Lobbypath", S::Text, "", kLobby}},
    // The name and the last games joined or hosted, as address:port.
    {K::Playername, {"Playername", S::Text, "", kRecent}},
    {K::Recent1, {"Recent1", S::Text, "", kRecent}},
    {K::Recent2, {"Recent2", S::Text, "", kRecent}},
    {K::Recent3, {"Recent3", S::Text, "", kRecent}},
    {K::Recent4, {"Recent4", S::Text, "", kRecent}},
    {K::Recent5, {"Recent5", S::Text, "", kRecent}},
    // Hosting: let players on the local network find the table.
    {K::Announcetable, {"Announcetable", S::Flag, "true", kRecent}},
    // The table's zoom in per cent: 100, 125, 150 or 200.
    {K::Zoom, {"Tablezoom", S::Integer, "100", kView}},
    {K::Animations, {"Animations", S::Flag, "true", kMotion}},
    // How many computer players a solo game deals in: 1, 2 or 3.
    {K::Computerplayers, {"Computerplayers", S::Choice, "3", SettingGroup::Solo, {"1", "2", "3"}}},
    {K::Computerlevel, {"Computerlevel", S::Choice, "0", kComputer, {"0", "1", "2"}}},
    // Hosting: ask the router to open the port; off until the player asks.
    {K::Openrouterport, {"Openrouterport", S::Flag, "false", SettingGroup::Router}},
    // "en", "de" or "es"; empty follows the system's language.
    {K::Language, {"Language", S::Text, "", SettingGroup::Language}},
}};

constexpr bool rowsInKeyOrder() {
    for (size_t i = 0; i < kSettingKeys.size(); ++i)
        if (static_cast<size_t>(kSettingKeys[i].key) != i) return false;
    return true;
}
static_assert(rowsInKeyOrder(), "kSettingKeys rows must follow the order of SettingKey");

std::optional<int> parseInteger(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

QString Settings::defaultPath() { return playerFilePath(QString::fromLatin1(kFileName), FileKind::Config); }

const KeyInfo& Settings::info(SettingKey key) { return kSettingKeys[index(key)].info; }

SettingKey Settings::phraseKey(int n) { return static_cast<SettingKey>(index(K::Phrase1) + (n - 1)); }

Settings::Settings(QString path) : path_(std::move(path)) {
    for (const Row& row : kSettingKeys) values_[index(row.key)] = normalise(row.info, QString());
}

QString Settings::normalise(const KeyInfo& info, const QString& raw) {
    const QString fallback = QString::fromUtf8(info.fallback);
    const QString& given = raw.isEmpty() ? fallback : raw;
    switch (info.kind) {
        case S::Integer:
            if (const auto n = parseInteger(raw)) return QString::number(*n);
            return fallback;
        case S::Text:
            return given;
        case S::Flag:
            return given == QLatin1String("false") ? QStringLiteral("false") : QStringLiteral("true");
        case S::ColourText:
            return colourToText(colourFromText(given, 0));
        case S::Choice:
            for (const char* choice : info.choices)
                if (choice && raw == QLatin1String(choice)) return raw;
            return fallback;
    }
    return fallback;
}

bool Settings::load() {
    IniFile file;
    const auto result = path_.isEmpty() ? IniFile::LoadResult::Missing : file.load(path_);
    // The section is read once, then each key looked up in it.
    const std::vector<IniFile::Entry> entries = file.entries(QString::fromLatin1(kSection));
    for (const Row& row : kSettingKeys)
        values_[index(row.key)] =
            normalise(row.info, IniFile::valueIn(entries, QString::fromLatin1(row.info.name)).value_or(QString()));
    if (result == IniFile::LoadResult::Failed) qCWarning(net::lcClient).noquote() << "Cannot read the settings file" << path_;
    return result != IniFile::LoadResult::Failed;
}

bool Settings::save(SettingGroup group) {
    if (path_.isEmpty()) return true;
    IniFile file;
    if (file.load(path_) == IniFile::LoadResult::Failed) {
        qCWarning(net::lcClient).noquote() << "Settings not saved: cannot read" << path_;
        return false;
    }
    const QString section = QString::fromLatin1(kSection);
    for (const Row& row : kSettingKeys)
        if (row.info.group == group) file.setValue(section, QString::fromLatin1(row.info.name), values_[index(row.key)]);
    if (file.save(path_)) return true;
    qCWarning(net::lcClient).noquote() << "Settings not saved: cannot write" << path_;
    return false;
}

int Settings::integer(SettingKey key) const {
    return parseInteger(text(key)).value_or(parseInteger(QString::fromUtf8(info(key).fallback)).value_or(0));
}

Colour Settings::colour(SettingKey key) const { return colourFromText(text(key), 0); }

void Settings::set(SettingKey key, const QString& value) {
    values_[index(key)] = normalise(info(key), value);
}

QString startLanguage(const QString& path) {
    Settings settings(path);
    settings.load();
    return i18n::pickLanguage(settings.text(K::Language));
}

}  // namespace velmora::client
