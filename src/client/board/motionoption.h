// Options > Animations: cards move on the table, kept in the settings file
// (key "Animations" of the section "Velmora"). A desktop that asks for
// reduced motion (GNOME's enable-animations off, KDE's animation speed 0)
// turns motion off whatever the option says.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace velmora::client {

class TableView;

class MotionOption : public QObject {
    Q_OBJECT
public:
    // An empty settings path keeps the option in memory.
    MotionOption(TableView* view, QString settingsPath, QObject* parent = nullptr);

    void fill(QMenu* menu);
    // Reads the saved option.
    void load();
    // Asks the desktop, without waiting for its answer: once the window is
    // drawn (the helper it runs would compete with the first picture), as
    // only the first move wants the answer.
    void askDesktop();
    void setWanted(bool on, bool save = true);
    void setReducedMotion(bool reduced);
    bool wanted() const { return wanted_; }

private:
    void apply();

    TableView* view_;
    QString path_;
    QAction* action_ = nullptr;
    bool wanted_ = true;
    bool reduced_ = false;
};

}  // namespace velmora::client
