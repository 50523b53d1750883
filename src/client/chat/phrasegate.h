// The phrase gate: after a phrase button is used, the buttons rest for two
// seconds, as the phrase editor promises ("Buttons can only be used once
// every 2 seconds"). A single-shot timer reopens it; nothing ticks while open.
#pragma once

#include <QTimer>

namespace velmora::client {

class PhraseGate {
public:
    static constexpr int kRestMs = 2000;

    explicit PhraseGate(int restMs = kRestMs) {
        timer_.setSingleShot(true);
        timer_.setInterval(restMs);
    }
    bool open() const { return !timer_.isActive(); }
    // Closes the gate; false (and nothing changes) when it was closed already.
    bool pass() {
        if (!open()) return false;
        timer_.start();
        return true;
    }

private:
    QTimer timer_;
};

}  // namespace velmora::client
