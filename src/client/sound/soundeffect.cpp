// The sound module: Qt Multimedia playback of the compiled-in waves. Built
// as a module of its own so that the program loads it with the first sound.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>

#include <map>
#include <memory>

#include "client/sound/soundoutput.h"

namespace velmora::client {
namespace {

QtMessageHandler previousHandler = nullptr;

// Without a sound server the PulseAudio backend reports the failed
// connection on every start of the program; a game without sound is normal
// on a desktop (and in tests), so that one report is dropped.
void dropPulseNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("PulseAudioService:"))) return;
    if (previousHandler) previousHandler(type, context, message);
}

bool haveAudioOutput() {
    previousHandler = qInstallMessageHandler(dropPulseNoise);
    const bool any = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(previousHandler);
    return any;
}

class EffectOutput final : public SoundOutput {
public:
    void start(const QString& resourcePath) override {
        // Checked on every sound, so a device plugged in later is used; a
        // QSoundEffect without a device would complain on stderr.
        if (!haveAudioOutput()) return;
        QSoundEffect* effect = effectFor(resourcePath);
        if (current_ && current_ != effect) current_->stop();
        effect->stop();
        effect->play();
        current_ = effect;
    }

private:
    QSoundEffect* effectFor(const QString& resourcePath) {
        auto& slot = effects_[resourcePath];
        if (!slot) {
            slot = std::make_unique<QSoundEffect>();
            slot->setSource(soundUrl(resourcePath));
        }
        return slot.get();
    }

    // Kept loaded: the set is small, and reloading would delay each sound.
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* current_ = nullptr;
};

}  // namespace
}  // namespace velmora::client

extern "C" Q_DECL_EXPORT velmora::client::SoundOutput* velmora_make_sound_output() {
    return new velmora::client::EffectOutput();
}
