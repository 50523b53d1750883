#include "client/window/tchat.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QVBoxLayout>
#include <iostream>

#include "client/board/board.h"
#include "client/chat/chatinput.h"
#include "client/chat/chatview.h"
#include "client/settings/optionsmenu.h"
#include "client/chat/phrasebuttons.h"
#include "client/settings/windowbounds.h"
#include "client/sound/sounds.h"
#include "client/board/tableview.h"
#include "net/wire.h"

namespace velmora::client {

namespace {
const QColor kWindowColour(153, 115, 72);
}  // namespace

Tchat::Tchat(QStringList params, TchatOptions options, QWidget* parent)
    : QMainWindow(parent),
      params_(std::move(params)),
      session_(std::make_unique<Session>(options.session)) {
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
    buildMenus();
    buildSeatMenu();
    registerHandlers();
    hookTable();
    setGeometry(kDefaultBounds);
    // The side windows come after the main window; the program adds the host last.
    side_ = std::make_unique<windows::SideWindows>(this, windows::SideWindowsOptions{QString::fromLatin1(kVersion)});
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
    connect(session_.get(), &Session::closed, this, &Tchat::connectionEnded);
}

Tchat::~Tchat() = default;

void Tchat::setHost(HostControl* host) {
    host_ = host;
    if (host_) host_->setBotSpeed(botSpeed());
}

int Tchat::botSpeed() const { return options_->botSpeed(); }

void Tchat::hookTable() {
    auto text = [](const std::string& s) { return QString::fromStdString(s); };
    table_.hooks.sound = [this](std::string_view name) {
        sounds_->playsounds(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    };
    table_.hooks.chat = [this, text](const std::string& line) { addlinetochat(text(line)); };
    table_.hooks.uncheckJustWatch = [this] { JustWatch1->setChecked(false); };
    // Beyond the turn sound: ask the desktop to draw attention to the window.
    table_.hooks.ownTurn = [this] {
        if (!isActiveWindow()) QApplication::alert(this);
    };
    ActionHooks hooks;
    hooks.send = [this](const std::string& t) { return session_->send(t); };
    hooks.connected = [this] { return session_->connected(); };
    hooks.notice = [this, text](const std::string& t) { showNotice(text(t), false); };
    hooks.sound = table_.hooks.sound;
    hooks.playerName = [this] { return session_->playerName.toStdString(); };
    actions_ = std::make_unique<TableActions>(table_, std::move(hooks));
    TableView* view = board_->tableView();
    view->setClick([this](const BoardItem& item, Qt::MouseButton button, QPoint at) {
        actions_->click(item.name.toStdString(), item.tag, button == Qt::RightButton, at.x(), item.rect.width());
        board_->refresh();
    });
    view->setDrag([this](int id, int slot) {
        actions_->reorder(id, slot);
        board_->refresh();
    });
}

void Tchat::setGameRecorder(std::function<void(const QString& winner)> record) {
    table_.hooks.recordGame = [record = std::move(record)](const std::string& winner) {
        if (record) record(QString::fromStdString(winner));
    };
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
    const ChatSender sender{[this](const std::string& t) { return session_->send(t); },
                            [this] { return session_->ownSeat(); }, [this] { return session_->connected(); }};
    input->setSender(sender);
    mychat_ = input;
    mainchat_->setInputLine(mychat_);
    phrases_ = new PhraseButtons(phraseGate_, panel);
    phrases_->setSender(sender, [input] { return input->actionColour; });
    layout->addWidget(mainchat_, 1);
    layout->addWidget(mychat_);
    layout->addWidget(phrases_);
}

QAction* Tchat::action(const char* objectName) const {
    return findChild<QAction*>(QString::fromLatin1(objectName));
}

void Tchat::buildMenus() {
    auto add = [this](QMenu* menu, const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setParent(this);
        return a;
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    StartGame1 = add(file, "StartGame1", tr("Start Game"));
    connect(StartGame1, &QAction::triggered, this, &Tchat::button_startClick);
    file->addSeparator();
    connect(add(file, "Exit1", tr("Exit")), &QAction::triggered, this, &QWidget::close);

    optionsMenu_ = menuBar()->addMenu(tr("&Options"));
    JustWatch1 = makeJustWatch();

    QMenu* view = menuBar()->addMenu(tr("&View"));
    add(view, "ViewTally1", tr("View Tally"));
    add(view, "SpyList1", tr("Spy List"));
    add(view, "PrhaseList1", tr("Phrase List"));
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    add(help, "Content1", tr("Content"))->setShortcut(QKeySequence(Qt::Key_F1));
    add(help, "About1", tr("About"));
}

// Options are filled in once the side windows exist (see OptionsMenu).
QAction* Tchat::makeJustWatch() {
    auto* a = new QAction(tr("Just Watch"), this);
    a->setObjectName(QStringLiteral("JustWatch1"));
    a->setCheckable(true);
    // The check mark follows the host's confirmation, not the click.
    connect(a, &QAction::triggered, this, [this, a] {
        a->setChecked(!a->isChecked());
        JustWatch1Click();
    });
    return a;
}

void Tchat::buildOptions() {
    OptionsParts parts{this, mainchat_, static_cast<ChatInput*>(mychat_), sounds_, phrases_, side_->Tphrases,
                       side_->Tgamestart,
                       [this](int ms) {
                           if (host_) host_->setBotSpeed(ms);
                       },
                       [this](int value) { table_.turnSound = value; }};
    options_ = new OptionsMenu(std::move(parts), Settings(), this);
    options_->fill(optionsMenu_, JustWatch1);
    connect(action("PrhaseList1"), &QAction::triggered, options_, &OptionsMenu::PrhaseList1Click);
}

void Tchat::closeEvent(QCloseEvent* event) {
    options_->FormClose();
    QMainWindow::closeEvent(event);
}

void Tchat::buildSeatMenu() {
    popup_kick = new QMenu(this);
    popup_kick->setObjectName(QStringLiteral("popup_kick"));
    auto add = [this](const char* name, const QString& text, void (Tchat::*slot)()) {
        QAction* a = popup_kick->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
    };
    add("RemoveFromGame1", tr("Remove From Game"), &Tchat::RemoveFromGame1Click);
    add("SettoJustWatch1", tr("Set to Just Watch"), &Tchat::SettoJustWatch1Click);
    add("UnsetJustWatch1", tr("Unset Just Watch"), &Tchat::UnsetJustWatch1Click);
}

void Tchat::label_playername1ContextPopup(int seat, const QPoint& globalPos) {
    const bool host = session_->manages();
    const auto items = popup_kick->actions();
    for (QAction* a : items) a->setEnabled(host);
    if (board_->label_playername(seat)->text() == QLatin1String("<Waiting>")) items[0]->setEnabled(false);
    kickTarget_ = seat;
    popup_kick->popup(globalPos);
}

void Tchat::RemoveFromGame1Click() { session_->kicking(kickTarget_); }
void Tchat::SettoJustWatch1Click() { session_->requestJustWatch(kickTarget_, true); }
void Tchat::UnsetJustWatch1Click() { session_->requestJustWatch(kickTarget_, false); }

void Tchat::JustWatch1Click() {
    if (session_->connected() && session_->ownSeat() <= kSeatCount)
        session_->requestJustWatch(session_->ownSeat(), !JustWatch1->isChecked());
}

void Tchat::button_startClick() {
    actions_->button_startClick();
    board_->refresh();
}

void Tchat::addlinetochat(const QString& line, Colour colour) { mainchat_->addlinetochat(line, colour); }

void Tchat::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // After the window is on screen, so the player sees the loading notice.
    QMetaObject::invokeMethod(this, &Tchat::processparams, Qt::QueuedConnection);
}

void Tchat::processparams() {
    table_.showStart = false;
    board_->refresh();
    StartGame1->setEnabled(false);
    if (params_.isEmpty()) {
        addlinetochat(QStringLiteral("Loading Solo Game..Please wait."));
        session_->hostAddress = QStringLiteral("127.0.0.1");
        session_->playerName = QStringLiteral("You");
        side_->download->show();
        hostpress();
        return;
    }
    addlinetochat(QStringLiteral("Loading Multi-player Game.. Please Wait."));
    session_->playerName = params_.value(0);
    session_->hostAddress = params_.value(1);
    if (params_.size() < 3) return;
    const bool started = params_[2] == QLatin1String("true") ? hostpress() : joinpress();
    if (started) session_->openLobbyLink();
}

bool Tchat::hostpress() {
    if (!host_) {
        std::cerr << "velmora: this window was given no host to start" << std::endl;
        return false;
    }
    const QString error = session_->hostpress(*host_);
    if (!error.isEmpty()) {
        showNotice(error, false);
        return false;
    }
    offerStart(true);
    return true;
}

// The hosting player, or a headless table's owner, starts games and manages
// the seats; the button shows unless a game is under way.
void Tchat::offerStart(bool showButton) {
    table_.hosting = true;
    table_.showStart = showButton;
    board_->refresh();
    StartGame1->setEnabled(true);
    side_->spylist->setKickEnabled(true);
}

bool Tchat::joinpress() {
    const QString error = session_->joinpress();
    if (!error.isEmpty()) {
        showNotice(error, false);
        return false;
    }
    table_.showStart = false;
    board_->refresh();
    StartGame1->setEnabled(false);
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
        connect(box, &QMessageBox::finished, this, &QWidget::close);
    }
    box->open();
}

void Tchat::connectionEnded() {
    // A notice that ends the game ("Game is full") closes the window itself.
    if (closeAfterNotice_ && notice_) return;
    close();
}

}  // namespace velmora::client
