#include "client/board/zoommenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <cstdlib>

#include "client/board/board.h"
#include "client/board/boardfit.h"
#include "client/settings/settings.h"

namespace velmora::client {

int ZoomMenu::snap(int percent) {
    int best = kSteps[0];
    for (int s : kSteps)
        if (std::abs(s - percent) < std::abs(best - percent)) best = s;
    return best;
}

ZoomMenu::ZoomMenu(BoardPanel* board, QWidget* frame, QString settingsPath, QObject* parent)
    : QObject(parent), fit_(new BoardFit(board, frame, this)), path_(std::move(settingsPath)) {}

void ZoomMenu::fill(QMenu* menu) {
    group_ = new QActionGroup(this);
    for (int s : kSteps) {
        QAction* a = menu->addAction(tr("%1 %").arg(s));
        a->setObjectName(QStringLiteral("Zoom%1").arg(s));
        a->setCheckable(true);
        a->setChecked(s == percent_);
        a->setData(s);
        group_->addAction(a);
        connect(a, &QAction::triggered, this, [this, s] { setPercent(s); });
    }
    menu->addSeparator();
    auto add = [this, menu](const char* name, const QString& text, QList<QKeySequence> keys, int direction) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcuts(keys);
        connect(a, &QAction::triggered, this, [this, direction] { step(direction); });
    };
    add("ZoomIn1", tr("Zoom In"), {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)}, 1);
    add("ZoomOut1", tr("Zoom Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, -1);
    add("ZoomReset1", tr("Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, 0);
}

void ZoomMenu::step(int direction) {
    if (direction == 0) {
        setPercent(100);
        return;
    }
    const auto at = std::find(kSteps.begin(), kSteps.end(), percent_);
    const int i = static_cast<int>(at - kSteps.begin()) + direction;
    if (i >= 0 && i < static_cast<int>(kSteps.size())) setPercent(kSteps[static_cast<size_t>(i)]);
}

void ZoomMenu::load() {
    if (path_.isEmpty()) return;
    Settings s(path_);
    s.load();
    setPercent(snap(s.integer(SettingKey::Zoom)), false);
}

void ZoomMenu::setPercent(int percent, bool save) {
    percent_ = snap(percent);
    if (group_)
        for (QAction* a : group_->actions()) a->setChecked(a->data().toInt() == percent_);
    // The window takes the board's size at the zoom; the board then fits the window.
    fit_->showAt(percent_);
    if (!save || path_.isEmpty()) return;
    // Our key alone is written; a file that cannot be read is never written over.
    Settings s(path_);
    if (!s.load()) return;
    s.set(SettingKey::Zoom, percent_);
    s.save(SettingGroup::View);
}

}  // namespace velmora::client
