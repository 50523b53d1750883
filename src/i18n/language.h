// The player's language: which translation to load (the choice in the
// settings, else the system's languages, else English), where the built
// translations are found (beside the build's programs, or the installed
// share/velmora/translations), and installing it for Qt's texts and for the
// texts made below Qt (game/i18n.h).
#pragma once

#include <QString>
#include <QStringList>

namespace velmora::i18n {

struct Language {
    const char* code;  // as in the translation's file name and the settings
    const char* name;  // in its own language, as the Language menu lists it
};
// English first: the texts as written.
inline constexpr Language kLanguages[] = {{"en", "English"}, {"de", "Deutsch"}, {"es", "Español"}};
// Not offered in the menu: every text longer and accented, to find clipping.
inline constexpr char kPseudo[] = "pseudo";

// The language to use: `chosen` when it names one we have (or the
// pseudo-language), else the first of `system` (as QLocale::uiLanguages
// gives them, "de-AT", "es_ES", ...) that we have, else "en".
QString pickLanguage(const QString& chosen, const QStringList& system);
// pickLanguage with the system's own languages (LANGUAGE, LC_ALL, LANG, ...).
QString pickLanguage(const QString& chosen);

// Folders searched for velmora_<code>.qm, in order.
QStringList translationFolders();

// Loads and installs the translation of `code` (nothing for English); needs
// the application object. False when its file was not found.
bool installLanguage(const QString& code);

}  // namespace velmora::i18n
