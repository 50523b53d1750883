// The small windows beside the main window. All are created hidden, in a
// fixed order after the main window; the main window shows them on demand.
#pragma once

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

// Everything the program creates besides the main window and the host, in
// creation order.
struct SideWindows {
    SideWindows(QWidget* mainWindow, const SideWindowsOptions& options);

    windows::Tabout* Tabout;
    Tspylist* spylist;
    windows::Thelp* Thelp;
    windows::Tgamestart* Tgamestart;
    windows::Tphrases* Tphrases;
    Tdownload* download;
    Ttallylist* tallylist;
};

}  // namespace velmora::windows
