#include "client/relaunch.h"

#include <QCoreApplication>
#include <QProcess>

namespace velmora::client {

QStringList launchArguments(const windows::HostJoinChoice& choice) {
    return {choice.name, choice.host ? QStringLiteral("127.0.0.1") : choice.address,
            choice.host ? QStringLiteral("true") : QStringLiteral("false"), QStringLiteral("--port"),
            QString::number(choice.port)};
}

bool restartProgram(const QStringList& arguments) {
    // A small shell waits for this process to go, then becomes the new copy.
    QStringList shell{QStringLiteral("-c"),
                      QStringLiteral("while kill -0 \"$0\" 2>/dev/null; do sleep 0.1; done; exec \"$@\""),
                      QString::number(QCoreApplication::applicationPid()), QCoreApplication::applicationFilePath()};
    shell += arguments;
    return QProcess::startDetached(QStringLiteral("/bin/sh"), shell);
}

}  // namespace velmora::client
