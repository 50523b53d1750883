// Velmora: the game window, or with --serve the headless host.
#include <QApplication>
#include <QCoreApplication>
#include <memory>

#include "app/inprocesshost.h"
#include "app/serve.h"
#include "app/singleinstance.h"
#include "client/tchat.h"

namespace {

// Launch parameters from the lobby: name, host address, "true" to host.
// "--port N" (for running copies side by side) is taken out first.
QStringList launchParameters(QStringList args, velmora::client::TchatOptions& options) {
    const qsizetype i = args.indexOf(QStringLiteral("--port"));
    if (i >= 0 && i + 1 < args.size()) {
        options.session.hostPort = args[i + 1];
        args.remove(i, 2);
    }
    return args;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    if (velmora::app::wantsServe(args)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
        return velmora::app::serve(args);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));

    // Decided before anything else is built: a later start only brings this
    // copy forward.
    velmora::app::SingleInstance single;
    if (single.claim() == velmora::app::SingleInstance::Start::Another) return 0;

    velmora::client::TchatOptions options;
    const QStringList params = launchParameters(args, options);
    velmora::client::Tchat window(params, std::move(options));
    velmora::app::InProcessHost host;  // created last, after the side windows
    window.setHost(&host);
    single.setRaise([&window] {
        if (window.isMinimized()) window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return QApplication::exec();
}
