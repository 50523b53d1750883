// One copy per user session. The first copy answers on a local socket named
// "xevlah11" in the user's runtime folder; a second start asks it to bring its
// window forward and ends. The "velmora" lock is held for the life of the
// process so that other programs can see the game is running.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <functional>
#include <memory>

namespace velmora::app {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);

    // True when another copy answered (it has been asked to come forward).
    bool anotherIsRunning();
    // Starts answering later starts; raise() is called for each of them.
    void listen(std::function<void()> raise);

    static QString socketPath();

private:
    QLocalServer server_;
    std::unique_ptr<QLockFile> mutex_;
    std::function<void()> raise_;
};

}  // namespace velmora::app
