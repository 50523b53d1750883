// Finding a web address, mail address and the like in the chat text. Chat
// lines are plain text, so links are recognised under the pointer rather
// than marked up when they arrive.
#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace velmora::client {

struct ChatLink {
    int start = 0;   // index of the first character in the searched text
    int length = 0;
    QString text;    // as shown, letter case kept
};

// The link covering text[index], if any. Blanks and line breaks (including
// QTextDocument's paragraph separators) end a word.
std::optional<ChatLink> linkAt(const QString& text, int index);

// What to hand the desktop: "www." addresses get "http://" in front.
QUrl linkUrl(const QString& linkText);

}  // namespace velmora::client
