// The chat input line `mychat`: Enter sends chat, "/me " sends an action.
#pragma once

#include <QLineEdit>
#include <functional>
#include <string>

#include "client/colortext.h"

namespace velmora::client {

class ChatInput : public QLineEdit {
    Q_OBJECT
public:
    static constexpr const char* kPlaceholder = "<Enter Chat Here>";
    // Sends a request text; false when not connected.
    using Sender = std::function<bool(const std::string& text)>;

    explicit ChatInput(QWidget* parent = nullptr);
    void setSender(Sender sender, std::function<int()> ownSeat);

    Colour textColour = 0;    // black until the settings say otherwise
    Colour actionColour = 0;

    void sendit();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Sender send_;
    std::function<int()> ownSeat_;
};

}  // namespace velmora::client
