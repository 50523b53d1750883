// The default sound output: a stand-in that loads the sound module when the
// first sound is played, so start-up maps none of the audio libraries, and
// none at all while no sound server could play them.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>


#include "client/sound/sounds.h"
#include "net/logging.h"
#include "net/modules.h"

namespace velmora::client {

namespace {

// A client configuration's files: the user's, the system's and its drop-ins
// (read without patterns: a pattern would bring in the regular expression
// engine for this alone).
QStringList clientConfigs() {
    QStringList files{QStringLiteral("/etc/pulse/client.conf"), QDir::homePath() + QStringLiteral("/.pulse/client.conf")};
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
    files << config + QStringLiteral("/pulse/client.conf");
    const QDir dropIns(QStringLiteral("/etc/pulse/client.conf.d"));
    for (const QString& name : dropIns.entryList(QDir::Files, QDir::Name))
        if (name.endsWith(QLatin1String(".conf"))) files << dropIns.filePath(name);
    return files;
}

bool configNamesServer() {
    for (const QString& path : clientConfigs()) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly) && namesDefaultServer(f.read(64 * 1024))) return true;
    }
    return false;
}

class LoadOnFirstSound final : public SoundOutput {
public:
    explicit LoadOnFirstSound(std::function<bool()> serverUp) : serverUp_(std::move(serverUp)) {}

    void start(const QString& resourcePath) override {
        if (!tried_ && serverUp_ && !serverUp_()) return;  // asked again at the next sound
        if (!tried_) load();
        if (output_) output_->start(resourcePath);
    }

private:
    void load() {
        tried_ = true;
        for (const QString& path : net::moduleCandidates(kSoundModuleName)) {
            QLibrary module(path);
            auto make = reinterpret_cast<MakeSoundOutput>(module.resolve(kSoundModuleEntry));
            if (!make) continue;
            // Never unloaded: the output's code lives in the module.
            output_.reset(make());
            return;
        }
        qCWarning(net::lcClient) << "no sound module found; playing without sound";
    }

    std::function<bool()> serverUp_;
    bool tried_ = false;
    std::unique_ptr<SoundOutput> output_;
};

}  // namespace

bool namesDefaultServer(const QByteArray& config) {
    for (const QByteArray& line : config.split('\n')) {
        const QByteArray text = line.trimmed();
        const QByteArray key("default-server");
        if (text.startsWith(key) && text.mid(key.size()).trimmed().startsWith('=')) return true;
    }
    return false;
}

// The places the sound library itself looks: a named server, the session's
// and the system's sockets, a daemon it may start itself, a configured server.
bool soundServerMayAnswer() {
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER")) return true;
    QStringList sockets{QStringLiteral("/run/pulse/native"), QStringLiteral("/var/run/pulse/native")};
    if (!qEnvironmentVariableIsEmpty("PULSE_RUNTIME_PATH"))
        sockets << qEnvironmentVariable("PULSE_RUNTIME_PATH") + QStringLiteral("/native");
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        sockets << qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/pulse/native");
    for (const QString& path : sockets)
        if (QFileInfo::exists(path)) return true;
    return QFileInfo::exists(QStringLiteral("/usr/bin/pulseaudio")) || configNamesServer();
}

std::unique_ptr<SoundOutput> makeEffectOutput(std::function<bool()> serverUp) {
    return std::make_unique<LoadOnFirstSound>(std::move(serverUp));
}

}  // namespace velmora::client
