#include "client/chat/chatinput.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QValidator>

#include "net/inbox.h"
#include "net/wire.h"

namespace velmora::client {

namespace {

// Refuses typing (and dropping) beyond the byte cap.
class ByteCap : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return input.toUtf8().size() <= maxChatTextBytes() ? Acceptable : Invalid;
    }
};

// "/me" and the character after it, which may be a pair of UTF-16 units.
QString afterMe(const QString& typed) {
    qsizetype drop = 3;
    if (drop < typed.size()) drop += typed[drop].isHighSurrogate() && drop + 1 < typed.size() ? 2 : 1;
    return typed.mid(drop);
}

}  // namespace

qsizetype maxChatTextBytes() {
    // Places are single digits; two leave room. Colour texts are at most
    // nine characters ("$00BBGGRR", "clFuchsia").
    constexpr qsizetype kAround = sizeof(cmd::kAction) + 2 + 1 + 1 + 9;
    return static_cast<qsizetype>(net::InboxLimits::host().maxMessage) - kAround;
}

QString fitUtf8(const QString& text, qsizetype maxBytes) {
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t c = text[i].unicode();
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype size = pair ? 4 : c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        if (bytes + size > maxBytes) return text.left(i);
        bytes += size;
        if (pair) ++i;
    }
    return text;
}

ChatInput::ChatInput(QWidget* parent) : QLineEdit(parent), popup_(new QMenu(this)) {
    setObjectName(QStringLiteral("mychat"));
    setValidator(new ByteCap(this));
    setText(tr(kPlaceholder));
    // Shown once the designed text is gone: how to reach the table's keys.
    setPlaceholderText(tr("Chat here; Esc or F6 plays with the keys"));
    popup_->setObjectName(QStringLiteral("popup_mychat"));
    QAction* paste = popup_->addAction(tr("Paste"));
    paste->setObjectName(QStringLiteral("Paste1"));
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(paste, &QAction::triggered, this, &ChatInput::Paste1Click);
}

void ChatInput::setTextColour(Colour colour) {
    textColour_ = colour;
    QPalette pal = palette();
    pal.setColor(QPalette::Text, toQColor(colour));
    setPalette(pal);
}

void ChatInput::keyPressEvent(QKeyEvent* event) {
    if (text() == tr(kPlaceholder)) clear();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        sendit();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        Paste1Click();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ChatInput::contextMenuEvent(QContextMenuEvent* event) {
    popup_->popup(event->globalPos());
    event->accept();
}

void ChatInput::Paste1Click() {
    QString pasted = QApplication::clipboard()->text();
    if (pasted.isEmpty()) return;
    // One line; the rest of a long paste would get the player cut off.
    pasted.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    setText(fitUtf8(pasted, maxChatTextBytes()));
}

std::string ChatInput::request(const QString& typed, int seat, Colour text, Colour action) {
    const QString body = fitUtf8(typed, maxChatTextBytes());
    if (!body.startsWith(QLatin1Char('/')))
        return wire::message(cmd::kChat, seat, body.toStdString() + "|" + colourToText(text).toStdString());
    if (body.startsWith(QLatin1String("/me")))
        return wire::message(cmd::kAction, seat, afterMe(body).toStdString() + "|" + colourToText(action).toStdString());
    return {};  // other commands are not sent
}

void ChatInput::sendit() {
    if (!link_.connected || !link_.connected()) return;  // the text stays
    if (!text().isEmpty()) {
        const std::string req = request(text(), link_.ownSeat(), textColour_, actionColour);
        if (!req.empty()) link_.send(wire::stripTerminators(req));
    }
    clear();
}

}  // namespace velmora::client
