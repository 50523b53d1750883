#include "windows/spylist.h"

#include <QMouseEvent>
#include <QVBoxLayout>

namespace velmora::windows {
namespace {
QString itemText(int place, const QString& name) { return QStringLiteral("%1: %2").arg(place).arg(name); }
}  // namespace

Tspylist::Tspylist(QWidget* parent) : SideWindow("Tspylist", QStringLiteral("Velmora - Spys"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(feltHeading(QStringLiteral("Spy List"), this));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("listbox_spys"));
    list_->setMouseTracking(true);
    list_->viewport()->installEventFilter(this);
    layout->addWidget(list_);
    resize(220, 260);

    // One menu for the window's life: popup() returns at once, so no click
    // handler ever waits inside a nested event loop.
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("popup_spys"));
    kickhim_ = popup_->addAction(QStringLiteral("Remove From Game"));
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
    if (place < kFirstPlace || place > kLastPlace) return;
    const QString prefix = QStringLiteral("%1: ").arg(place);
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->text().startsWith(prefix)) {
            list_->item(row)->setText(itemText(place, name));
            return;
        }
    list_->addItem(itemText(place, name));
}

bool Tspylist::removeSpy(int place, const QString& name) {
    const auto found = list_->findItems(itemText(place, name), Qt::MatchExactly);
    if (found.isEmpty()) return false;
    const int row = list_->row(found.first());
    delete found.first();
    // The remembered row keeps naming the same spectator, or none once he left.
    if (row == underPointer_)
        underPointer_ = -1;
    else if (row < underPointer_)
        --underPointer_;
    return true;
}

QStringList Tspylist::items() const {
    QStringList out;
    for (int i = 0; i < list_->count(); ++i) out << list_->item(i)->text();
    return out;
}

void Tspylist::popup_kickhimClick() {
    if (underPointer_ < 0 || underPointer_ >= list_->count()) return;
    bool ok = false;
    const int place = list_->item(underPointer_)->text().section(QLatin1Char(':'), 0, 0).toInt(&ok);
    if (ok) emit kick(place);
}

}  // namespace velmora::windows
