#include "client/window/tchat.h"
#include "windows/sidewindows.h"

#include <QCloseEvent>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QVBoxLayout>
#include <utility>

#include "client/board/board.h"
#include "client/board/motionoption.h"
#include "client/chat/chatinput.h"
#include "client/chat/chatview.h"
#include "client/settings/optionsmenu.h"
#include "client/settings/settings.h"
#include "client/chat/phrasebuttons.h"
#include "client/settings/windowbounds.h"
#include "client/sound/sounds.h"
#include "client/board/tableview.h"
#include "client/window/firstpaint.h"
#include "client/window/mainmenus.h"
#include "client/window/playername.h"
#include "net/logging.h"
#include "net/wire.h"

namespace velmora::client {

namespace {
const QColor kWindowColour(153, 115, 72);
}  // namespace

Tchat::Tchat(QStringList params, TchatOptions options, QWidget* parent)
    : QMainWindow(parent),
      params_(std::move(params)),
      connection_(std::make_unique<HostConnection>(options.connection)),
      portMapper_(std::move(options.portMapper)),
      resumeAtStart_(options.resumeSaved),
      said_(options.said),
      askName_(options.askName) {
    setObjectName(QStringLiteral("Tchat"));
    setWindowTitle(QStringLiteral("Velmora"));
    sounds_ = options.soundOutput ? new Sounds(std::move(options.soundOutput), this) : new Sounds(this);

    auto* central = new QWidget(this);
    QPalette pal = central->palette();
    pal.setColor(QPalette::Window, kWindowColour);
    central->setPalette(pal);
    central->setAutoFillBackground(true);
    board_ = new BoardPanel(table_, central);
    board_->move(2, 1);
    // FormResize: never smaller than the board and a 4-pixel margin.
    central->setMinimumSize(BoardPanel::kWidth + 4, BoardPanel::kHeight + 4);
    setCentralWidget(central);
    buildChatPanel();
    menus_ = new MainMenus(this);
    connectMenus();
    registerHandlers();
    hookTable();
    hookSeating();
    setGeometry(kDefaultBounds);
    // The side windows are made when first shown; the program adds the host.
    side_ = std::make_unique<windows::SideWindows>(this, windows::SideWindowsOptions{QString::fromLatin1(kVersion)},
                                                   sideWindowHooks());
    wireSideWindows();
    buildOptions();
    wireTally();
    wireAccess();

    sounds_->setLineSink([this](const QString& line, Colour c) { addlinetochat(line, c); });
    sounds_->setSeatCaption([this](int seat) {
        return seat >= 1 && seat <= kSeatCount ? board_->label_playername(seat)->text() : QString();
    });
    connect(board_->button_start(), &QPushButton::clicked, this, &Tchat::button_startClick);
    connect(board_, &BoardPanel::seatMenuRequested, this, &Tchat::label_playername1ContextPopup);
    connect(connection_.get(), &HostConnection::closed, this, &Tchat::connectionEnded);
    connect(connection_.get(), &HostConnection::lost, this, &Tchat::connectionLost);
    connect(connection_.get(), &HostConnection::reconnectAttempt, this, &Tchat::showAttempt);
    connect(connection_.get(), &HostConnection::restored, this, &Tchat::connectionRestored);
    connect(connection_.get(), &HostConnection::joinFailed, this, &Tchat::joinFailed);
}

Tchat::~Tchat() = default;

void Tchat::setHost(HostControl* host) {
    host_ = host;
    if (host_) host_->setBotSpeed(botSpeed());
    if (host_) host_->setComputerLevel(options_->computerLevel());
}

int Tchat::botSpeed() const { return options_->botSpeed(); }

void Tchat::hookTable() {
    auto text = [](const std::string& s) { return QString::fromStdString(s); };
    table_.hooks.sound = [this](std::string_view name) {
        sounds_->playsounds(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    };
    table_.hooks.chat = [this, text](const std::string& line) { addlinetochat(text(line)); };
    table_.hooks.uncheckJustWatch = [this] { action("JustWatch1")->setChecked(false); };
    // Beyond the turn sound: ask the desktop to draw attention to the window.
    table_.hooks.recordGame = [this](const std::string& winner) { emit gameFinished(QString::fromStdString(winner)); };
    table_.hooks.ownTurn = [this] {
        if (!isActiveWindow()) QApplication::alert(this);
    };
    ActionHooks hooks;
    hooks.send = [this](const std::string& t) { return connection_->send(t); };
    hooks.connected = [this] { return connection_->connected(); };
    hooks.notice = [this, text](const std::string& t) { showNotice(text(t), false); };
    hooks.sound = table_.hooks.sound;
    hooks.playerName = [this] { return connection_->playerName.toStdString(); };
    actions_ = std::make_unique<TableActions>(table_, std::move(hooks));
    table_.onChanged([board = board_] { board->refresh(); });
    TableView* view = board_->tableView();
    view->setClick([this](const BoardItem& item, Qt::MouseButton button, QPoint at) {
        actions_->activate(item.target, TableActions::endAt(at.x(), item.rect.width()), button == Qt::RightButton);
    });
    view->setDrag([this](int id, int slot) { actions_->reorder(id, slot); });
}

void Tchat::setRelauncher(std::function<void(const QStringList& arguments)> relaunch) {
    relaunch_ = std::move(relaunch);
}

QStringList Tchat::otherSeatNames() const {
    QStringList names;
    for (const std::string& n : table_.otherSeatNames()) names << QString::fromStdString(n);
    return names;
}

void Tchat::buildChatPanel() {
    auto* panel = new QWidget(board_);
    panel->setObjectName(QStringLiteral("panel_chat"));
    panel->setGeometry(board_->chatPanelRect());
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    mainchat_ = new ChatView(panel);
    auto* input = new ChatInput(panel);
    const ChatSender sender{[this](const std::string& t) { return connection_->send(t); },
                            [this] { return connection_->ownSeat(); }, [this] { return connection_->connected(); }};
    input->setSender(sender);
    mychat_ = input;
    mainchat_->setInputLine(mychat_);
    phrases_ = new PhraseButtons(phraseGate_, panel);
    phrases_->setSender(sender, [input] { return input->actionColour; });
    layout->addWidget(mainchat_, 1);
    layout->addWidget(mychat_);
    layout->addWidget(phrases_);
    connect(board_, &BoardPanel::zoomed, this, [this](qreal zoom) {
        mainchat_->setZoom(zoom);
        zoomFont(mychat_, zoom);
        phrases_->setZoom(zoom);
    });
}

QAction* Tchat::action(const char* objectName) const { return menus_->action(objectName); }

void Tchat::connectMenus() {
    connect(action("StartGame1"), &QAction::triggered, this, &Tchat::button_startClick);
    connect(action("Exit1"), &QAction::triggered, this, &QWidget::close);  // closeEvent asks
    QAction* justWatch = action("JustWatch1");
    // The check mark follows the host's confirmation, not the click.
    connect(justWatch, &QAction::triggered, this, [this, justWatch] {
        justWatch->setChecked(!justWatch->isChecked());
        JustWatch1Click();
    });
    connect(action("RemoveFromGame1"), &QAction::triggered, this, &Tchat::RemoveFromGame1Click);
    connect(action("SettoJustWatch1"), &QAction::triggered, this, &Tchat::SettoJustWatch1Click);
    connect(action("UnsetJustWatch1"), &QAction::triggered, this, &Tchat::UnsetJustWatch1Click);
}

void Tchat::buildOptions() {
    OptionsParts parts{this, mainchat_, static_cast<ChatInput*>(mychat_), sounds_, phrases_, side_.get()};
    options_ = new OptionsMenu(std::move(parts), Settings(), this);
    connect(options_, &OptionsMenu::botSpeedChanged, this, [this](int ms) {
        if (host_) host_->setBotSpeed(ms);
    });
    connect(options_, &OptionsMenu::computerLevelChanged, this, [this](int level) {
        if (host_) host_->setComputerLevel(level);
    });
    connect(options_, &OptionsMenu::turnSoundChanged, this, [this](int value) { table_.turnSound = value; });
    options_->fill(menus_->menu(MainMenus::Menu::Options), action("JustWatch1"));
    menus_->collect(MainMenus::Menu::Options);
    connect(action("PrhaseList1"), &QAction::triggered, options_, &OptionsMenu::PrhaseList1Click);
}

void Tchat::closeEvent(QCloseEvent* event) {
    if (!leaving_ && table_.gameOn && connection_->connected()) {
        event->ignore();
        const QString question = connection_->manages()
                                     ? tr("A game is under way. Exit and end it for everyone at the table?")
                                     : tr("A game is under way. Exit and leave your seat to the computer?");
        confirmThen(question, [this] { closeNow(); });
        return;
    }
    leaving_ = true;  // nothing starts after the close (the first paint's fallback, the name question)
    options_->FormClose();
    QMainWindow::closeEvent(event);
}

void Tchat::label_playername1ContextPopup(int seat, const QPoint& globalPos) {
    const bool host = connection_->manages();
    QMenu* menu = menus_->menu(MainMenus::Menu::Seat);
    for (QAction* a : menu->actions()) a->setEnabled(host);
    if (table_.name(seat) == "<Waiting>")
        action("RemoveFromGame1")->setEnabled(false);
    kickTarget_ = seat;
    menu->popup(globalPos);
}

void Tchat::RemoveFromGame1Click() { connection_->kicking(kickTarget_); }
void Tchat::SettoJustWatch1Click() { connection_->requestJustWatch(kickTarget_, true); }
void Tchat::UnsetJustWatch1Click() { connection_->requestJustWatch(kickTarget_, false); }

void Tchat::JustWatch1Click() {
    if (connection_->connected() && connection_->ownSeat() <= kSeatCount)
        connection_->requestJustWatch(connection_->ownSeat(), !action("JustWatch1")->isChecked());
}

void Tchat::button_startClick() {
    auto start = [this] {
        // The saved game is replaced by this one: no longer offered.
        if (std::exchange(unfinishedOffered_, false)) side_->download()->setSavedGame(false, {});
        actions_->button_startClick();
    };
    if (!table_.gameOn && unfinishedOffered_ && connection_->connected())
        return ask(tr("An unfinished game is saved. Start a new game instead? The unfinished game cannot be "
                      "resumed then."),
                   start);
    confirmThen(tr("A game is under way. Start a new game? The game now played ends for everyone."), start);
}

void Tchat::confirmThen(const QString& question, std::function<void()> then) {
    if (!table_.gameOn) {
        then();
        return;
    }
    ask(question, std::move(then));
}

void Tchat::ask(const QString& question, std::function<void()> then) {
    if (confirm_) confirm_->close();
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Velmora"), question,
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    confirm_ = box;
    connect(box, &QMessageBox::finished, this, [then = std::move(then)](int answer) {
        if (answer == QMessageBox::Yes) then();
    });
    box->open();
}

void Tchat::closeNow() {
    leaving_ = true;
    close();
}

void Tchat::quitWithoutAsking() {
    closeNow();
    QApplication::closeAllWindows();
}

void Tchat::addlinetochat(const QString& line, Colour colour) { mainchat_->addlinetochat(line, colour); }

void Tchat::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    mychat_->setFocus(Qt::OtherFocusReason);  // typed text is chat from the start
    // After the window is drawn, so the player sees the table and the loading
    // notice while the game is set up.
    afterFirstPaint(centralWidget(), [this] {
        motion_->askDesktop();
        processparams();
    });
}

void Tchat::processparams() {
    if (leaving_) return;
    table_.setShowStart(false);
    action("StartGame1")->setEnabled(false);
    if (params_.isEmpty()) {
        addlinetochat(tr("Loading Solo Game..Please wait."));
        // Why the game before this one ended, when it ended on its own.
        if (!said_.isEmpty()) addlinetochat(said_);
        connection_->hostAddress = QStringLiteral("127.0.0.1");
        // The name the player gave once, here or in the Host/Join dialog.
        Settings settings;
        settings.load();
        const QString saved = settings.text(SettingKey::Playername).trimmed().left(windows::Thostjoin::kMaxName);
        if (!saved.isEmpty() || !askName_) {
            if (!saved.isEmpty()) connection_->playerName = saved;
            return startSolo();
        }
        const int max = windows::Thostjoin::kMaxName;
        askPlayerName(this, accountName(max), max, [this](const QString& name) {
            if (leaving_) return;  // closed (or ended by a signal) while asking
            Settings kept;
            if (kept.load()) {
                kept.set(SettingKey::Playername, name);
                kept.save(SettingGroup::Recent);
            }
            connection_->playerName = name;
            startSolo();
        });
        return;
    }
    addlinetochat(tr("Loading Multi-player Game.. Please Wait."));
    connection_->playerName = params_.value(0);
    connection_->hostAddress = params_.value(1);
    if (params_.size() < 3) return;
    const bool hosting = params_[2] == QLatin1String("true");
    const bool started = hosting ? hostpress() : joinpress();
    if (!started) return;
    connection_->openLobbyLink();
    if (hosting && resumeAtStart_) resumeAtStart();
}

void Tchat::startSolo() {
    side_->download()->show();
    if (host_) host_->setComputerSeats(side_->download()->computerPlayers());
    if (!hostpress(true)) return;
    if (resumeAtStart_) return resumeAtStart();
    const HostControl::SavedGame game = host_->savedGame();
    side_->download()->setSavedGame(game.resumable(), game.problem);
    unfinishedOffered_ = game.resumable();
}

bool Tchat::hostpress(bool solo) {
    if (!host_) {
        qCWarning(net::lcClient) << "this window was given no host to start";
        return false;
    }
    const QString error = connection_->hostpress(*host_, solo);
    if (!error.isEmpty()) {
        hostFailed(error);
        return false;
    }
    offerStart(true);
    if (solo) return true;
    tellTableAddress();
    openRouterPort();
    return true;
}

// The hosting player, or a headless table's owner, starts games and manages
// the seats; the button shows unless a game is under way.
void Tchat::offerStart(bool showButton) {
    table_.hosting = true;
    table_.setShowStart(showButton);
    action("StartGame1")->setEnabled(true);
    side_->setKickEnabled(true);
}

bool Tchat::joinpress(bool again) {
    const QString error = connection_->joinpress(again);
    if (!error.isEmpty()) {
        joinFailed(HostConnection::JoinFailure::NameNotFound);
        return false;
    }
    table_.setShowStart(false);
    action("StartGame1")->setEnabled(false);
    return true;
}

// Boxes never block: a message handler must not run a nested event loop.
void Tchat::showNotice(const QString& text, bool closeAfter) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Velmora"), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    notice_ = box;
    if (closeAfter) {
        closeAfterNotice_ = true;
        connect(box, &QMessageBox::finished, this, &Tchat::closeNow);
    }
    box->open();
}

void Tchat::connectionEnded() {
    if (reconnectBox_) reconnectBox_->disconnect(this), reconnectBox_->close();
    // A notice that ends the game ("Game is full") closes the window itself;
    // after the host's own end the window stays for the first screen.
    if ((closeAfterNotice_ && notice_) || connection_->hostEnded()) return;
    if (leaving_) return closeNow();
    // Never gone without a word: the first screen, with what happened.
    const QString said = reconnect_ == Reconnect::Cancelled ? tr("You stopped reconnecting and left the game.")
                         : reconnect_ == Reconnect::Trying
                             ? tr("The connection to the game was lost and could not be restored.")
                             : tr("The connection to the game has ended.");
    reconnect_ = Reconnect::None;
    backToFirstScreen(said);
}

}  // namespace velmora::client
