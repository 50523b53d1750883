// The lobby download window `Tdownload`, shown at every solo start: play solo
// against 1, 2 or 3 computer players, host or join a game, and, where the
// settings file names them, fetch and install the Halvex Lobby or open it.
//
// A program fetched over the network is only started once it is trusted: it
// came over HTTPS, or its SHA-256 matches the checksum published at the same
// address plus ".sha256". Until then it lives in a temporary file that is
// removed on any failure, and it is made executable only once accepted.
#pragma once

#include <QCryptographicHash>
#include <QNetworkReply>
#include <QPointer>
#include <QSaveFile>
#include <functional>
#include <memory>

#include "windows/sidewindow.h"

class QNetworkAccessManager;

class QButtonGroup;
class QProgressBar;
class QPushButton;

namespace velmora::windows {

// The installer's arguments: install quietly, without asking.
inline const QStringList kInstallerArguments{QStringLiteral("/SP-"), QStringLiteral("/silent"),
                                             QStringLiteral("/noicons")};

class Tdownload : public SideWindow {
    Q_OBJECT
public:
    // Bounds on what the network may hand us.
    static constexpr qint64 kMaxInstallerBytes = 512LL * 1024 * 1024;
    static constexpr qint64 kMaxChecksumBytes = 4096;

    explicit Tdownload(QWidget* parent);
    ~Tdownload() override;

    // The installer's address; empty disables the download, and the button
    // says why.
    void setDownloadAddress(const QString& address);
    // Where the installer is saved (the program's or the player's data folder).
    void setDownloadFolder(const QString& folder) { folder_ = folder; }
    // The installed lobby program; empty when unknown (its button is hidden).
    void setLobbyPath(const QString& path);
    // The solo choice shown (1..3), without telling anyone.
    static constexpr int kMaxComputerPlayers = 3;
    void setComputerPlayers(int count);
    int computerPlayers() const;
    // The unfinished game: "Resume the unfinished game" when it can be
    // resumed; else, when there is one, a line says why not.
    void setSavedGame(bool resumable, const QString& problem);
    QPushButton* resumebutton() const { return resume_; }

    // Starts a program with arguments without waiting for it; true when it
    // started. QProcess::startDetached unless replaced.
    using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
    void setProgramStarter(ProgramStarter start) { startProgram_ = std::move(start); }

    void getbuttonClick();    // "Download And Install The Halvex Lobby Now"
    void abortbuttonClick();  // "Stop Download"
    void Button1Click() { close(); }  // "Play Solo Game"
    void Button2Click();              // open the installed lobby

    bool busy() const { return reply_ || checksumReply_; }
    QString status() const;
    QString progressText() const;
    QPushButton* getbutton() const { return get_; }
    QPushButton* abortbutton() const { return abort_; }
    QProgressBar* progressBar() const { return bar_; }

signals:
    // Every text the two status lines show, in order (tests follow it).
    void shown(const QString& text);
    // The main window's Exit command.
    void exitGame();
    // The player chose how many computer players a solo game deals in.
    void computerPlayersChosen(int count);
    // "Host a Game" or "Join a Game": the host-or-join dialog.
    void hostOrJoin(bool host);
    // "Resume the unfinished game".
    void resumeChosen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ProgramStarter startProgram_;
    QWidget* buildDownloadPanel();
    QWidget* buildSoloPanel();
    QWidget* buildOthersPanel();
    void showLobbyParts();
    void setStatus(const QString& text);
    void setProgressText(const QString& text);
    void transferBegins();
    void dataArrived(QNetworkReply* reply);
    void transferEnded();
    void checksumArrived();
    void stopAll();
    void refuse(const QString& why);
    void install();
    void finish();

    QString address_;
    QString folder_;
    QString lobbyPath_;
    QNetworkAccessManager* network();
    QNetworkAccessManager* net_ = nullptr;
    QPointer<QNetworkReply> reply_;
    QPointer<QNetworkReply> checksumReply_;
    std::unique_ptr<QSaveFile> file_;
    QCryptographicHash hash_{QCryptographicHash::Sha256};
    qint64 received_ = 0;
    bool begun_ = false;
    bool stopping_ = false;
    QWidget* downloadPanel_;
    QButtonGroup* computers_;
    QPushButton* resume_;
    QLabel* savedNote_;
    QPushButton* lobby_;
    QPushButton* get_;
    QPushButton* abort_;
    QProgressBar* bar_;
    QLabel* status_;
    QLabel* bytes_;
};

}  // namespace velmora::windows
