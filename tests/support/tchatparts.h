// How tests reach the parts of a main window; the window itself shows none
// of them.
#pragma once

#include <QAction>
#include <QStringList>

#include "client/window/tchat.h"
#include "windows/sidewindows.h"

namespace velmora::client {

struct TchatParts {
    static HostConnection& connection(Tchat& w) { return *w.connection_; }
    static ChatView* mainchat(Tchat& w) { return w.mainchat_; }
    static QLineEdit* mychat(Tchat& w) { return w.mychat_; }
    static BoardPanel* board(Tchat& w) { return w.board_; }
    static TableModel& table(Tchat& w) { return w.table_; }
    static TableActions& actions(Tchat& w) { return *w.actions_; }
    static Sounds& sounds(Tchat& w) { return *w.sounds_; }
    static PhraseGate& phraseGate(Tchat& w) { return w.phraseGate_; }
    static PhraseButtons* phraseButtons(Tchat& w) { return w.phrases_; }
    static OptionsMenu& options(Tchat& w) { return *w.options_; }
    static KeyboardPlay& keys(Tchat& w) { return *w.keys_; }
    static ZoomMenu& zoom(Tchat& w) { return *w.zoom_; }
    static GameLog& gameLog(Tchat& w) { return *w.gameLog_; }
    static TableAccessibility& accessibility(Tchat& w) { return *w.access_; }
    static QAction* action(Tchat& w, const char* name) { return w.action(name); }
    // The box on screen, if any.
    static QMessageBox* noticeBox(Tchat& w) { return w.notice_; }
    // The question asked before a running game ends, if any.
    static QMessageBox* confirmBox(Tchat& w) { return w.confirm_; }
    // The spectator list's items: place, ": ", name.
    static QStringList spies(Tchat& w) { return w.side_->spies(); }
    static windows::SideWindows& sideWindows(Tchat& w) { return *w.side_; }
    static windows::Thostjoin* hostJoinDialog(Tchat& w) { return w.hostJoin_; }
    // The box a join that found no game opens.
    static void joinFailed(Tchat& w, HostConnection::JoinFailure failure) { w.joinFailed(failure); }
};

}  // namespace velmora::client

namespace velmora::test {
using client::TchatParts;
}  // namespace velmora::test
