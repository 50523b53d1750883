#include "client/board/motionoption.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include "client/board/tableview.h"
#include "client/settings/settings.h"

namespace velmora::client {

MotionOption::MotionOption(TableView* view, QString settingsPath, QObject* parent)
    : QObject(parent), view_(view), path_(std::move(settingsPath)) {}

void MotionOption::fill(QMenu* menu) {
    action_ = menu->addAction(tr("Animations"));
    action_->setObjectName(QStringLiteral("Animations1"));
    action_->setCheckable(true);
    action_->setChecked(wanted_);
    connect(action_, &QAction::triggered, this, [this](bool on) { setWanted(on); });
}

void MotionOption::load() {
    if (!path_.isEmpty()) {
        Settings s(path_);
        s.load();
        setWanted(s.flag(SettingKey::Animations), false);
    }
}

void MotionOption::setWanted(bool on, bool save) {
    wanted_ = on;
    if (action_) action_->setChecked(on);
    apply();
    if (!save || path_.isEmpty()) return;
    // Our key alone is written; a file that cannot be read is never written over.
    Settings s(path_);
    if (!s.load()) return;
    s.setFlag(SettingKey::Animations, on);
    s.save(SettingGroup::Motion);
}

void MotionOption::setReducedMotion(bool reduced) {
    reduced_ = reduced;
    if (action_) action_->setToolTip(reduced ? tr("Off while the desktop asks for reduced motion") : QString());
    apply();
}

void MotionOption::apply() { view_->setAnimated(wanted_ && !reduced_); }

// KDE writes its animation speed into kdeglobals; GNOME answers through
// gsettings, asked in the background so start-up never waits for it.
void MotionOption::askDesktop() {
    const QString kde = QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"));
    if (!kde.isEmpty() && QSettings(kde, QSettings::IniFormat).value(QStringLiteral("KDE/AnimationDurationFactor"), 1).toDouble() == 0)
        setReducedMotion(true);
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (gsettings.isEmpty()) return;
    auto* ask = new QProcess(this);
    connect(ask, &QProcess::finished, this, [this, ask](int code) {
        if (code == 0 && ask->readAllStandardOutput().trimmed() == "false") setReducedMotion(true);
        ask->deleteLater();
    });
    connect(ask, &QProcess::errorOccurred, ask, &QObject::deleteLater);
    ask->start(gsettings, {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("enable-animations")});
}

}  // namespace velmora::client
