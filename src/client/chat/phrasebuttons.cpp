#include "client/chat/phrasebuttons.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <cmath>

#include "client/chat/chatview.h"
#include "client/chat/phrasegate.h"
#include "client/sound/soundtable.h"
#include "net/wire.h"

namespace velmora::client {

namespace {

constexpr int kButtonHeight = 20;

constexpr std::array<const char*, PhraseButtons::kCount> kBuiltIn{
    "Way To Go!", "Good One!", "Nice Try!", "Excellent!", "Brilliant!",
    "Wow, WTG!",  "Thanks!",   "Way To Go Teamie!", "Good Game Everyone!",
};

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);  // the keyboard stays in the chat line
    b->setFixedHeight(kButtonHeight);
    b->setMinimumWidth(20);
    return b;
}

}  // namespace

void PhraseButtons::setZoom(qreal zoom) {
    auto scale = [zoom](QPushButton* b) {
        zoomFont(b, zoom);
        b->setFixedHeight(static_cast<int>(std::lround(kButtonHeight * zoom)));
    };
    for (QPushButton* b : buttons_) scale(b);
    scale(sounds_);
}

QString PhraseButtons::builtInPhrase(int n) { return QString::fromLatin1(kBuiltIn[n - 1]); }

PhraseButtons::PhraseButtons(PhraseGate& gate, QWidget* parent)
    : QWidget(parent), gate_(gate), popup_(new QMenu(this)) {
    setObjectName(QStringLiteral("panel_phrases"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (int n = 1; n <= kCount; ++n) {
        QPushButton* b = makeButton(QStringLiteral("b_phrase%1").arg(n), QString::number(n), this);
        b->setToolTip(builtInPhrase(n));
        connect(b, &QPushButton::clicked, this, [this, n] { b_phrase1Click(n); });
        buttons_[n - 1] = b;
        row->addWidget(b);
    }
    sounds_ = makeButton(QStringLiteral("b_phrase10"), QStringLiteral("♪"), this);
    sounds_->setToolTip(QStringLiteral("/me waves \"Good-Bye\""));
    // Any mouse button opens the menu on release; the left one (and the
    // keyboard) through clicked, the others through the filter.
    connect(sounds_, &QPushButton::clicked, this, &PhraseButtons::b_phrase10MouseUp);
    sounds_->installEventFilter(this);
    row->addWidget(sounds_);

    popup_->setObjectName(QStringLiteral("popup_sounds"));
    for (const SoundMenuItem& item : soundMenuItems()) {
        QAction* a = popup_->addAction(QCoreApplication::translate("Sounds", item.caption));
        a->setObjectName(QString::fromLatin1(item.name));
        connect(a, &QAction::triggered, this, [this, number = item.number] { wave4Click(number); });
    }
}

void PhraseButtons::setSender(ChatSender sender, std::function<Colour()> actionColour) {
    sender_ = std::move(sender);
    actionColour_ = std::move(actionColour);
}

void PhraseButtons::setPhrase(int n, const QString& phrase) {
    b_phrase(n)->setToolTip(phrase.isEmpty() ? builtInPhrase(n) : fitUtf8(phrase, maxChatTextBytes()));
}

std::string PhraseButtons::request(const QString& phrase, int seat, Colour action) {
    const bool me = phrase.startsWith(QLatin1String("/me "));
    const QString text = fitUtf8(me ? phrase.mid(4) : QStringLiteral("says: ") + phrase, maxChatTextBytes());
    return wire::message(cmd::kAction, seat, text.toStdString() + "|" + colourToText(action).toStdString());
}

void PhraseButtons::b_phrase1Click(int n) {
    if (!gate_.open() || !sender_.send) return;
    sender_.send(request(phrase(n), sender_.ownSeat(), actionColour_ ? actionColour_() : 0));
    gate_.pass();
}

void PhraseButtons::b_phrase10MouseUp() { popup_->popup(sounds_->mapToGlobal(sounds_->rect().bottomRight())); }

bool PhraseButtons::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sounds_ && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton && sounds_->rect().contains(mouse->position().toPoint()))
            b_phrase10MouseUp();
    }
    return QWidget::eventFilter(watched, event);
}

void PhraseButtons::wave4Click(int number) {
    if (number == 0 || !sender_.connected || !sender_.connected()) return;  // "<Cancel>"
    sender_.send(wire::message(cmd::kPlayasound, sender_.ownSeat(), "wave" + std::to_string(number), ""));
}

}  // namespace velmora::client
