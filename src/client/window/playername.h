// The player's name at the first start: asked once, offered from the
// account (its full name, else the login), and kept in the settings, so no
// player is ever called "You".
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace velmora::client {

// The account's full name, else its login; printable and at most `max`
// characters; empty when the system knows neither.
QString accountName(int max);

// Asks for the name in a dialog that does not block, `offered` filled in;
// `done` gets the name (the offered one when the player gives none or
// closes the dialog). The dialog is "dialog_playername".
void askPlayerName(QWidget* parent, const QString& offered, int max, std::function<void(const QString&)> done);

}  // namespace velmora::client
