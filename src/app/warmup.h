// Start-up work that only waits on files and other processes, done on
// another core while the program connects to the display and builds its
// window, instead of in the way of the first window:
// - the system's font configuration (the first text measured, the menu bar
//   and the seat names, would otherwise read it);
// - the session bus (the screen readers' bridge asks it for their bus when
//   the first label gets its text; with no session bus, the library tries
//   to start one first).
#pragma once
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

}  // namespace velmora::app
