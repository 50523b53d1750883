#include "client/window/relaunch.h"

#include <QCoreApplication>
#include <QProcess>

namespace velmora::client {

QStringList launchArguments(const windows::HostJoinChoice& choice) {
    QStringList arguments{choice.name, choice.host ? QStringLiteral("127.0.0.1") : choice.address,
                          choice.host ? QStringLiteral("true") : QStringLiteral("false"), QStringLiteral("--port"),
                          QString::number(choice.port)};
    if (choice.host && choice.announce) arguments << QStringLiteral("--announce");
    if (choice.host && choice.openPort) arguments << QStringLiteral("--open-port");
    if (choice.host && !choice.resumeFile.isEmpty()) arguments << QStringLiteral("--resume") << choice.resumeFile;
    return arguments;
}

bool startAfter(qint64 pid, const QString& program, const QStringList& arguments) {
    // A small shell waits for the process to go, then becomes the program.
    // A process that ended but was not yet collected by its parent (state Z)
    // holds nothing any more, so it counts as gone.
    QStringList shell{QStringLiteral("-c"),
                      QStringLiteral("while kill -0 \"$0\" 2>/dev/null && "
                                     "[ \"$(sed 's/.*) //' /proc/$0/stat 2>/dev/null | cut -c1)\" != Z ]; "
                                     "do sleep 0.1; done; exec \"$@\""),
                      QString::number(pid), program};
    shell += arguments;
    return QProcess::startDetached(QStringLiteral("/bin/sh"), shell);
}

bool restartProgram(const QStringList& arguments) {
    return startAfter(QCoreApplication::applicationPid(), QCoreApplication::applicationFilePath(), arguments);
}

}  // namespace velmora::client
