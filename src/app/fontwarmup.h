// The system's font configuration read on another core while the program
// connects to the display: the first text measured (the menu bar, the seat
// names) would otherwise wait for it.
#pragma once
#include <thread>

namespace velmora::app {

class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp() { wait(); }
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Call before the first text is measured: the library's loading is safe
    // from two threads, but the second would do it all over again.
    void wait();

private:
    std::thread thread_;
};

}  // namespace velmora::app
