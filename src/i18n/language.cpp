#include "i18n/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "game/i18n.h"

namespace velmora::i18n {
namespace {

bool known(const QString& code) {
    for (const Language& l : kLanguages)
        if (code == QLatin1String(l.code)) return true;
    return code == QLatin1String(kPseudo);
}

std::string lookupQt(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

}  // namespace

QString pickLanguage(const QString& chosen, const QStringList& system) {
    if (known(chosen)) return chosen;
    for (const QString& s : system) {
        // "de-AT", "de_AT.UTF-8" and "de" all mean German.
        const QString code = s.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code != QLatin1String(kPseudo) && known(code)) return code;
    }
    return QStringLiteral("en");
}

QString pickLanguage(const QString& chosen) { return pickLanguage(chosen, QLocale::system().uiLanguages()); }

QStringList translationFolders() {
    const QString bin = QCoreApplication::applicationDirPath();
    return {
        // Installed: <prefix>/bin beside <prefix>/share.
        QDir::cleanPath(bin + QStringLiteral("/../share/velmora/translations")),
        // The build tree, where lrelease puts them.
        QStringLiteral(VELMORA_BUILD_TRANSLATIONS),
    };
}

bool installLanguage(const QString& code) {
    if (code == QLatin1String("en")) return true;
    // Owned by the application for the process's life, as Qt expects.
    auto* ours = new QTranslator(QCoreApplication::instance());
    bool found = false;
    for (const QString& folder : translationFolders())
        if ((found = ours->load(QStringLiteral("velmora_") + code, folder))) break;
    if (!found) {
        delete ours;
        return false;
    }
    QCoreApplication::installTranslator(ours);
    // Qt's own texts (dialog buttons, the colour picker) when installed.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    lookup() = &lookupQt;
    return true;
}

}  // namespace velmora::i18n
