// The client's dispatch table and the handlers of arrivals, departures and
// just-watching.
#include "client/board/board.h"
#include "client/chat/chatview.h"
#include "client/settings/optionsmenu.h"
#include "client/sound/sounds.h"
#include "client/window/tchat.h"
#include "net/wire.h"

namespace velmora::client {

using wire::FieldReader;

namespace {
QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

void Tchat::registerHandlers() {
    net::Dispatcher& d = session_->dispatcher();
    using Handler = std::function<void(std::string_view)>;
    auto add = [&d](const char* name, Handler h) {
        d.add(name, [h = std::move(h)](std::string_view payload, net::ConnectionId) { h(payload); });
    };
    auto chat = [this](std::string_view p) { mainchat_->chatrecieved(text(p)); };
    add(cmd::kSendlogininfo, [this](std::string_view p) {
        session_->sendloginfo(p);
        table_.ownSeat = session_->ownSeat();
    });
    add(cmd::kChat, chat);
    add(cmd::kAction, chat);
    add(cmd::kPlayasound, [this](std::string_view p) { sounds_->playasound(text(p)); });
    add(cmd::kNewplayerinfo, [this](std::string_view p) { newplayerinfo(p); });
    add(cmd::kHavewrongversion, [this](std::string_view p) {
        addlinetochat(text(p) + QStringLiteral(" has a different version of the game then you."));
    });
    add(cmd::kWrongversion, [this](std::string_view) {
        addlinetochat(QStringLiteral("You have a differnt version of the game then the host."));
    });
    add(cmd::kExistingplayers, [this](std::string_view p) { newplayerinfo(p); });
    add(cmd::kPlayerdisconnected, [this](std::string_view p) { playerdisconnected(p); });
    add(cmd::kFull, [this](std::string_view) { showNotice(QStringLiteral("Game is full"), true); });
    add(cmd::kJustwatching, [this](std::string_view p) { justwatching(p); });
    add(cmd::kOwner, [this](std::string_view p) { tableowner(p); });
    for (const TableModel::Event& e : TableModel::events())
        add(e.command, [this, h = e.handler](std::string_view p) {
            (table_.*h)(p);
            board_->refresh();
        });
}

// A headless host names the table's owner, who gets the hosting player's
// Start Game; mid-game it waits in the File menu.
void Tchat::tableowner(std::string_view payload) {
    if (wire::toInt(payload) != session_->ownSeat()) return;
    session_->becomeOwner();
    offerStart(table_.currentPlayer == 0 || table_.showWinner);
}

void Tchat::newplayerinfo(std::string_view payload) {
    FieldReader f(payload);
    const int place = f.nextInt();
    const QString name = text(f.rest());
    const bool own = place == session_->ownSeat();
    if (own) {
        addlinetochat(QStringLiteral("You are Connected."));
        options_->loadinifile();
        if (place >= 2 && place <= kSeatCount) {
            table_.sortstuff(place);
            board_->refresh();
        }
    } else {
        addlinetochat(name + QStringLiteral(" is Connected."));
    }
    if (place >= 1 && place <= kSeatCount) {
        table_.setName(place, name.toStdString());
        board_->refresh();
    } else {
        side_->spylist->addSpy(place, name);
        addlinetochat(own ? QStringLiteral("You are spying.") : name + QStringLiteral(" is spying."));
    }
    sounds_->playsounds(QStringLiteral("entered"));
}

void Tchat::playerdisconnected(std::string_view payload) {
    FieldReader f(payload);
    const std::string_view placeText = f.next();
    const int place = wire::toInt(placeText);
    const QString name = text(f.rest());
    if (place >= 1 && place <= kSeatCount) {
        QLabel* label = board_->label_playername(place);
        const QString caption = label->text();
        if (caption != QLatin1String("<Waiting>") && caption != label->toolTip())
            addlinetochat(caption + QStringLiteral(" disconnected."));
        table_.setName(place, placeText == "2" ? std::string(kComputerNames[2]) : "<Waiting>");
        table_.seats[place].watching = false;
        board_->refresh();
        return;
    }
    if (side_->spylist->removeSpy(place, name)) addlinetochat(name + QStringLiteral(" has left."));
}

void Tchat::justwatching(std::string_view payload) {
    FieldReader f(payload);
    const int seat = f.nextInt();
    if (seat < 1 || seat > kSeatCount) return;
    const bool watching = f.rest() == "1";
    if (seat == session_->ownSeat()) JustWatch1->setChecked(watching);
    const QString caption = board_->label_playername(seat)->text();
    addlinetochat(caption + (watching ? QStringLiteral(" is just watching") : QStringLiteral(" is now playing again")));
    table_.seats[seat].watching = watching;
    board_->refresh();
}

}  // namespace velmora::client
