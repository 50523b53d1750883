// The small windows beside the main window. Each is made, hidden, the first
// time it is asked for, so start-up builds none that the first window does
// not show; what they must know before that (the spectators) is kept here.
#pragma once

#include <QPointer>
#include <functional>

#include "windows/about.h"
#include "windows/download.h"
#include "windows/help.h"
#include "windows/hostjoin.h"
#include "windows/sidewindow.h"
#include "windows/gamestart.h"
#include "windows/phrases.h"
#include "windows/spylist.h"
#include "windows/tallylist.h"

namespace velmora::windows {

// What the side windows are told by the program that makes them.
struct SideWindowsOptions {
    QString version;  // shown in the about box
};

// Run once when a window is made, to connect it to the program.
struct SideWindowHooks {
    std::function<void(Tspylist&)> spylist;
    std::function<void(Thelp&)> help;
    std::function<void(Tgamestart&)> gamestart;
    std::function<void(Tphrases&)> phrases;
    std::function<void(Tdownload&)> download;
    std::function<void(Ttallylist&)> tallylist;
};

class SideWindows {
public:
    SideWindows(QWidget* mainWindow, SideWindowsOptions options, SideWindowHooks hooks = {});

    Tabout* about();
    Tspylist* spylist();
    Thelp* help();
    Tgamestart* gamestart();
    Tphrases* phrases();
    Tdownload* download();
    Ttallylist* tallylist();

    // Null until the window was first asked for.
    Tspylist* madeSpylist() const { return spylist_; }
    Tgamestart* madeGamestart() const { return gamestart_; }
    Tdownload* madeDownload() const { return download_; }
    Ttallylist* madeTallylist() const { return tallylist_; }

    // The spectators, listed whether or not their window was made.
    void addSpy(int place, const QString& name);
    bool removeSpy(int place, const QString& name);
    const QStringList& spies() const { return spies_.items(); }
    void setKickEnabled(bool on);

private:
    template <class W, class... Args>
    W* make(QPointer<W>& slot, const std::function<void(W&)>& hook, Args&&... args);

    QWidget* main_;
    SideWindowsOptions options_;
    SideWindowHooks hooks_;
    SpyRoster spies_;
    bool kickEnabled_ = false;
    QPointer<Tabout> about_;
    QPointer<Tspylist> spylist_;
    QPointer<Thelp> help_;
    QPointer<Tgamestart> gamestart_;
    QPointer<Tphrases> phrases_;
    QPointer<Tdownload> download_;
    QPointer<Ttallylist> tallylist_;
};

}  // namespace velmora::windows
