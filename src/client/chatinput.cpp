#include "client/chatinput.h"

#include <QKeyEvent>

#include "net/wire.h"

namespace velmora::client {

ChatInput::ChatInput(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("mychat"));
    setText(QString::fromLatin1(kPlaceholder));
}

void ChatInput::setSender(Sender sender, std::function<int()> ownSeat) {
    send_ = std::move(sender);
    ownSeat_ = std::move(ownSeat);
}

void ChatInput::keyPressEvent(QKeyEvent* event) {
    if (text() == QLatin1String(kPlaceholder)) clear();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        sendit();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ChatInput::sendit() {
    if (!send_ || text().isEmpty()) return;
    const QString typed = text();
    const std::string seat = std::to_string(ownSeat_ ? ownSeat_() : 0);
    std::string request;
    if (!typed.startsWith(QLatin1Char('/'))) {
        request = "CMD_chat+" + seat + "+" + typed.toStdString() + "|" + colourToText(textColour).toStdString();
    } else if (typed.startsWith(QLatin1String("/me"))) {
        request = "CMD_action+" + seat + "+" + typed.mid(4).toStdString() + "|" +
                  colourToText(actionColour).toStdString();
    }
    if (!request.empty() && !send_(wire::stripTerminators(request))) return;  // not connected: keep the text
    clear();
}

}  // namespace velmora::client
