// Event sounds and the chatter sounds players send each other.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "client/art/colortext.h"
#include "client/sound/soundoutput.h"

class QAction;

namespace velmora::client {

// Whether a sound server (PulseAudio, or PipeWire's stand-in) may answer:
// Qt Multimedia plays through one and finds no output without it.
bool soundServerMayAnswer();
// Whether a client configuration's text has a "default-server" line, which
// names a server elsewhere (another machine, a socket of its own).
bool namesDefaultServer(const QByteArray& config);

// Plays through Qt Multimedia, loaded with the first sound that finds a
// sound server (`serverUp`, asked at each sound until then); silent (and
// quiet on stderr) without an audio output device.
std::unique_ptr<SoundOutput> makeEffectOutput(std::function<bool()> serverUp = soundServerMayAnswer);

class Sounds : public QObject {
    Q_OBJECT
public:
    // Caption of the name label of a seat; empty when there is no such label.
    using SeatCaption = std::function<QString(int seat)>;
    using LineSink = std::function<void(const QString& line, Colour colour)>;

    explicit Sounds(QObject* parent = nullptr);
    explicit Sounds(std::unique_ptr<SoundOutput> output, QObject* parent = nullptr);
    ~Sounds() override;

    // Checkable, checked by default; the main window puts them in its
    // Options menu and saves the settings when they are triggered.
    QAction* playSoundsAction() const { return PlaySounds1; }
    QAction* playerPhraseSoundsAction() const { return PlayerPhraseSounds1; }

    bool playSounds() const;
    void setPlaySounds(bool on);
    bool playerPhraseSounds() const;
    void setPlayerPhraseSounds(bool on);

    void setSeatCaption(SeatCaption caption) { seatCaption_ = std::move(caption); }
    // Receives the "<Chatter Sound>" line, normally ChatView::addlinetochat.
    void setLineSink(LineSink sink) { lineSink_ = std::move(sink); }

public slots:
    // An event sound ("turn", "winner", ...); only while "Play Sounds" is on.
    void playsounds(const QString& name);
    // A chatter sound: plays whatever "Play Sounds" says.
    void playChatterSound(const QString& name);
    // Payload of "CMD_playasound": seat "+" sound name "+".
    void playasound(const QString& payload);

private:
    void start(const QString& name);

    std::unique_ptr<SoundOutput> output_;
    QAction* PlaySounds1;
    QAction* PlayerPhraseSounds1;
    SeatCaption seatCaption_;
    LineSink lineSink_;
};

}  // namespace velmora::client
