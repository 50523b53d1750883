// What the player sees of a lost connection: a box with the attempt and a
// Cancel while the session tries again, the table rebuilt from the host's
// snapshot once back, and the host's own end told plainly.
#include "client/window/tchat.h"
#include "windows/hostjoin.h"

namespace velmora::client {

namespace {
QString attemptText(int attempt) {
    QString text = Tchat::tr("Connection lost: reconnecting…");
    if (attempt > 0) text += QLatin1Char('\n') + Tchat::tr("Attempt %1").arg(attempt);
    return text;
}
}  // namespace

void Tchat::connectionLost() {
    addlinetochat(tr("Connection lost: reconnecting…"));
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Velmora"), attemptText(0),
                                QMessageBox::Cancel, this);
    box->setObjectName(QStringLiteral("box_reconnect"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    reconnectBox_ = box;
    reconnect_ = Reconnect::Trying;
    // Cancel gives up: the first screen follows, saying so.
    connect(box, &QMessageBox::finished, this, [this] {
        reconnect_ = Reconnect::Cancelled;
        connection_->cancelReconnect();
    });
    box->open();
}

void Tchat::showAttempt(int attempt) {
    if (reconnectBox_) reconnectBox_->setText(attemptText(attempt));
}

// The host tells everything again: who sits where, and the table itself.
void Tchat::connectionRestored() {
    if (reconnectBox_) reconnectBox_->disconnect(this), reconnectBox_->close();
    reconnect_ = Reconnect::None;
    const TableModel::Batch told(table_);
    table_.clearall();
    seating_->forgetAll();
    table_.ownSeat = connection_->ownSeat();
    table_.changed();
}

// The host ends the game on purpose: say so, then offer the first screen.
void Tchat::hostEnded() {
    connection_->hostclosing();
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Velmora"),
                                tr("The host has ended the game."), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("box_hostended"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    notice_ = box;
    // The table is dead: choosing nothing there leads to the first screen.
    leaving_ = true;
    connect(box, &QMessageBox::finished, this, [this] {
        openHostJoin(false);
        connect(hostJoin_, &QDialog::rejected, this, [this] { backToFirstScreen(tr("The host has ended the game.")); },
                Qt::SingleShotConnection);
    });
    box->open();
}

}  // namespace velmora::client
