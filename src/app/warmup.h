// Start-up work that only waits on files and other processes, done on
// another core while the program connects to the display and builds its
// window, instead of in the way of the first window:
// - the system's font configuration (the first text measured, the menu bar
//   and the seat names, would otherwise read it);
// - the session bus (the screen readers' bridge asks it for their bus when
//   the first label gets its text; with no session bus, the library tries
//   to start one first).
#pragma once
#include <QByteArray>
#include <thread>

namespace velmora::app {

class WarmUp {
public:
    WarmUp();  // starts reading the font configuration
    ~WarmUp() { wait(); }
    WarmUp(const WarmUp&) = delete;
    WarmUp& operator=(const WarmUp&) = delete;

    // Once the application exists.
    void connectSessionBus();
    // Call before the window is built: both are safe from two threads, but
    // the second would wait or do it all over again.
    void wait();

private:
    std::thread fonts_;
    std::thread bus_;
};

// Where no session bus is named and none can be started (no dbus-launch),
// the D-Bus library still forks the whole program to try. The fork, and a
// copy of every page the window's building writes while the child lives,
// held the first window back by about 2 ms. This gives the address to set
// instead: the runtime folder's bus, the one place a bus can still be found
// then, which is where the library looks first anyway. Empty where the
// library should be left to search (a bus is named, or could be started).
QByteArray sessionBusWithoutLaunch(const QByteArray& named, const QByteArray& runtimeFolder, bool launcherInstalled);

}  // namespace velmora::app
