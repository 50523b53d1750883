#include "app/singleinstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "net/logging.h"

namespace velmora::app {
namespace {
constexpr int kRetryMs = 20;

// What a lock file of Qt's says about its holder (process, program, host),
// so other programs can tell who holds it. Never synced to disk: a lock that
// outlived a crash is one no process holds, and syncing cost a start-up on a
// disk-backed runtime folder tens of milliseconds.
std::string holderText() {
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    return std::to_string(getpid()) + "\nvelmora\n" + host + "\n";
}

// A folder only its owner may enter, as the runtime folder is.
bool privateFolder(const QString& folder) {
    struct stat st {};
    return stat(QFile::encodeName(folder).constData(), &st) == 0 && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}
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

SingleInstance::~SingleInstance() {
    if (lockFd_ >= 0) close(lockFd_);
}

SingleInstance::Start SingleInstance::claim(int answerMs) {
    const QByteArray path = QFile::encodeName(folder_ + QStringLiteral("/velmora.lock"));
    lockFd_ = open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // The lock dies with its process, so no lock is ever stale.
    if (lockFd_ >= 0 && flock(lockFd_, LOCK_EX | LOCK_NB) == 0) {
        const std::string text = holderText();
        if (ftruncate(lockFd_, 0) != 0 || write(lockFd_, text.data(), text.size()) < 0) {
            // The text is only for other programs to read; the lock holds.
        }
        answer();
        return Start::First;
    }
    const bool held = lockFd_ >= 0 && errno == EWOULDBLOCK;
    if (lockFd_ >= 0) close(lockFd_);
    lockFd_ = -1;
    if (!held) {
        // The folder is unusable: better a game without the guard than none.
        qCWarning(net::lcApp).noquote() << "cannot take the lock in" << folder_ << "; other starts will not be noticed";
        return Start::First;
    }
    if (!askHolder(answerMs)) qCWarning(net::lcApp) << "another copy is running but does not answer";
    return Start::Another;
}

void SingleInstance::answer() {
    // Only the lock's holder gets here, so a socket left behind is a dead copy's.
    QLocalServer::removeServer(socketPath());
    // In a private folder the socket is private already. Qt's own way of
    // making it so (a scratch folder, a chmod, a rename) costs each start
    // 0.2 ms where that folder is on disk, 0.03 ms on tmpfs.
    if (!privateFolder(folder_)) server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketPath()))
        qCWarning(net::lcApp).noquote() << "cannot answer other starts:" << server_.errorString();
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
