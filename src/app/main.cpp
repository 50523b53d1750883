// Velmora: the game window, or with --serve the headless host.
#include <QApplication>
#include <QCoreApplication>
#include <memory>

#include "app/serve.h"

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
    return velmora::app::serve(args);
}
