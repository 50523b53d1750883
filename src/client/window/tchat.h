// The main window `Tchat`: the board, the chat panel, the menus, and the
// handlers of the connection layer's messages. The network side lives in
// HostConnection; chat in ChatView; sounds in Sounds.
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "client/art/colortext.h"
#include "client/window/hostcontrol.h"
#include "client/chat/phrasegate.h"
#include "client/window/hostconnection.h"
#include "client/sound/sounds.h"
#include "client/model/actions.h"
#include "client/model/seating.h"
#include "client/model/tablemodel.h"
#include "net/portmapper.h"

class QAction;
class QActionGroup;
class QMenu;

namespace velmora::windows {
struct HostJoinChoice;
struct SideWindowHooks;
class SideWindows;
class Ttallylist;
class Thostjoin;
}  // namespace velmora::windows

namespace velmora::client {

class BoardPanel;
class ChatView;
class GameLog;
class KeyboardPlay;
class MainMenus;
class TableAccessibility;
class ZoomMenu;
class MotionOption;
class OptionsMenu;
class PhraseButtons;
class Sounds;


struct TchatOptions {
    HostConnectionOptions connection;
    std::unique_ptr<SoundOutput> soundOutput;  // null: Qt Multimedia
    // Hosting for others: opens the port on the router (null: left alone).
    std::unique_ptr<net::PortMapper> portMapper;
    // Go on with the host's saved game as soon as this copy hosts (--resume).
    bool resumeSaved = false;
    // Why the game before ended, told in the chat of the first screen (--said).
    QString said;
    // A first solo start with no name kept asks for it; tests that do not
    // ask play under the session's default name.
    bool askName = true;
};

class Tchat : public QMainWindow {
    Q_OBJECT
public:
    explicit Tchat(QStringList params, TchatOptions options = {}, QWidget* parent = nullptr);
    ~Tchat() override;

    // The copy's own host, started when this copy hosts. The program hands
    // it in after creating the window; it must outlive the window's use.
    void setHost(HostControl* host);
    // Starts the game anew with launch parameters (the host-or-join dialog);
    // restarts the program unless replaced.
    void setRelauncher(std::function<void(const QStringList& arguments)> relaunch);

    // The names at the table seats other than the own one.
    QStringList otherSeatNames() const;

    void addlinetochat(const QString& line, Colour colour = kSystemColour);
    // Ends the program without asking (SIGTERM, SIGINT): the question about
    // a running game is for the player's own close only.
    void quitWithoutAsking();
    // Reads the launch parameters and starts hosting or joining; runs once,
    // when the window is first shown.
    void processparams();

    void RemoveFromGame1Click();
    void SettoJustWatch1Click();
    void UnsetJustWatch1Click();
    void JustWatch1Click();
    void button_startClick();

    // The tally (tchat_tally.cpp): View > View Tally, the current-game list,
    // and a finished game; `winner` is the winner's name or "addtomine".
    void ViewTally1Click();
    void loadchecklist();
    void recordGame(const QString& winner);

signals:
    // Once per finished game at an own table seat, with the winner's name,
    // or "addtomine" when the own player won (the tally records it).
    void gameFinished(const QString& winner);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend struct TchatParts;  // tests reach the parts through it
    QAction* action(const char* objectName) const;
    void connectMenus();
    void buildOptions();
    void buildChatPanel();
    windows::SideWindowHooks sideWindowHooks();  // tchat_windows.cpp
    void wireSideWindows();
    void wireAccess();       // tchat_access.cpp, with the hint
    bool hintOffered() const;
    void showHint();
    // The Host/Join dialog, Enter hosting or joining; "Join a Game" shows
    // no hosting options.
    void openHostJoin(bool host, bool joinOnly = false);
    // The first screen's solo choice: remembered, and dealt from the next game.
    void chooseComputerPlayers(int count);
    // "Resume the unfinished game": the saved table comes back in this host.
    void resumeSavedGame();
    // A game others played is resumed only at a table hosted for them: the
    // Host dialog, with the choice ticked.
    void openHostToResume();
    void resumeAtStart();
    void playWithOthers(const windows::HostJoinChoice& choice);
    void openRouterPort();  // tchat_windows.cpp
    void tellTableAddress();
    void copyTableAddress();
    void wireTally();        // tchat_tally.cpp
    void wireTally(windows::Ttallylist& tally);
    void registerHandlers();
    void hookSeating();  // tchat_dispatch.cpp
    void hookTable();
    void label_playername1ContextPopup(int seat, const QPoint& globalPos);
    void showNotice(const QString& text, bool closeAfter);
    // Runs `then` at once outside a game; during one, only after the player
    // said yes to `question` in a box that does not block.
    void confirmThen(const QString& question, std::function<void()> then);
    // Asks in a box that does not block; `then` runs after a yes.
    void ask(const QString& question, std::function<void()> then);
    // Closes without asking: the game is over for this window anyway.
    void closeNow();
    void connectionEnded();
    // tchat_reconnect.cpp: the lost connection, its attempts, and the host's end.
    void connectionLost();
    void showAttempt(int attempt);
    void connectionRestored();
    void hostEnded();
    // Each reports whether the connection is under way; on failure the
    // player has been shown why and start-up ends there.
    bool hostpress(bool solo = false);
    void startSolo();  // the solo table and the first screen, once the name is known
    bool joinpress(bool again = false);
    // tchat_network.cpp: what failed, in a player's words, and the ways on.
    void joinFailed(HostConnection::JoinFailure failure);
    void hostFailed(const QString& error);
    // Starts again at the solo table, its chat saying `said` when not empty.
    void backToFirstScreen(const QString& said = {});
    void offerWays(const QString& text, const std::vector<std::pair<QString, std::function<void()>>>& ways);
    void offerStart(bool showButton);
    void tableowner(std::string_view payload);
    int botSpeed() const;

    QStringList params_;
    std::function<void(const QStringList& arguments)> relaunch_;
    std::unique_ptr<windows::SideWindows> side_;
    PhraseGate phraseGate_;
    TableModel table_;
    std::unique_ptr<TableActions> actions_;
    std::unique_ptr<Seating> seating_;
    std::unique_ptr<HostConnection> connection_;
    std::unique_ptr<net::PortMapper> portMapper_;  // gone with the window, and the mapping with it
    QString routerStatus_;  // what the router said, for the host-or-join dialog
    QString tableAddress_;  // where friends join a table hosted for them
    HostControl* host_ = nullptr;
    Sounds* sounds_ = nullptr;
    BoardPanel* board_ = nullptr;
    ChatView* mainchat_ = nullptr;
    QLineEdit* mychat_ = nullptr;
    PhraseButtons* phrases_ = nullptr;
    KeyboardPlay* keys_ = nullptr;
    ZoomMenu* zoom_ = nullptr;
    MotionOption* motion_ = nullptr;
    GameLog* gameLog_ = nullptr;
    TableAccessibility* access_ = nullptr;
    MainMenus* menus_ = nullptr;
    OptionsMenu* options_ = nullptr;
    QPointer<QMessageBox> notice_;
    QPointer<QMessageBox> confirm_;
    bool leaving_ = false;  // the player chose to go, or the connection ended
    QPointer<QMessageBox> reconnectBox_;
    windows::Thostjoin* hostJoin_ = nullptr;
    int kickTarget_ = 0;
    bool shownOnce_ = false;
    bool resumeAtStart_ = false;
    bool unfinishedOffered_ = false;  // the first screen offers a saved game a new game would replace
    bool watchingTold_ = false;  // the game log said the computer plays the own seat
    bool closeAfterNotice_ = false;
    QString said_;
    bool askName_ = true;
    // A lost connection being tried again, and whether the player gave up.
    enum class Reconnect { None, Trying, Cancelled } reconnect_ = Reconnect::None;
};

}  // namespace velmora::client
