// Where sounds end up, and the loadable module that plays them: Qt
// Multimedia and the audio libraries under it are loaded with the first
// sound, not at start-up.
#pragma once

#include <QString>
#include <QUrl>

namespace velmora::client {

// start() cuts off whatever is still playing.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void start(const QString& resourcePath) = 0;
};

// The URL under which Qt Multimedia finds a compiled-in sound.
inline QUrl soundUrl(const QString& resourcePath) { return QUrl(QStringLiteral("qrc") + resourcePath); }

// The module's one entry: a new output the caller owns.
using MakeSoundOutput = SoundOutput* (*)();
inline constexpr char kSoundModuleEntry[] = "velmora_make_sound_output";
inline constexpr char kSoundModuleName[] = "velmora-sound";

}  // namespace velmora::client
