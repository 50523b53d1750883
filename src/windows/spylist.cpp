#include "windows/spylist.h"

#include <QMouseEvent>
#include <QVBoxLayout>

namespace velmora::windows {
namespace {
QString itemText(int place, const QString& name) { return QStringLiteral("%1: %2").arg(place).arg(name); }
}  // namespace

int SpyRoster::add(int place, const QString& name) {
    if (place < kFirstPlace || place > kLastPlace) return -1;
    const QString prefix = QStringLiteral("%1: ").arg(place);
    for (int row = 0; row < items_.size(); ++row)
        if (items_[row].startsWith(prefix)) {
            items_[row] = itemText(place, name);
            return row;
        }
    items_.append(itemText(place, name));
    return int(items_.size()) - 1;
}

int SpyRoster::remove(int place, const QString& name) {
    const int row = int(items_.indexOf(itemText(place, name)));
    if (row >= 0) items_.removeAt(row);
    return row;
}

Tspylist::Tspylist(QWidget* parent, SpyRoster* roster)
    : SideWindow("Tspylist", tr("Velmora - Spys"), parent), roster_(roster ? roster : &ownRoster_) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(feltHeading(tr("Spy List"), this));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("listbox_spys"));
    list_->setMouseTracking(true);
    list_->viewport()->installEventFilter(this);
    layout->addWidget(list_);
    empty_ = feltText(tr("Nobody is watching."), this);
    empty_->setObjectName(QStringLiteral("label_nospies"));
    layout->addWidget(empty_);
    list_->addItems(roster_->items());
    empty_->setVisible(list_->count() == 0);
    resize(220, 260);

    // One menu for the window's life: popup() returns at once, so no click
    // handler ever waits inside a nested event loop.
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("popup_spys"));
    kickhim_ = popup_->addAction(tr("Remove From Game"));
    kickhim_->setObjectName(QStringLiteral("popup_kickhim"));
    connect(kickhim_, &QAction::triggered, this, &Tspylist::popup_kickhimClick);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QListWidget::customContextMenuRequested, this, &Tspylist::showPopup);
}

bool Tspylist::eventFilter(QObject* watched, QEvent* event) {
    // While the menu is open the pointer is over the menu, not the list: the
    // spectator it was opened for stays the target.
    if (watched == list_->viewport() && !popup_->isVisible()) {
        if (event->type() == QEvent::MouseMove) {
            const QModelIndex index = list_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            underPointer_ = index.isValid() ? index.row() : -1;
        } else if (event->type() == QEvent::Leave) {
            underPointer_ = -1;
        }
    }
    return SideWindow::eventFilter(watched, event);
}

void Tspylist::showPopup(const QPoint& pos) {
    const QModelIndex index = list_->indexAt(pos);
    underPointer_ = index.isValid() ? index.row() : -1;
    kickhim_->setEnabled(kickAllowed_ && underPointer_ >= 0);
    popup_->popup(list_->viewport()->mapToGlobal(pos));
}

void Tspylist::addSpy(int place, const QString& name) {
    const int row = roster_->add(place, name);
    if (row < 0) return;
    if (row < list_->count())
        list_->item(row)->setText(roster_->items()[row]);
    else
        list_->addItem(roster_->items()[row]);
    empty_->hide();
}

bool Tspylist::removeSpy(int place, const QString& name) {
    const int row = roster_->remove(place, name);
    if (row < 0) return false;
    delete list_->takeItem(row);
    empty_->setVisible(list_->count() == 0);
    // The remembered row keeps naming the same spectator, or none once he left.
    if (row == underPointer_)
        underPointer_ = -1;
    else if (row < underPointer_)
        --underPointer_;
    return true;
}

QStringList Tspylist::items() const { return roster_->items(); }

void Tspylist::popup_kickhimClick() {
    if (underPointer_ < 0 || underPointer_ >= list_->count()) return;
    bool ok = false;
    const int place = list_->item(underPointer_)->text().section(QLatin1Char(':'), 0, 0).toInt(&ok);
    if (ok) emit kick(place);
}

}  // namespace velmora::windows
