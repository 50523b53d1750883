// The host-or-join dialog `Thostjoin`: a player without the lobby hosts a
// table or joins one by address. It only gathers the choice; the main window
// starts the game with it, the way the lobby's launch parameters would.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>

#include "game/protocol.h"
#include "net/announcement.h"
#include "windows/sidewindow.h"

namespace velmora::windows {

struct HostJoinChoice {
    QString name;
    QString address;  // empty when hosting
    quint16 port = kDefaultPort;
    bool host = false;
    bool announce = false;  // hosting: let players on this network find the table
    bool openPort = false;  // hosting: ask the router to open the port
    QString resumeFile;     // hosting: go on with the game saved there
};

// "address:port" as the recent list keeps it, and back (false when the text
// is no such entry). The port follows the last colon, so IPv6 addresses work.
QString recentEntry(const QString& address, quint16 port);
bool parseRecentEntry(const QString& entry, QString* address, quint16* port);
// Puts `entry` first, without repeats, keeping at most `max` entries.
QStringList rememberRecent(QStringList recent, const QString& entry, int max);

class Thostjoin : public SideWindow {
    Q_OBJECT
public:
    static constexpr int kMaxName = 20;

    explicit Thostjoin(QWidget* parent);

    // Fills the fields from what was used before: the name and the recent
    // "address:port" entries, newest first.
    void setRecent(const QString& name, const QStringList& entries);
    // This computer's addresses, shown so a host can tell the others.
    void setOwnAddresses(const QStringList& addresses);
    void setAnnounce(bool on) { announce_->setChecked(on); }
    // Enter hosts, or joins, as the player asked on the first screen.
    void preferHost(bool host);
    // "Join a Game": only what joining needs, no hosting options.
    void setJoinOnly(bool joinOnly);
    bool joinOnly() const { return joinOnly_; }
    void setOpenPort(bool on) { openPort_->setChecked(on); }
    // The unfinished game a hosted table can go on with (empty: none, and
    // the choice is hidden), and whether the choice is ticked.
    void setSavedGame(const QString& file, bool resume);
    // What the router said about the port of the table hosted now: where
    // friends elsewhere join, or why they cannot. Empty hides the line.
    void setRouterStatus(const QString& text);
    // The tables announced on the local network, as heard so far; the
    // window's finder keeps them coming while the dialog is open.
    void setTables(const std::vector<net::FoundTable>& tables);

    QLineEdit* edit_name() const { return name_; }
    QComboBox* combo_address() const { return address_; }
    QSpinBox* spin_port() const { return port_; }
    QCheckBox* check_announce() const { return announce_; }
    QCheckBox* check_openport() const { return openPort_; }
    QCheckBox* check_resume() const { return resume_; }
    QString routerStatus() const { return router_->text(); }
    QListWidget* list_tables() const { return tables_; }
    QString problem() const { return problem_->text(); }

    void button_hostClick() { choose(true); }
    void button_joinClick() { choose(false); }

signals:
    // Emitted once the fields are sound; the dialog then closes.
    void chosen(const velmora::windows::HostJoinChoice& choice);

private:
    void choose(bool host);
    void joinTable(QListWidgetItem* item);

    QLabel* heading_;
    std::vector<QWidget*> hostOnly_;  // hidden when only joining
    bool joinOnly_ = false;
    QLineEdit* name_;
    QComboBox* address_;
    QSpinBox* port_;
    QLabel* own_;
    QLabel* problem_;
    QCheckBox* announce_;
    QPushButton* host_;
    QPushButton* join_;
    QCheckBox* openPort_;
    QCheckBox* resume_;
    QString savedFile_;
    QLabel* router_;
    QListWidget* tables_;
};

}  // namespace velmora::windows
