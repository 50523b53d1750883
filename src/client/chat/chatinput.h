// The chat input line `mychat`: Enter sends chat, "/me" sends an action,
// "Paste" replaces the whole line. A line never grows past what the host
// accepts in one message, counted in UTF-8 bytes.
#pragma once

#include <QLineEdit>
#include <functional>
#include <string>

#include "client/art/colortext.h"

class QMenu;

namespace velmora::client {

// Longest chat or phrase text, in UTF-8 bytes, that still fits the host's
// message cap with the longest request around it ("CMD_action+" seat "+"
// text "|" colour text).
qsizetype maxChatTextBytes();
// The longest start of text within maxBytes of UTF-8, never cutting a
// character in two.
QString fitUtf8(const QString& text, qsizetype maxBytes);

// What a send goes through: the request text (without terminator), true
// when it was sent.
struct ChatSender {
    std::function<bool(const std::string& text)> send;
    std::function<int()> ownSeat;
    std::function<bool()> connected;
};

class ChatInput : public QLineEdit {
    Q_OBJECT
public:
    static constexpr const char* kPlaceholder = QT_TR_NOOP("<Enter Chat Here>");

    explicit ChatInput(QWidget* parent = nullptr);
    void setSender(ChatSender sender) { link_ = std::move(sender); }

    Colour textColour() const { return textColour_; }
    // Also the font colour of the line.
    void setTextColour(Colour colour);
    Colour actionColour = 0;  // black until the settings say otherwise

    // The request for a typed line; empty when it sends nothing.
    static std::string request(const QString& typed, int seat, Colour text, Colour action);

    void sendit();
    void Paste1Click();
    QMenu* popupMenu() const { return popup_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    ChatSender link_;
    Colour textColour_ = 0;
    QMenu* popup_;
};

}  // namespace velmora::client
