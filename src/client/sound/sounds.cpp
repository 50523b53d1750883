#include "client/sound/sounds.h"

#include <QAction>

#include "client/sound/soundtable.h"

namespace velmora::client {

namespace {

QAction* makeSwitch(QObject* parent, const char* objectName, const QString& text) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

}  // namespace

Sounds::Sounds(QObject* parent) : Sounds(makeEffectOutput(), parent) {}

Sounds::Sounds(std::unique_ptr<SoundOutput> output, QObject* parent)
    : QObject(parent),
      output_(std::move(output)),
      PlaySounds1(makeSwitch(this, "PlaySounds1", tr("Play Sounds"))),
      PlayerPhraseSounds1(makeSwitch(this, "PlayerPhraseSounds1", tr("Player Phrase Sounds"))) {}

Sounds::~Sounds() = default;

bool Sounds::playSounds() const { return PlaySounds1->isChecked(); }
void Sounds::setPlaySounds(bool on) { PlaySounds1->setChecked(on); }
bool Sounds::playerPhraseSounds() const { return PlayerPhraseSounds1->isChecked(); }
void Sounds::setPlayerPhraseSounds(bool on) { PlayerPhraseSounds1->setChecked(on); }

void Sounds::playsounds(const QString& name) {
    if (playSounds()) start(name);
}

void Sounds::playChatterSound(const QString& name) { start(name); }

void Sounds::playasound(const QString& payload) {
    const QString seat = payload.section(u'+', 0, 0);
    const QString sound = payload.section(u'+', 1, 1);
    if (playerPhraseSounds()) {
        playChatterSound(sound);
        return;
    }
    // The line names the sender by its seat label and the sound by its menu
    // caption; if either is unknown the line would be nonsense, so none is shown.
    bool ok = false;
    const int seatNumber = seat.toInt(&ok);
    const QString who = ok && seatCaption_ ? seatCaption_(seatNumber) : QString();
    const QString caption = waveCaption(sound);
    if (who.isEmpty() || caption.isEmpty() || !lineSink_) return;
    lineSink_(tr("%1: <Chatter Sound> %2").arg(who, caption), kSystemColour);
}

void Sounds::start(const QString& name) {
    // A muted or unknown name must not cut off the sound that is playing.
    const QString path = soundResourcePath(name);
    if (path.isEmpty() || isMutedSound(name) || !output_) return;
    output_->start(path);
}

}  // namespace velmora::client
