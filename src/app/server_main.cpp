// velmora-server: the game host alone, for dedicated machines. Qt Core and
// Network only (no widgets, no sound); the options are those of
// `velmora --serve`, which it always does unless asked for help, the version
// or --find.
#include <QCoreApplication>
#include <cstdio>

#include "app/find.h"
#include "app/options.h"
#include "app/serve.h"
#include "i18n/language.h"
#include "net/logging.h"

namespace {

velmora::app::Options parse(const QStringList& args) {
    using velmora::app::Options;
    Options options = velmora::app::parseOptions(args);
    if (options.action == Options::Action::Play) {
        if (!options.launch.isEmpty()) {
            options.action = Options::Action::Error;
            options.error = QCoreApplication::translate("velmora-server", "unexpected argument '%1'")
                                .arg(options.launch.first());
        } else {
            options.action = Options::Action::Serve;
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    velmora::net::routeQtLogging();
    // Qt's own event loop rather than GLib's: the same sockets and timers in
    // less resident memory, and nothing here needs GLib's loop.
    qputenv("QT_NO_GLIB", "1");
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    using velmora::app::Options;
    Options options = parse(args);
    const QString program = QStringLiteral("velmora-server");
    if (options.action != Options::Action::Serve && options.action != Options::Action::Find) {
        // In the system's language: read again once its translation is in.
        QCoreApplication app(argc, argv);
        velmora::i18n::installLanguage(velmora::i18n::pickLanguage(QString()));
        options = parse(args);
        if (options.action != Options::Action::Help) return velmora::app::reportOptions(options, program);
        std::fputs(QCoreApplication::translate(
                       "velmora-server",
                       "Usage: %1 [--port N] [--announce [--announce-to ADDRESS]] [--name TEXT]\n"
                       "          [--state FILE] [--resume FILE] [--open-port] [--pace N]\n"
                       "          [--metrics ADDRESS:PORT] [--log-format text|json]\n"
                       "          [--health-interval S] [--shutdown-when-empty S] [--level L]\n"
                       "       %1 --find [--timeout S]\n"
                       "\n"
                       "One Velmora table without a window: the options are those of\n"
                       "'velmora --serve' (see 'velmora --help'); it runs until SIGINT or SIGTERM.\n")
                       .arg(program)
                       .toLocal8Bit()
                       .constData(),
                   stdout);
        return 0;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    return options.action == Options::Action::Serve ? velmora::app::serve(options) : velmora::app::find(options);
}
