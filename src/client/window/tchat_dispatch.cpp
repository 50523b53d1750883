// The client's dispatch table; arrivals, departures and just-watching are
// the model's Seating, shown through its hooks.
#include "client/board/board.h"
#include "client/chat/chatview.h"
#include "client/settings/optionsmenu.h"
#include "client/sound/sounds.h"
#include "client/window/tchat.h"
#include "windows/sidewindows.h"
#include "net/wire.h"

namespace velmora::client {

namespace {
QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

void Tchat::registerHandlers() {
    net::Dispatcher& d = connection_->dispatcher();
    using Handler = std::function<void(std::string_view)>;
    auto add = [&d](const char* name, Handler h) {
        d.add(name, [h = std::move(h)](std::string_view payload, net::ConnectionId) { h(payload); });
    };
    auto chat = [this](std::string_view p) { mainchat_->chatrecieved(text(p)); };
    add(cmd::kSendlogininfo, [this](std::string_view p) {
        connection_->sendloginfo(p);
        table_.ownSeat = connection_->ownSeat();
    });
    add(cmd::kChat, chat);
    add(cmd::kAction, chat);
    add(cmd::kPlayasound, [this](std::string_view p) { sounds_->playasound(text(p)); });
    auto seated = [this](void (Seating::*h)(std::string_view)) {
        return [this, h](std::string_view p) {
            const TableModel::Batch told(table_);
            ((*seating_).*h)(p);
            table_.changed();
        };
    };
    add(cmd::kNewplayerinfo, seated(&Seating::arrived));
    add(cmd::kHavewrongversion, [this](std::string_view p) {
        addlinetochat(tr("%1 has a different version of the game then you.").arg(text(p)));
    });
    add(cmd::kWrongversion, [this](std::string_view) {
        addlinetochat(tr("You have a differnt version of the game then the host."));
    });
    add(cmd::kExistingplayers, seated(&Seating::arrived));
    add(cmd::kPlayerdisconnected, seated(&Seating::left));
    add(cmd::kFull, [this](std::string_view) { showNotice(tr("Game is full"), true); });
    add(cmd::kJustwatching, seated(&Seating::watching));
    add(cmd::kOwner, [this](std::string_view p) { tableowner(p); });
    add(cmd::kSeattoken, [this](std::string_view p) { connection_->seattoken(p); });
    add(cmd::kRejoinrefused, [this](std::string_view) { connection_->rejoinrefused(); });
    add(cmd::kHostclosing, [this](std::string_view) { hostEnded(); });
    for (const TableModel::Event& e : TableModel::events())
        add(e.command, [this, h = e.handler](std::string_view p) { table_.handle(h, p); });
}

// A headless host names the table's owner, who gets the hosting player's
// Start Game; mid-game it waits in the File menu.
void Tchat::tableowner(std::string_view payload) {
    if (wire::toInt(payload) != connection_->ownSeat()) return;
    connection_->becomeOwner();
    offerStart(table_.currentPlayer == 0 || table_.waitingForHost || table_.showWinner);
}

void Tchat::hookSeating() {
    SeatingHooks hooks;
    hooks.chat = [this](const std::string& line) { addlinetochat(QString::fromStdString(line)); };
    hooks.ownLogin = [this] { options_->loadinifile(); };
    hooks.spyArrived = [this](int place, const std::string& name) {
        side_->addSpy(place, QString::fromStdString(name));
    };
    hooks.spyLeft = [this](int place, const std::string& name) {
        return side_->removeSpy(place, QString::fromStdString(name));
    };
    hooks.ownWatching = [this](bool watching) { action("JustWatch1")->setChecked(watching); };
    seating_ = std::make_unique<Seating>(table_, std::move(hooks));
}

}  // namespace velmora::client
