// The default sound output: a stand-in that loads the sound module when the
// first sound is played, so start-up maps none of the audio libraries.
#include <QCoreApplication>
#include <QLibrary>

#include <iostream>

#include "client/sound/sounds.h"

namespace velmora::client {

namespace {

// Beside the program (build tree and a plain copy), then the installed
// library folder, then where the build put it (tests run from elsewhere).
QStringList moduleCandidates() {
    const QString dir = QCoreApplication::applicationDirPath();
    const QString name = QString::fromLatin1(kSoundModuleName);
    return {dir + u'/' + name, dir + QStringLiteral("/../" VELMORA_LIBDIR "/velmora/") + name,
            QStringLiteral(VELMORA_SOUND_BUILD_DIR "/") + name};
}

class LoadOnFirstSound final : public SoundOutput {
public:
    void start(const QString& resourcePath) override {
        if (!tried_) load();
        if (output_) output_->start(resourcePath);
    }

private:
    void load() {
        tried_ = true;
        for (const QString& path : moduleCandidates()) {
            QLibrary module(path);
            auto make = reinterpret_cast<MakeSoundOutput>(module.resolve(kSoundModuleEntry));
            if (!make) continue;
            // Never unloaded: the output's code lives in the module.
            output_.reset(make());
            return;
        }
        std::cerr << "velmora: no sound module found; playing without sound" << std::endl;
    }

    bool tried_ = false;
    std::unique_ptr<SoundOutput> output_;
};

}  // namespace

std::unique_ptr<SoundOutput> makeEffectOutput() { return std::make_unique<LoadOnFirstSound>(); }

}  // namespace velmora::client
