#include "client/settings/playerfiles.h"

#include "client/settings/appid.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmora::client {

namespace {

QString& overrideDir() {
    static QString dir = qEnvironmentVariable("VELMORA_FILES_DIR");
    return dir;
}

// An installed copy (bin/ beside share/metainfo/) never writes beside itself:
// for root even a read-only folder takes files.
bool installedCopy(const QString& dir) {
    return QFileInfo::exists(dir + QStringLiteral("/../share/metainfo/") + QLatin1String(kAppId) +
                             QStringLiteral(".metainfo.xml"));
}

// The program's own folder counts only when a file can really be made there:
// the folder's permission bits say nothing of a read-only mount.
bool writableFolder(const QString& dir) {
    if (dir.isEmpty() || !QFileInfo(dir).isDir() || installedCopy(dir)) return false;
    QFile probe(QDir(dir).filePath(QStringLiteral(".velmora-write-test")));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    probe.close();
    probe.remove();
    return true;
}

QString folderFor(FileKind kind) {
    if (!overrideDir().isEmpty()) return overrideDir();
    static const QString programDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    static const bool programDirWritable = writableFolder(programDir);
    // Probed once: the answer does not change while the program runs.
    return programDirWritable ? programDir : playerFolder(QString(), kind);
}

}  // namespace

QString playerFolder(const QString& programDir, FileKind kind) {
    if (writableFolder(programDir)) return programDir;
    const auto location =
        kind == FileKind::Config ? QStandardPaths::GenericConfigLocation : QStandardPaths::GenericDataLocation;
    const QString base = QStandardPaths::writableLocation(location);
    return base.isEmpty() ? QString() : base + QStringLiteral("/velmora");
}

QString playerFilePath(const QString& fileName, FileKind kind) {
    const QString dir = folderFor(kind);
    if (dir.isEmpty() || !QDir().mkpath(dir)) return {};
    return QDir(dir).filePath(fileName);
}

void setPlayerFilesDir(const QString& dir) { overrideDir() = dir; }

}  // namespace velmora::client
