#include "app/inprocesshost.h"

#include "app/tableview_hint.h"
#include "host/expert.h"
#include <QFileInfo>

namespace velmora::app {

void InProcessHost::setStateFile(const QString& path) {
    savedGame_ = {};
    saved_.reset();
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        auto table = std::make_unique<host::SavedTable>();
        const std::string problem = host::loadtablefile(path.toStdString(), *table);
        savedGame_ = {true, QString::fromStdString(problem), path};
        for (int s = 2; s <= kSeats && problem.empty(); ++s) savedGame_.withOthers |= !table->tokens[s].empty();
        if (problem.empty()) saved_ = std::move(table);
    }
    server_.setStateFile(path.toStdString());
}

QString InProcessHost::resumeSavedGame() {
    if (!saved_) return savedGame_.present ? savedGame_.problem : HostControl::resumeSavedGame();
    server_.resume(*saved_);
    return {};
}

client::ListenResult InProcessHost::listen(const QString& portName, Reach reach) {
    try {
        server_.listen(portName, reach == Reach::ThisComputer ? QStringLiteral("127.0.0.1") : QString());
    } catch (const net::ESockException& e) {
        return {0, QString::fromUtf8(e.what())};
    }
    hosting_ = true;
    return {server_.port(), {}};
}

client::HintAnswer InProcessHost::hint(const client::TableModel& table) {
    // The host's own table also knows the round's pick-ups and discards.
    // The advice is the expert level's, with what its samples said.
    const host::PublicView view = hosting_ ? host::publicview(server_.table(), table.ownSeat) : publicviewOfTable(table);
    const host::StrongMove m = host::expertmove(view);
    client::HintAnswer a;
    using Pile = client::HintAnswer::Pile;
    a.pile = m.kind == host::StrongMove::Draw ? Pile::Draw : m.kind == host::StrongMove::PickUp ? Pile::Discard : Pile::None;
    a.raise = m.picks;
    if (m.kind == host::StrongMove::Hit) {
        a.seat = m.target;
        a.group = m.group;
    }
    a.reason = QString::fromStdString(m.reason);
    return a;
}

}  // namespace velmora::app
