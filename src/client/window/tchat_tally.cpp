// The main window's side of the tally: the stored file's place, View >
// View Tally, the names at the table, and the record of a finished game.
#include <QAction>

#include "client/settings/playerfiles.h"
#include "client/window/hostconnection.h"
#include "client/window/tchat.h"
#include "windows/sidewindows.h"

namespace velmora::client {

void Tchat::wireTally() {
    side_->tallylist();  // the stored tally is read at start-up
    connect(action("ViewTally1"), &QAction::triggered, this, &Tchat::ViewTally1Click);
    connect(this, &Tchat::gameFinished, this, &Tchat::recordGame);
}

void Tchat::wireTally(windows::Ttallylist& tally) {
    connect(&tally, &windows::Ttallylist::saveFailed, this, [this](const QString& reason) {
        addlinetochat(tr("Your tally could not be saved: %1").arg(reason));
    });
    tally.FormCreate(playerFilePath(QStringLiteral("Velmoratally.tld"), FileKind::Data));
}

void Tchat::ViewTally1Click() {
    loadchecklist();
    windows::Ttallylist* tally = side_->tallylist();
    tally->show();
    tally->raise();
    tally->activateWindow();
}

void Tchat::loadchecklist() {
    QStringList names = otherSeatNames();
    names.removeAll(QStringLiteral("<Waiting>"));
    side_->tallylist()->loadchecklist(names);
}

void Tchat::recordGame(const QString& winner) {
    // A spectator's tally is not touched.
    const int own = connection_->ownSeat();
    if (own < 1 || own > kSeatCount) return;
    loadchecklist();
    side_->tallylist()->addgame(winner);
}

}  // namespace velmora::client
