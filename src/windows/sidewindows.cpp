#include "windows/sidewindows.h"

namespace velmora::windows {

SideWindows::SideWindows(QWidget* mainWindow, const SideWindowsOptions& options)
    : Tabout(new windows::Tabout(options.version, mainWindow)),
      spylist(new Tspylist(mainWindow)),
      Thelp(new windows::Thelp(mainWindow)),
      Tgamestart(new windows::Tgamestart(mainWindow)),
      Tphrases(new windows::Tphrases(mainWindow)),
      download(new Tdownload(mainWindow)),
      tallylist(new Ttallylist(mainWindow)) {}

}  // namespace velmora::windows
