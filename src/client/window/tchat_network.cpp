// The main window's answers when the network fails at the start: a join that
// finds nobody, and a port already taken when hosting. Each says what failed
// in a player's words and offers a way on, in a box that does not block.
#include <QMessageBox>
#include <QPushButton>
#include <QTcpServer>

#include "client/window/hostconnection.h"
#include "client/window/tchat.h"

namespace velmora::client {
namespace {

constexpr int kPortsTried = 20;  // the ports after a taken one that are offered

QString failureText(HostConnection::JoinFailure failure, const QString& where) {
    switch (failure) {
        case HostConnection::JoinFailure::Refused:
            return Tchat::tr("Nobody is hosting a game at %1: the computer there refused the connection. "
                             "Check the address and the port, and ask the host whether the game is open.")
                .arg(where);
        case HostConnection::JoinFailure::Unreachable:
            return Tchat::tr("%1 cannot be reached from this computer. Check the address and your network "
                             "connection.")
                .arg(where);
        case HostConnection::JoinFailure::NoAnswer:
            return Tchat::tr("There was no answer from %1. The computer may be switched off, or a firewall may "
                             "be in the way.")
                .arg(where);
        case HostConnection::JoinFailure::NameNotFound:
            break;
    }
    return Tchat::tr("No computer named %1 was found. Check the spelling of the address.").arg(where);
}

// A port after `taken` that nothing on this computer holds now.
quint16 freePortAfter(quint16 taken) {
    for (int p = taken + 1; p <= taken + kPortsTried && p <= 65535; ++p) {
        QTcpServer probe;
        if (probe.listen(QHostAddress::Any, quint16(p))) return quint16(p);
    }
    return 0;
}

}  // namespace

void Tchat::offerWays(const QString& text, const std::vector<std::pair<QString, std::function<void()>>>& ways) {
    if (notice_) notice_->close();
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Velmora"), text, QMessageBox::NoButton, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    for (const auto& [caption, then] : ways) {
        QPushButton* button = box->addButton(caption, QMessageBox::ActionRole);
        connect(button, &QPushButton::clicked, this, then);
    }
    notice_ = box;
    box->open();
}

void Tchat::joinFailed(HostConnection::JoinFailure failure) {
    const QString where = connection_->hostAddress;
    addlinetochat(tr("Could not join the game at %1.").arg(where));
    offerWays(failureText(failure, where),
              {{tr("Try Again"), [this] {
                    addlinetochat(tr("Loading Multi-player Game.. Please Wait."));
                    if (joinpress(true)) connection_->openLobbyLink();
                }},
               {tr("Back"), [this] { backToFirstScreen(); }}});
}

void Tchat::hostFailed(const QString& error) {
    const QString port = connection_->hostPort();
    const quint16 other = freePortAfter(quint16(port.toUInt()));
    if (error != QLatin1String("Listen - Error Binding Socket") || other == 0) {
        offerWays(error, {{tr("Back"), [this] { backToFirstScreen(); }}});
        return;
    }
    offerWays(tr("Port %1 is already in use on this computer, perhaps by another game. Host on port %2 "
                 "instead? Players joining you then choose port %2.")
                  .arg(port)
                  .arg(other),
              {{tr("Host on Port %1").arg(other), [this, other] {
                    connection_->setHostPort(QString::number(other));
                    if (hostpress()) connection_->openLobbyLink();
                }},
               {tr("Back"), [this] { backToFirstScreen(); }}});
}

// The first screen is the solo start, where hosting and joining are offered.
void Tchat::backToFirstScreen(const QString& said) {
    if (!relaunch_) return;
    relaunch_(said.isEmpty() ? QStringList() : QStringList{QStringLiteral("--said"), said});
}

}  // namespace velmora::client
