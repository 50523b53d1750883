#include "app/singleinstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace velmora::app {
namespace {
constexpr int kAnswerMs = 1000;

QString runtimeDir() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir;
}
}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

QString SingleInstance::socketPath() { return runtimeDir() + QStringLiteral("/xevlah11"); }

bool SingleInstance::anotherIsRunning() {
    QLocalSocket probe;
    probe.connectToServer(socketPath());
    if (!probe.waitForConnected(kAnswerMs)) return false;
    probe.write("raise\n");
    probe.waitForBytesWritten(kAnswerMs);
    probe.disconnectFromServer();
    return true;
}

void SingleInstance::listen(std::function<void()> raise) {
    raise_ = std::move(raise);
    mutex_ = std::make_unique<QLockFile>(runtimeDir() + QStringLiteral("/velmora.lock"));
    mutex_->setStaleLockTime(0);
    mutex_->tryLock(0);
    // A socket left behind by a copy that crashed is taken over.
    QLocalServer::removeServer(socketPath());
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(socketPath());
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* c = server_.nextPendingConnection()) {
            connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
            if (raise_) raise_();
        }
    });
}

}  // namespace velmora::app
