// The main window's side of the small windows: the menu items that open
// them, what they ask of the main window, and playing with others without
// the lobby.
#include <QAction>
#include <QFileInfo>
#include <QNetworkInterface>

#include "client/settings/playerfiles.h"
#include "client/window/relaunch.h"
#include "client/window/session.h"
#include "client/settings/settings.h"
#include "client/window/tchat.h"
#include "windows/sidewindows.h"

namespace velmora::client {
namespace {

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

void Tchat::wireSideWindows() {
    connect(side_->spylist, &windows::Tspylist::kick, this, [this](int place) { session_->kicking(place); });
    connect(action("SpyList1"), &QAction::triggered, side_->spylist, [this] { bringUp(side_->spylist); });
    connect(action("About1"), &QAction::triggered, side_->Tabout, [this] { bringUp(side_->Tabout); });
    connect(action("Content1"), &QAction::triggered, side_->Thelp, [this] { bringUp(side_->Thelp); });

    Settings settings;
    settings.load();
    windows::Tdownload* download = side_->download;
    download->setDownloadAddress(settings.text(SettingKey::Lobbydownload));
    download->setLobbyPath(settings.text(SettingKey::Lobbypath));
    download->setDownloadFolder(
        QFileInfo(playerFilePath(QStringLiteral("halvexlobby-setup"), FileKind::Data)).absolutePath());
    connect(download, &windows::Tdownload::exitGame, this, &QWidget::close);
    connect(download, &windows::Tdownload::hostOrJoin, this, &Tchat::openHostJoin);

    connect(action("HostOrJoin1"), &QAction::triggered, this, &Tchat::openHostJoin);
    relaunch_ = [this](const QStringList& arguments) {
        if (restartProgram(arguments)) close();
    };
}

void Tchat::openHostJoin() {
    if (!hostJoin_) {
        hostJoin_ = new windows::Thostjoin(this);
        connect(hostJoin_, &windows::Thostjoin::chosen, this, &Tchat::playWithOthers);
    }
    Settings settings;
    settings.load();
    QString name = settings.text(SettingKey::Playername);
    if (name.isEmpty() && session_->playerName != QLatin1String("You")) name = session_->playerName;
    hostJoin_->setRecent(name, recentGames(settings));
    hostJoin_->setOwnAddresses(ownAddresses());
    hostJoin_->open();
}

void Tchat::playWithOthers(const windows::HostJoinChoice& choice) {
    Settings settings;
    if (settings.load()) {
        settings.set(SettingKey::Playername, choice.name);
        if (!choice.host) {
            const QStringList recent = windows::rememberRecent(
                recentGames(settings), windows::recentEntry(choice.address, choice.port), std::size(kRecent));
            for (size_t i = 0; i < std::size(kRecent); ++i) settings.set(kRecent[i], recent.value(int(i)));
        }
        settings.save(SettingGroup::Recent);
    }
    if (relaunch_) relaunch_(launchArguments(choice));
}

}  // namespace velmora::client
