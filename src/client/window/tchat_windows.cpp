// The main window's side of the small windows: the menu items that open
// them, what they ask of the main window, and playing with others without
// the lobby.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QFileInfo>
#include <QNetworkInterface>

#include "client/access/keyboardplay.h"
#include "client/settings/optionsmenu.h"
#include "client/settings/playerfiles.h"
#include "client/window/relaunch.h"
#include "client/window/hostconnection.h"
#include "client/settings/settings.h"
#include "client/window/tchat.h"
#include "game/discovery.h"
#include "net/tablefinder.h"
#include "windows/sidewindows.h"

namespace velmora::client {
namespace {

constexpr int kGamePlayPage = 3;  // the help page that lists the keys
constexpr SettingKey kRecent[] = {SettingKey::Recent1, SettingKey::Recent2, SettingKey::Recent3,
                                  SettingKey::Recent4, SettingKey::Recent5};

void bringUp(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}

// The addresses others can reach this computer at (loopback left out).
QStringList ownAddresses() {
    QStringList out;
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (!a.isLoopback() && a.protocol() == QAbstractSocket::IPv4Protocol) out << a.toString();
    return out;
}

QStringList recentGames(const Settings& settings) {
    QStringList out;
    for (SettingKey key : kRecent)
        if (!settings.text(key).isEmpty()) out << settings.text(key);
    return out;
}

}  // namespace

windows::SideWindowHooks Tchat::sideWindowHooks() {
    windows::SideWindowHooks hooks;
    hooks.spylist = [this](windows::Tspylist& spies) {
        connect(&spies, &windows::Tspylist::kick, this, [this](int place) { connection_->kicking(place); });
    };
    hooks.help = [](windows::Thelp& help) {
        help.appendSection(kGamePlayPage, tr("Keys"), KeyboardPlay::helpHtml());
    };
    hooks.phrases = [this](windows::Tphrases& editor) { options_->attachPhraseEditor(editor); };
    hooks.gamestart = [this](windows::Tgamestart& gamestart) { options_->attachGamestart(gamestart); };
    hooks.download = [this](windows::Tdownload& download) {
        Settings settings;
        settings.load();
        download.setDownloadAddress(settings.text(SettingKey::Lobbydownload));
        download.setLobbyPath(settings.text(SettingKey::Lobbypath));
        download.setComputerPlayers(settings.integer(SettingKey::Computerplayers));
        connect(&download, &windows::Tdownload::computerPlayersChosen, this, &Tchat::chooseComputerPlayers);
        download.setDownloadFolder(
            QFileInfo(playerFilePath(QStringLiteral("halvexlobby-setup"), FileKind::Data)).absolutePath());
        connect(&download, &windows::Tdownload::exitGame, this, &QWidget::close);
        connect(&download, &windows::Tdownload::hostOrJoin, this, [this](bool host) { openHostJoin(host, !host); });
        connect(&download, &windows::Tdownload::resumeChosen, this, &Tchat::resumeSavedGame);
    };
    hooks.tallylist = [this](windows::Ttallylist& tally) { wireTally(tally); };
    return hooks;
}

void Tchat::wireSideWindows() {
    connect(action("SpyList1"), &QAction::triggered, this, [this] { bringUp(side_->spylist()); });
    connect(action("About1"), &QAction::triggered, this, [this] { bringUp(side_->about()); });
    connect(action("Content1"), &QAction::triggered, this, [this] { bringUp(side_->help()); });
    connect(action("HostOrJoin1"), &QAction::triggered, this, [this] { openHostJoin(false); });
    connect(action("CopyAddress1"), &QAction::triggered, this, &Tchat::copyTableAddress);
    action("CopyAddress1")->setEnabled(false);
    relaunch_ = [this](const QStringList& arguments) {
        if (restartProgram(arguments)) closeNow();
    };
}

void Tchat::chooseComputerPlayers(int count) {
    Settings settings;
    if (settings.load()) {
        settings.set(SettingKey::Computerplayers, count);
        settings.save(SettingGroup::Solo);
    }
    if (host_ && connection_->hosting()) host_->setComputerSeats(count);
}

// A game started meanwhile ends only when the player says so; the table is
// then told afresh by the snapshot that follows.
void Tchat::resumeSavedGame() {
    if (!host_ || !connection_->hosting()) return;
    if (host_->savedGame().withOthers && params_.isEmpty()) {
        side_->download()->setSavedGame(true, {});   // still offered if the dialog is cancelled
        return openHostToResume();
    }
    confirmThen(tr("A game is under way. Resume the unfinished game instead? The game now played ends for everyone."),
                [this] {
                    const QString problem = host_->resumeSavedGame();
                    if (!problem.isEmpty()) return showNotice(problem, false);
                    unfinishedOffered_ = false;
                    const TableModel::Batch told(table_);
                    table_.clearall();
                    table_.changed();
                    addlinetochat(tr("The unfinished game is resumed."));
                });
}

void Tchat::openHostToResume() {
    openHostJoin(true);
    hostJoin_->setSavedGame(host_->savedGame().file, true);
}

// Started with --resume: nothing is under way yet, so nothing is asked.
void Tchat::resumeAtStart() {
    const QString problem = host_->resumeSavedGame();
    if (problem.isEmpty()) addlinetochat(tr("The unfinished game is resumed."));
    else addlinetochat(tr("The unfinished game cannot be resumed: %1.").arg(problem));
}

void Tchat::openHostJoin(bool host, bool joinOnly) {
    if (!hostJoin_) {
        hostJoin_ = new windows::Thostjoin(this);
        connect(hostJoin_, &windows::Thostjoin::chosen, this, &Tchat::playWithOthers);
        // Tables on the network are listened for only while the dialog is open.
        auto* finder = new net::TableFinder(hostJoin_);
        connect(finder, &net::TableFinder::tablesChanged, hostJoin_,
                [this, finder] { hostJoin_->setTables(finder->tables()); });
        connect(hostJoin_, &QDialog::finished, finder, &net::TableFinder::stop);
    }
    Settings settings;
    settings.load();
    // The name given at launch, else the one kept.
    QString name = params_.isEmpty() ? settings.text(SettingKey::Playername) : connection_->playerName;
    if (name.isEmpty() && connection_->playerName != QLatin1String("You")) name = connection_->playerName;
    hostJoin_->setRecent(name, recentGames(settings));
    hostJoin_->setOwnAddresses(ownAddresses());
    hostJoin_->setAnnounce(settings.flag(SettingKey::Announcetable));
    hostJoin_->setOpenPort(settings.flag(SettingKey::Openrouterport));
    hostJoin_->setRouterStatus(routerStatus_);
    hostJoin_->setTables({});
    // The saved game, while its file is there (a game ended here removed it).
    const QString saved = host_ && host_->savedGame().resumable() ? host_->savedGame().file : QString();
    hostJoin_->setSavedGame(QFileInfo::exists(saved) ? saved : QString(), false);
    hostJoin_->setJoinOnly(joinOnly);
    hostJoin_->preferHost(host);
    hostJoin_->findChild<net::TableFinder*>()->listen(kDiscoveryPort);
    hostJoin_->open();
}

void Tchat::playWithOthers(const windows::HostJoinChoice& choice) {
    Settings settings;
    if (settings.load()) {
        settings.set(SettingKey::Playername, choice.name);
        if (choice.host) settings.setFlag(SettingKey::Announcetable, choice.announce);
        if (!choice.host) {
            const QStringList recent = windows::rememberRecent(
                recentGames(settings), windows::recentEntry(choice.address, choice.port), std::size(kRecent));
            for (size_t i = 0; i < std::size(kRecent); ++i) settings.set(kRecent[i], recent.value(int(i)));
        }
        settings.save(SettingGroup::Recent);
        if (choice.host) {
            settings.setFlag(SettingKey::Openrouterport, choice.openPort);
            settings.save(SettingGroup::Router);
        }
    }
    if (relaunch_) relaunch_(launchArguments(choice));
}

// Hosting goes on whatever the router says; the player learns where friends
// elsewhere join, or why they cannot, in the chat and in the dialog.
void Tchat::openRouterPort() {
    if (!portMapper_) return;
    auto tell = [this](const QString& text) {
        routerStatus_ = text;
        // A chat line names its speaker before the first colon.
        addlinetochat(tr("Router: %1").arg(text));
        if (hostJoin_) hostJoin_->setRouterStatus(text);
    };
    connect(portMapper_.get(), &net::PortMapper::opened, this, [this, tell](const QString& address, quint16 port) {
        tableAddress_ = windows::recentEntry(address, port);
        tell(tr("Friends elsewhere join you at %1 (the port is open on your router).").arg(tableAddress_));
    });
    connect(portMapper_.get(), &net::PortMapper::failed, this,
            [tell](const QString& reason) { tell(reason + QLatin1Char('.')); });
    portMapper_->open(connection_->hostedPort());
}

}  // namespace velmora::client

namespace velmora::client {

// Hosting for others: where friends join, in the chat and for File > Copy
// Table Address (the router's address instead, once it opened the port).
void Tchat::tellTableAddress() {
    QStringList at;
    for (const QString& a : ownAddresses()) at << windows::recentEntry(a, connection_->hostedPort());
    if (at.isEmpty()) at << windows::recentEntry(QStringLiteral("127.0.0.1"), connection_->hostedPort());
    tableAddress_ = at.first();
    addlinetochat(tr("Table: friends on your network join you at %1.").arg(at.join(QStringLiteral(", "))));
    action("CopyAddress1")->setEnabled(true);
}

void Tchat::copyTableAddress() {
    if (tableAddress_.isEmpty()) return;
    QGuiApplication::clipboard()->setText(tableAddress_);
    addlinetochat(tr("Table: the address %1 is copied.").arg(tableAddress_));
}

}  // namespace velmora::client
