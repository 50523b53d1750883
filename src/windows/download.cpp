#include "windows/download.h"

#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::windows {

Tdownload::Tdownload(QWidget* parent)
    : SideWindow("Tdownload", QStringLiteral("Download The Halvex Lobby"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(feltHeading(QStringLiteral("Velmora"), this));
    layout->addWidget(feltText(
        QStringLiteral("Play against the computer now, or meet other players through the Halvex Lobby."), this));
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

}  // namespace velmora::windows
