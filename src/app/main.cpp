// Velmora: the game window, or with --serve the headless host.
#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <memory>

#include "app/find.h"
#include "app/inprocesshost.h"
#include "app/lazyarrowstyle.h"
#include "app/options.h"
#include "app/quitsignals.h"
#include "app/serve.h"
#include "app/singleinstance.h"
#include "app/startupmemory.h"
#include "app/warmup.h"
#include "app/windowicon.h"
#include "client/settings/appid.h"
#include "client/settings/playerfiles.h"
#include "client/settings/settings.h"
#include "client/window/firstpaint.h"
#include "client/window/tchat.h"
#include "host/announcer.h"
#include "i18n/language.h"
#include "net/logging.h"
#include "net/workerportmapper.h"

int main(int argc, char** argv) {
    velmora::net::routeQtLogging();
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    // Help, version and mistakes are answered before any window or socket.
    using velmora::app::Options;
    const Options parsed = velmora::app::parseOptions(args);
    if (parsed.action != Options::Action::Play && parsed.action != Options::Action::Serve &&
        parsed.action != Options::Action::Find) {
        // In the system's language: read again once its translation is in.
        QCoreApplication app(argc, argv);
        velmora::i18n::installLanguage(velmora::i18n::pickLanguage(QString()));
        return velmora::app::reportOptions(velmora::app::parseOptions(args));
    }
    if (parsed.action != Options::Action::Play) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
        return parsed.action == Options::Action::Serve ? velmora::app::serve(parsed) : velmora::app::find(parsed);
    }
    velmora::app::WarmUp warmUp;  // meanwhile: the display, the language, the lock
    QApplication app(argc, argv);
    warmUp.connectSessionBus();
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setStyle(new velmora::app::LazyArrowStyle);
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
    // Ties the window to the installed desktop entry (its icon and name).
    QGuiApplication::setDesktopFileName(QLatin1String(velmora::client::kAppId));
    // Every window's texts are made in this language; a choice in
    // Options > Language is read here at the next start.
    velmora::i18n::installLanguage(velmora::client::startLanguage());
    // Handled from the first moment; acted on once the event loop runs. The
    // question about a running game is for the player's own close only.
    velmora::client::Tchat* shown = nullptr;
    velmora::app::onTerminationSignals([&shown] {
        if (shown) shown->quitWithoutAsking();
        else QApplication::closeAllWindows();
    });

    // Decided before anything else is built: a later start only brings this
    // copy forward.
    velmora::app::SingleInstance single;
    if (single.claim() == velmora::app::SingleInstance::Start::Another) {
        warmUp.wait();  // its session bus work needs the application
        return 0;
    }

    warmUp.wait();
    velmora::client::TchatOptions options;
    if (!parsed.port.isEmpty()) options.connection.hostPort = parsed.port;
    // Only a hosted multi-player table is announced or opened on the router,
    // never a solo game.
    const bool hosting = parsed.launch.size() >= 3 && parsed.launch[2] == QLatin1String("true");
    if (hosting && parsed.openPort) options.portMapper = velmora::net::makeRouterPortMapper();
    // --resume: the window's host goes on with that game and keeps saving it there.
    const bool resuming = !parsed.resumeFile.isEmpty();
    options.resumeSaved = resuming;
    options.said = parsed.said;
    velmora::client::Tchat window(parsed.launch, std::move(options));
    shown = &window;
    velmora::app::InProcessHost host;  // created last, after the side windows
    host.setStateFile(resuming ? parsed.resumeFile
                               : velmora::client::playerFilePath(QStringLiteral("table.state"),
                                                                 velmora::client::FileKind::Data));
    window.setHost(&host);
    const auto announcer = hosting ? velmora::app::startAnnouncing(host.server(), parsed,
                                                                   parsed.launch[0] + QStringLiteral("'s table"))
                                   : nullptr;
    single.setRaise([&window] {
        if (window.isMinimized()) window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    // The icon follows once the window is drawn: reading and converting its
    // pictures would otherwise hold the first picture back.
    velmora::client::afterFirstPaint(window.centralWidget(),
                                     [] { QApplication::setWindowIcon(velmora::app::windowIcon()); });
    // Once the first screen has settled (the solo table's host and login
    // take well under a second), what only start-up read goes back.
    QTimer::singleShot(1000, &app, [] { velmora::app::releaseStartupMemory(); });
    return QApplication::exec();
}
