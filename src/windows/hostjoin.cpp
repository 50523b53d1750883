#include "windows/hostjoin.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace velmora::windows {

QString recentEntry(const QString& address, quint16 port) { return address + QLatin1Char(':') + QString::number(port); }

bool parseRecentEntry(const QString& entry, QString* address, quint16* port) {
    const qsizetype colon = entry.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0) return false;
    bool ok = false;
    const uint number = entry.mid(colon + 1).toUInt(&ok);
    if (!ok || number < 1 || number > 65535) return false;
    *address = entry.left(colon).trimmed();
    *port = quint16(number);
    return !address->isEmpty();
}

QStringList rememberRecent(QStringList recent, const QString& entry, int max) {
    recent.removeAll(entry);
    recent.prepend(entry);
    while (recent.size() > max) recent.removeLast();
    return recent;
}

Thostjoin::Thostjoin(QWidget* parent) : SideWindow("Thostjoin", tr("Velmora - Host or Join"), parent) {
    auto* layout = new QVBoxLayout(this);
    heading_ = feltHeading(tr("Play with Others"), this);
    layout->addWidget(heading_);
    auto* form = new QFormLayout;
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("edit_name"));
    name_->setMaxLength(kMaxName);
    // Names travel inside the game's messages: printable characters only.
    name_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\\x00-\\x1f\\x7f]*")), name_));
    address_ = new QComboBox(this);
    address_->setObjectName(QStringLiteral("combo_address"));
    address_->setEditable(true);
    address_->setInsertPolicy(QComboBox::NoInsert);
    address_->lineEdit()->setPlaceholderText(tr("the host's name or address, to join"));
    // The hint is read whole in every language: the field is at least as wide.
    address_->setMinimumWidth(address_->fontMetrics().horizontalAdvance(address_->lineEdit()->placeholderText()) + 48);
    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("spin_port"));
    port_->setRange(1, 65535);
    port_->setValue(kDefaultPort);
    // One line each: a wrapping label lets the form count a narrower column
    // than it then gives the labels, and the address field would stick out.
    auto label = [this](const QString& text) {
        QLabel* l = feltText(text, this);
        l->setWordWrap(false);
        return l;
    };
    form->addRow(label(tr("Your name")), name_);
    form->addRow(label(tr("Address")), address_);
    form->addRow(label(tr("Port")), port_);
    layout->addLayout(form);
    layout->addWidget(feltText(tr("Tables on this network (double-click one to join):"), this));
    tables_ = new QListWidget(this);
    tables_->setObjectName(QStringLiteral("list_tables"));
    tables_->setMinimumHeight(90);
    connect(tables_, &QListWidget::itemDoubleClicked, this, &Thostjoin::joinTable);
    // A single click fills the fields, so Join works as well.
    connect(tables_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        QString address;
        quint16 port = 0;
        if (parseRecentEntry(item->data(Qt::UserRole).toString(), &address, &port)) {
            address_->setEditText(address);
            port_->setValue(port);
        }
    });
    layout->addWidget(tables_);
    announce_ = new QCheckBox(tr("Let players on this network find the table"), this);
    announce_->setObjectName(QStringLiteral("check_announce"));
    announce_->setChecked(true);
    layout->addWidget(announce_);
    openPort_ = new QCheckBox(tr("Open the port on my router"), this);
    openPort_->setObjectName(QStringLiteral("check_openport"));
    openPort_->setToolTip(tr("Asks the router (UPnP, else NAT-PMP) to let players from the internet reach the table."));
    layout->addWidget(openPort_);
    resume_ = new QCheckBox(tr("Resume the unfinished game"), this);
    resume_->setObjectName(QStringLiteral("check_resume"));
    resume_->setToolTip(tr("Those who played it take their seats back when they join again."));
    resume_->hide();
    layout->addWidget(resume_);
    router_ = feltText(QString(), this);
    router_->setObjectName(QStringLiteral("label_router"));
    router_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    router_->hide();
    layout->addWidget(router_);
    own_ = feltText(QString(), this);
    own_->setObjectName(QStringLiteral("label_ownaddresses"));
    own_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(own_);
    layout->addWidget(feltText(tr("The game in this window ends, and the program starts again at the new table."), this));
    problem_ = feltText(QString(), this);
    problem_->setObjectName(QStringLiteral("label_problem"));
    layout->addWidget(problem_);

    auto* buttons = new QDialogButtonBox(this);
    host_ = buttons->addButton(tr("Host"), QDialogButtonBox::ActionRole);
    host_->setObjectName(QStringLiteral("button_host"));
    join_ = buttons->addButton(tr("Join"), QDialogButtonBox::AcceptRole);
    join_->setObjectName(QStringLiteral("button_join"));
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("button_cancel"));
    connect(host_, &QPushButton::clicked, this, &Thostjoin::button_hostClick);
    connect(join_, &QPushButton::clicked, this, &Thostjoin::button_joinClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // Picking a recent game brings back its port as well.
    connect(address_, &QComboBox::activated, this, [this](int index) {
        QString address;
        quint16 port = 0;
        if (parseRecentEntry(address_->itemData(index).toString(), &address, &port)) {
            address_->setEditText(address);
            port_->setValue(port);
        }
    });
    hostOnly_ = {announce_, openPort_, resume_, router_, own_, host_};
    resize(420, 470);
}

void Thostjoin::setJoinOnly(bool joinOnly) {
    joinOnly_ = joinOnly;
    setWindowTitle(joinOnly ? tr("Velmora - Join a Game") : tr("Velmora - Host or Join"));
    heading_->setText(joinOnly ? tr("Join a Game") : tr("Play with Others"));
    for (QWidget* w : hostOnly_) w->setVisible(!joinOnly);
    // Shown again by the fillers below only where they have something to say.
    if (!joinOnly) {
        resume_->setVisible(!savedFile_.isEmpty());
        router_->setVisible(!router_->text().isEmpty());
        own_->setVisible(!own_->text().isEmpty());
    }
    adjustSize();
}

void Thostjoin::setRecent(const QString& name, const QStringList& entries) {
    name_->setText(name.left(kMaxName));
    address_->clear();
    for (const QString& entry : entries) {
        QString address;
        quint16 port = 0;
        if (parseRecentEntry(entry, &address, &port))
            address_->addItem(port == kDefaultPort ? address : entry, recentEntry(address, port));
    }
    if (address_->count() > 0) address_->activated(0);
    else address_->setEditText(QString());
}

void Thostjoin::preferHost(bool host) {
    host_->setDefault(host);
    join_->setDefault(!host);
    (host || name_->text().isEmpty() ? static_cast<QWidget*>(name_) : address_)->setFocus();
}

void Thostjoin::setOwnAddresses(const QStringList& addresses) {
    own_->setText(addresses.isEmpty()
                      ? QString()
                      : tr("Others join you at: ") + addresses.join(QStringLiteral(", ")));
}

void Thostjoin::setSavedGame(const QString& file, bool resume) {
    savedFile_ = file;
    resume_->setVisible(!file.isEmpty() && !joinOnly_);
    resume_->setChecked(resume && !file.isEmpty());
}

void Thostjoin::setRouterStatus(const QString& text) {
    router_->setText(text);
    router_->setVisible(!text.isEmpty() && !joinOnly_);
}

void Thostjoin::setTables(const std::vector<net::FoundTable>& tables) {
    const QString current = tables_->currentItem() ? tables_->currentItem()->data(Qt::UserRole).toString() : QString();
    tables_->clear();
    for (const net::FoundTable& t : tables) {
        const QString address = QString::fromStdString(t.address);
        const QString seats = t.table.seats == 1 ? tr("1 player") : tr("%1 players").arg(t.table.seats);
        auto* item = new QListWidgetItem(QStringLiteral("%1 - %2%3 (%4)")
                                             .arg(QString::fromStdString(t.table.name), seats,
                                                  t.table.gameOn ? tr(", playing") : QString(),
                                                  recentEntry(address, quint16(t.table.port))),
                                         tables_);
        item->setData(Qt::UserRole, recentEntry(address, quint16(t.table.port)));
        if (t.table.version != kVersionText)
            item->setToolTip(tr("This table runs version %1; you have %2.")
                                 .arg(QString::fromStdString(t.table.version), QLatin1String(kVersionText)));
        if (item->data(Qt::UserRole).toString() == current) tables_->setCurrentItem(item);
    }
}

void Thostjoin::joinTable(QListWidgetItem* item) {
    QString address;
    quint16 port = 0;
    if (!parseRecentEntry(item->data(Qt::UserRole).toString(), &address, &port)) return;
    address_->setEditText(address);
    port_->setValue(port);
    choose(false);
}

void Thostjoin::choose(bool host) {
    HostJoinChoice choice;
    choice.name = name_->text().trimmed();
    choice.host = host;
    choice.port = quint16(port_->value());
    choice.announce = host && announce_->isChecked();
    choice.openPort = host && openPort_->isChecked();
    if (host && resume_->isChecked()) choice.resumeFile = savedFile_;
    if (!host) choice.address = address_->currentText().trimmed();
    if (choice.name.isEmpty()) {
        problem_->setText(tr("Type your name first."));
        return;
    }
    if (!host && choice.address.isEmpty()) {
        problem_->setText(tr("Type the address of the computer that hosts the game."));
        return;
    }
    problem_->clear();
    accept();
    emit chosen(choice);
}

}  // namespace velmora::windows
