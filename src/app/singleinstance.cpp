#include "app/singleinstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <iostream>

namespace velmora::app {
namespace {
constexpr int kRetryMs = 20;
}  // namespace

QString SingleInstance::runtimeFolder() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir;
}

SingleInstance::SingleInstance(QString folder, QObject* parent) : QObject(parent), folder_(std::move(folder)) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* c = server_.nextPendingConnection()) {
            connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
            if (raise_) raise_();
        }
    });
}

SingleInstance::Start SingleInstance::claim(int answerMs) {
    mutex_ = std::make_unique<QLockFile>(folder_ + QStringLiteral("/velmora.lock"));
    // Only a lock whose process has gone is stale, however old it is.
    mutex_->setStaleLockTime(0);
    if (mutex_->tryLock(0)) {
        answer();
        return Start::First;
    }
    if (mutex_->error() != QLockFile::LockFailedError) {
        // The folder is unusable: better a game without the guard than none.
        std::cerr << "velmora: cannot take the lock in " << qPrintable(folder_)
                  << "; other starts will not be noticed" << std::endl;
        return Start::First;
    }
    if (!askHolder(answerMs)) std::cerr << "velmora: another copy is running but does not answer" << std::endl;
    return Start::Another;
}

void SingleInstance::answer() {
    // Only the lock's holder gets here, so a socket left behind is a dead copy's.
    QLocalServer::removeServer(socketPath());
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketPath()))
        std::cerr << "velmora: cannot answer other starts: " << qPrintable(server_.errorString()) << std::endl;
}

bool SingleInstance::askHolder(int answerMs) {
    const QDeadlineTimer deadline(answerMs);
    for (;;) {
        QLocalSocket probe;
        probe.connectToServer(socketPath());
        if (probe.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            probe.write("raise\n");
            probe.waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
            probe.disconnectFromServer();
            return true;
        }
        if (deadline.hasExpired()) return false;
        QThread::msleep(kRetryMs);  // the holder is still on its way to answering
    }
}

}  // namespace velmora::app
