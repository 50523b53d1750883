#include "windows/sidewindows.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::windows {
namespace {
const QColor kFelt(153, 115, 72);
const QString kText = QStringLiteral("color: rgb(243,231,205); font: bold 13px 'DejaVu Sans';");

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: rgb(243,231,205); font: bold 18px 'DejaVu Sans';"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}
}  // namespace

SideWindow::SideWindow(const char* objectName, const QString& caption, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFelt);
    setPalette(pal);
    setAutoFillBackground(true);
}

Tspylist::Tspylist(QWidget* parent) : SideWindow("Tspylist", QStringLiteral("Velmora - Spys"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading(QStringLiteral("Spy List"), this));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("listbox_spys"));
    list_->setMouseTracking(true);
    layout->addWidget(list_);
    resize(220, 260);
    remove_ = new QAction(QStringLiteral("Remove From Game"), this);
    remove_->setEnabled(false);
    connect(remove_, &QAction::triggered, this, &Tspylist::popup_kickhimClick);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = list_->indexAt(pos);
        underPointer_ = index.isValid() ? index.row() : -1;
        QMenu menu;
        menu.addAction(remove_);
        menu.exec(list_->viewport()->mapToGlobal(pos));
    });
}

void Tspylist::addSpy(int place, const QString& name) {
    list_->addItem(QStringLiteral("%1: %2").arg(place).arg(name));
}

bool Tspylist::removeSpy(int place, const QString& name) {
    const auto found = list_->findItems(QStringLiteral("%1: %2").arg(place).arg(name), Qt::MatchExactly);
    if (found.isEmpty()) return false;
    delete found.first();
    return true;
}

QStringList Tspylist::items() const {
    QStringList out;
    for (int i = 0; i < list_->count(); ++i) out << list_->item(i)->text();
    return out;
}

void Tspylist::setKickEnabled(bool on) { remove_->setEnabled(on); }

void Tspylist::popup_kickhimClick() {
    if (underPointer_ < 0 || underPointer_ >= list_->count()) return;
    bool ok = false;
    const int place = list_->item(underPointer_)->text().section(QLatin1Char(':'), 0, 0).toInt(&ok);
    if (ok && kick) kick(place);
}

Tdownload::Tdownload(QWidget* parent)
    : SideWindow("Tdownload", QStringLiteral("Download The Halvex Lobby"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading(QStringLiteral("Velmora"), this));
    auto* text = new QLabel(
        QStringLiteral("Play against the computer now, or meet other players through the Halvex Lobby."), this);
    text->setWordWrap(true);
    text->setStyleSheet(kText);
    layout->addWidget(text);
    auto* solo = new QPushButton(QStringLiteral("Play Solo Game"), this);
    solo->setObjectName(QStringLiteral("Button1"));
    solo->setDefault(true);
    connect(solo, &QPushButton::clicked, this, &Tdownload::Button1Click);
    auto* lobby = new QPushButton(QStringLiteral("Play with Others"), this);
    lobby->setObjectName(QStringLiteral("Button2"));
    connect(lobby, &QPushButton::clicked, this, &Tdownload::Button2Click);
    layout->addWidget(solo);
    layout->addWidget(lobby);
    resize(340, 180);
}

void Tdownload::Button2Click() {
    // The lobby is a separate program that starts the game itself.
    auto* box = new QMessageBox(QMessageBox::NoIcon, windowTitle(),
                                QStringLiteral("Please close the game and open the Halvex Lobby using the icon on "
                                               "your desktop or using the your Window's start-up menu."),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

SideWindows::SideWindows(QWidget* mainWindow)
    : Tabout(new SideWindow("Tabout", QStringLiteral("Velmora - About"), mainWindow)),
      spylist(new Tspylist(mainWindow)),
      Thelp(new SideWindow("Thelp", QStringLiteral("Velmora - Help File"), mainWindow)),
      Tgamestart(new SideWindow("Tgamestart", QStringLiteral("Velmora - Game Options"), mainWindow)),
      Tphrases(new SideWindow("Tphrases", QStringLiteral("Velmora - Phrases"), mainWindow)),
      download(new Tdownload(mainWindow)),
      Ttallylist(new SideWindow("Ttallylist", QStringLiteral("Velmora - Tally List"), mainWindow)) {}

}  // namespace velmora::windows
