// One copy per user session. The "velmora" lock file in the user's runtime
// folder decides which copy runs: its holder answers at once on the local
// socket "xevlah11"; any later start asks the holder to bring its window
// forward and ends. The lock is held for the life of the process, so other
// programs can see the game is running.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <functional>

namespace velmora::app {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Start { First, Another };

    // folder: where the lock and the socket live (the runtime folder by default).
    explicit SingleInstance(QString folder = runtimeFolder(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock. The holder starts answering at once and gets First; a
    // later start asks the holder to come forward and gets Another.
    // answerMs bounds how long a later start waits for a holder that is still
    // between taking the lock and answering.
    Start claim(int answerMs = 3000);
    // Called for each later start once the event loop runs.
    void setRaise(std::function<void()> raise) { raise_ = std::move(raise); }
    bool answering() const { return server_.isListening(); }

    QString socketPath() const { return folder_ + QStringLiteral("/xevlah11"); }
    static QString runtimeFolder();

private:
    void answer();
    bool askHolder(int answerMs);

    QString folder_;
    QLocalServer server_;
    int lockFd_ = -1;  // the held lock; the system lets it go when the process ends
    std::function<void()> raise_;
};

}  // namespace velmora::app
