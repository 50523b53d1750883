// The phrase buttons `b_phrase1`..`b_phrase9` (each sends its tool-tip as an
// action, at most once per rest of the phrase gate) and the sound-phrase
// button `b_phrase10` with its menu `popup_sounds`.
#pragma once

#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>

#include "client/chat/chatinput.h"
#include "client/art/colortext.h"

class QMenu;

namespace velmora::client {

class PhraseGate;

class PhraseButtons : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCount = 9;

    PhraseButtons(PhraseGate& gate, QWidget* parent = nullptr);
    // The sender and the action colour at the moment of sending.
    void setSender(ChatSender sender, std::function<Colour()> actionColour);

    static QString builtInPhrase(int n);
    QPushButton* b_phrase(int n) const { return buttons_[n - 1]; }
    QPushButton* b_phrase10() const { return sounds_; }
    QMenu* popup_sounds() const { return popup_; }

    // The phrase of button n (1..9) is its tool-tip. An empty phrase gives
    // the built-in one back; a very long one (from a hand-edited file) is
    // cut so that it still fits in one message.
    QString phrase(int n) const { return b_phrase(n)->toolTip(); }
    void setPhrase(int n, const QString& phrase);

    // The request a phrase sends.
    static std::string request(const QString& phrase, int seat, Colour action);

    // Buttons and captions grow with the board's zoom.
    void setZoom(qreal zoom);

    void b_phrase1Click(int n);
    void b_phrase10MouseUp();
    void wave4Click(int number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PhraseGate& gate_;
    ChatSender sender_;
    std::function<Colour()> actionColour_;
    std::array<QPushButton*, kCount> buttons_{};
    QPushButton* sounds_;
    QMenu* popup_;
};

}  // namespace velmora::client
