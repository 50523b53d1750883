// Playing without a mouse and at any size: the Play menu with its keys, the
// focus ring, the keys' help section, the game log, the screen readers'
// view of the painted table, View > Last Round Summary and View > Zoom.

#include <algorithm>
#include <utility>

#include "client/board/board.h"
#include "client/chat/chatview.h"
#include "client/access/gamelog.h"
#include "client/access/hintbutton.h"
#include "client/access/keyboardplay.h"
#include "client/settings/settings.h"
#include "client/access/tableaccessible.h"
#include "client/board/tableview.h"
#include "client/window/mainmenus.h"
#include "client/window/tchat.h"
#include "client/board/zoommenu.h"
#include "client/board/motionoption.h"

namespace velmora::client {

void Tchat::wireAccess() {
    // First: the table view's interface is made at the first question about it.
    access_ = new TableAccessibility(board_, table_, this);
    KeyboardParts parts;
    parts.window = this;
    parts.table = &table_;
    parts.actions = actions_.get();
    parts.view = board_->tableView();
    parts.chatInput = mychat_;
    parts.hint = [this] { showHint(); };
    keys_ = new KeyboardPlay(std::move(parts), this);
    keys_->fillMenu(menus_->menu(MainMenus::Menu::Play));
    menus_->collect(MainMenus::Menu::Play);
    // Not offered to a spectator, nor off the own turn.
    auto* hintButton = new HintButton(board_);
    connect(hintButton, &QPushButton::clicked, this, &Tchat::showHint);
    table_.onChanged([this, hintButton] {
        action("KeyHint1")->setEnabled(hintOffered());
        // Kept in place while a request of the turn waits for the host, so
        // the status line does not jump at every click.
        const bool turn = host_ && table_.ownTableSeat() && table_.currentPlayer == table_.ownSeat &&
                          !table_.ownWatching() && (table_.turnPhase == 1 || table_.turnPhase == 2);
        hintButton->setOffered(turn);
        hintButton->setEnabled(hintOffered());
    });
    action("KeyHint1")->setEnabled(false);

    gameLog_ = new GameLog(board_, table_, this);
    connect(keys_, &KeyboardPlay::focusMoved, access_, &TableAccessibility::focusMoved);
    // Arrivals, departures and chat lines all reach the chat view.
    access_->followChat(mainchat_->document());
    table_.hooks.status = [this](const std::string& text) {
        // Said once when watching begins, not again at every turn of it.
        const bool watching = text == i18n::translate("TableModel", TableModel::kComputerPlaysText);
        if (watching && std::exchange(watchingTold_, true)) return;
        if (!watching && !table_.ownWatching()) watchingTold_ = false;
        gameLog_->panel()->addStatus(table_.round, QString::fromStdString(table_.logLine));
        access_->announce(QString::fromStdString(text));
    };

    QAction* lastSummary = action("LastRoundSummary1");
    connect(lastSummary, &QAction::triggered, board_->tableView(), &TableView::reopenSummary);
    connect(board_, &BoardPanel::refreshed, lastSummary,
            [this, lastSummary] { lastSummary->setEnabled(board_->tableView()->hasLastSummary()); });
    lastSummary->setEnabled(false);

    zoom_ = new ZoomMenu(board_, centralWidget(), Settings::defaultPath(), this);
    connect(action("GameLog1"), &QAction::triggered, gameLog_, &GameLog::showLog);
    zoom_->fill(menus_->menu(MainMenus::Menu::Zoom));
    menus_->collect(MainMenus::Menu::Zoom);
    zoom_->load();

    motion_ = new MotionOption(board_->tableView(), Settings::defaultPath(), this);
    motion_->fill(menus_->menu(MainMenus::Menu::Options));
    menus_->collect(MainMenus::Menu::Options);
    motion_->load();
}

// The advice is offered on the own turn at a table seat the player plays.
bool Tchat::hintOffered() const {
    return host_ && table_.mayAct() && (table_.turnPhase == 1 || table_.turnPhase == 2);
}

// Shows the strong player's advice on the table: the cards to lay, hit or
// throw are raised, the pile to take from or a hit's group is outlined once
// the table has been laid out again, and the reason goes to the status line
// and so the game log. Nothing is sent.
void Tchat::showHint() {
    if (!hintOffered()) return;
    const HintAnswer answer = host_->hint(table_);
    if (answer.reason.isEmpty()) return;
    {
        TableModel::Batch batch(table_);
        for (HandSlot& card : table_.hand) {
            if (card.empty()) continue;
            const bool advised = std::find(answer.raise.begin(), answer.raise.end(), card.id) != answer.raise.end();
            if (card.selected != advised) table_.toggleSelected(card.id);
        }
        table_.setStatus(tr("Hint: %1").arg(answer.reason).toStdString());
        table_.changed();
    }
    using Pile = HintAnswer::Pile;
    BoardTarget mark;
    if (answer.pile != Pile::None)
        mark.role = answer.pile == Pile::Draw ? ItemRole::DrawPile : ItemRole::DiscardPile;
    else if (answer.group != 0)
        mark = {.role = ItemRole::Group, .seat = answer.seat, .group = answer.group};
    board_->tableView()->showHint(mark);
}

}  // namespace velmora::client
