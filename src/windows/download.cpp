#include "windows/download.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmora::windows {
namespace {

// Made when shown, so that they are in the player's language.
QString getCaption() { return Tdownload::tr("Download And Install The Halvex Lobby Now"); }
QString noAddressCaption() { return Tdownload::tr("Download Not Available: No Address Set"); }
constexpr int kStallMs = 60000;  // a server that sends nothing for this long is given up

// The installer's file name: the text after the address's last "/", kept to
// plain characters so that the address cannot steer where the file goes.
QString fileNameFor(const QUrl& url) {
    QString name;
    for (const QChar c : url.fileName())
        if (c.isLetterOrNumber() && c.unicode() < 128) name += c;
        else if (c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('_')) name += c;
    if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) name = QStringLiteral("halvexlobby-setup");
    return name;
}

// "hex  name" as sha256sum writes it, or the bare hex.
QByteArray checksumIn(const QByteArray& text) {
    const QByteArray first = text.simplified().split(' ').value(0).toLower();
    return first.size() == 64 && !QByteArray::fromHex(first).isEmpty() ? first : QByteArray();
}

}  // namespace

Tdownload::Tdownload(QWidget* parent)
    : SideWindow("Tdownload", tr("Download The Halvex Lobby"), parent),
      startProgram_([](const QString& program, const QStringList& args) {
          return QProcess::startDetached(program, args);
      }) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(feltHeading(QStringLiteral("Velmora"), this));
    downloadPanel_ = buildDownloadPanel();
    layout->addWidget(downloadPanel_);
    layout->addWidget(buildSoloPanel());
    layout->addWidget(buildOthersPanel());
    setDownloadAddress(QString());
    setMinimumWidth(380);
}

Tdownload::~Tdownload() { abortbuttonClick(); }

// Made with the first download: the first screen shows this window at every
// solo start, and most starts download nothing.
QNetworkAccessManager* Tdownload::network() {
    if (!net_) net_ = new QNetworkAccessManager(this);
    return net_;
}

QWidget* Tdownload::buildDownloadPanel() {
    auto* panel = new QGroupBox(tr("The Halvex Lobby"), this);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(feltText(tr("Meet other players in the Halvex Lobby."), panel));
    get_ = new QPushButton(getCaption(), panel);
    get_->setObjectName(QStringLiteral("getbutton"));
    connect(get_, &QPushButton::clicked, this, &Tdownload::getbuttonClick);
    abort_ = new QPushButton(tr("Stop Download"), panel);
    abort_->setObjectName(QStringLiteral("abortbutton"));
    abort_->setEnabled(false);
    connect(abort_, &QPushButton::clicked, this, &Tdownload::abortbuttonClick);
    bar_ = new QProgressBar(panel);
    bar_->setObjectName(QStringLiteral("progressbar"));
    bar_->setRange(0, 1000);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    status_ = feltText(QString(), panel);
    status_->setObjectName(QStringLiteral("label_status"));
    bytes_ = feltText(QString(), panel);
    bytes_->setObjectName(QStringLiteral("label_bytes"));
    for (QWidget* w : std::initializer_list<QWidget*>{get_, abort_, bar_, status_, bytes_}) layout->addWidget(w);
    return panel;
}

// The table in this window is already up; the choice only says how many
// seats the computer takes when the game is started.
QWidget* Tdownload::buildSoloPanel() {
    auto* panel = new QGroupBox(tr("Play Solo Game"), this);
    auto* layout = new QVBoxLayout(panel);
    auto* row = new QHBoxLayout;
    QLabel* count = feltText(tr("Computer players:"), panel);
    count->setWordWrap(false);  // one line before its choices, however long the language makes it
    row->addWidget(count);
    computers_ = new QButtonGroup(panel);
    for (int n = 1; n <= kMaxComputerPlayers; ++n) {
        auto* radio = new QRadioButton(QString::number(n), panel);
        radio->setObjectName(QStringLiteral("radio_computers%1").arg(n));
        computers_->addButton(radio, n);
        row->addWidget(radio);
    }
    row->addStretch();
    computers_->button(kMaxComputerPlayers)->setChecked(true);
    connect(computers_, &QButtonGroup::idClicked, this, &Tdownload::computerPlayersChosen);
    layout->addLayout(row);
    auto* solo = new QPushButton(tr("Play Solo Game"), panel);
    solo->setObjectName(QStringLiteral("Button1"));
    solo->setDefault(true);
    connect(solo, &QPushButton::clicked, this, &Tdownload::Button1Click);
    layout->addWidget(solo);
    resume_ = new QPushButton(tr("Resume the unfinished game"), panel);
    resume_->setObjectName(QStringLiteral("button_resume"));
    resume_->hide();
    connect(resume_, &QPushButton::clicked, this, [this] {
        resume_->hide();
        emit resumeChosen();
        close();
    });
    layout->addWidget(resume_);
    savedNote_ = feltText(QString(), panel);
    savedNote_->setObjectName(QStringLiteral("label_saved"));
    savedNote_->hide();
    layout->addWidget(savedNote_);
    return panel;
}

QWidget* Tdownload::buildOthersPanel() {
    auto* panel = new QGroupBox(tr("Play with Others"), this);
    auto* layout = new QVBoxLayout(panel);
    auto* row = new QHBoxLayout;
    for (const bool host : {true, false}) {
        auto* button = new QPushButton(host ? tr("Host a Game") : tr("Join a Game"), panel);
        button->setObjectName(host ? QStringLiteral("button_host") : QStringLiteral("button_join"));
        connect(button, &QPushButton::clicked, this, [this, host] { emit hostOrJoin(host); });
        row->addWidget(button);
    }
    layout->addLayout(row);
    lobby_ = new QPushButton(tr("Open The Halvex Lobby"), panel);
    lobby_->setObjectName(QStringLiteral("Button2"));
    connect(lobby_, &QPushButton::clicked, this, &Tdownload::Button2Click);
    layout->addWidget(lobby_);
    return panel;
}

void Tdownload::setComputerPlayers(int count) {
    if (QAbstractButton* radio = computers_->button(count)) radio->setChecked(true);
}

int Tdownload::computerPlayers() const { return computers_->checkedId(); }

void Tdownload::setSavedGame(bool resumable, const QString& problem) {
    resume_->setVisible(resumable);
    // Enter goes on with the unfinished game rather than replacing it (a
    // focused button is the dialog's default while it has the focus).
    QPushButton* solo = findChild<QPushButton*>(QStringLiteral("Button1"));
    (resumable ? resume_ : solo)->setDefault(true);
    (resumable ? resume_ : solo)->setFocus(Qt::OtherFocusReason);
    savedNote_->setText(resumable || problem.isEmpty()
                            ? QString()
                            : tr("The unfinished game cannot be resumed: %1.").arg(problem));
    savedNote_->setVisible(!savedNote_->text().isEmpty());
    adjustSize();
}

void Tdownload::setLobbyPath(const QString& path) {
    lobbyPath_ = path.trimmed();
    showLobbyParts();
}

// The lobby's parts show only where the settings file names the lobby; a
// player without it is offered only what can be done.
void Tdownload::showLobbyParts() {
    downloadPanel_->setVisible(!address_.isEmpty());
    lobby_->setVisible(!lobbyPath_.isEmpty());
    setWindowTitle(address_.isEmpty() && lobbyPath_.isEmpty() ? tr("Velmora - New Game")
                                                              : tr("Download The Halvex Lobby"));
    adjustSize();
}

void Tdownload::setDownloadAddress(const QString& address) {
    address_ = address.trimmed();
    const bool usable = !address_.isEmpty();
    const QString why = tr("No download address for the Halvex Lobby is set in the settings file.");
    get_->setText(usable ? getCaption() : noAddressCaption());
    get_->setToolTip(usable ? address_ : why);
    get_->setEnabled(usable && !busy());
    if (!busy()) status_->setText(usable ? QString() : why);
    showLobbyParts();
}

QString Tdownload::status() const { return status_->text(); }
QString Tdownload::progressText() const { return bytes_->text(); }

void Tdownload::setStatus(const QString& text) {
    status_->setText(text);
    emit shown(text);
}

void Tdownload::setProgressText(const QString& text) {
    bytes_->setText(text);
    emit shown(text);
}

void Tdownload::getbuttonClick() {
    if (address_.isEmpty() || busy()) return;
    const QUrl url(address_);
    setProgressText(QString());
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        setStatus(tr("An Error has Occurred."));
        setProgressText(tr("The download address is not an http or https address."));
        return;
    }
    file_ = std::make_unique<QSaveFile>(QDir(folder_).filePath(fileNameFor(url)));
    file_->setDirectWriteFallback(false);  // never write straight into the final name
    if (folder_.isEmpty() || !file_->open(QIODevice::WriteOnly)) {
        file_.reset();
        setStatus(tr("An Error has Occurred."));
        setProgressText(tr("There is no folder the download can be saved in."));
        return;
    }
    hash_.reset();
    received_ = 0;
    begun_ = stopping_ = false;
    get_->setEnabled(false);
    abort_->setEnabled(true);
    bar_->setRange(0, 1000);
    bar_->setValue(0);
    setStatus(tr("Loading"));

    QNetworkRequest request(url);
    request.setTransferTimeout(kStallMs);
    reply_ = network()->get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &Tdownload::transferBegins);
    connect(reply_, &QNetworkReply::readyRead, this, [this] { dataArrived(reply_); });
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 got, qint64 total) {
        if (total > kMaxInstallerBytes) return refuse(tr("The download is too large."));
        if (total > 0) bar_->setValue(int(got * 1000 / total));
        else bar_->setRange(0, 0);  // size unknown: a busy bar
    });
    connect(reply_, &QNetworkReply::finished, this, &Tdownload::transferEnded);
}

void Tdownload::transferBegins() {
    if (begun_) return;
    begun_ = true;
    setStatus(tr("Downloading: ") + address_);
}

void Tdownload::dataArrived(QNetworkReply* reply) {
    if (!reply || !file_ || stopping_) return;
    transferBegins();
    const QByteArray bytes = reply->readAll();
    if (bytes.isEmpty()) return;
    received_ += bytes.size();
    if (received_ > kMaxInstallerBytes) return refuse(tr("The download is too large."));
    hash_.addData(bytes);
    if (file_->write(bytes) != bytes.size()) return refuse(tr("The download could not be saved."));
    setProgressText(QString::number(received_));
}

void Tdownload::transferEnded() {
    QNetworkReply* reply = reply_;
    if (!reply || reply != sender()) return;
    reply->deleteLater();
    if (stopping_ || reply->error() != QNetworkReply::NoError) {
        reply_ = nullptr;
        // A stop was reported by abortbuttonClick or refuse already.
        return stopping_ ? void() : refuse(reply->errorString());
    }
    dataArrived(reply);  // anything still buffered
    reply_ = nullptr;
    if (!file_) return;  // refused while reading the rest
    setProgressText(tr("Received %1 bytes").arg(received_));
    bar_->setRange(0, 1000);
    bar_->setValue(1000);
    if (reply->url().scheme() == QLatin1String("https")) return install();
    // Over plain HTTP anyone on the way could have changed the file: it must
    // match the checksum published beside it.
    QNetworkRequest request(QUrl(address_ + QStringLiteral(".sha256")));
    request.setTransferTimeout(kStallMs);
    checksumReply_ = network()->get(request);
    connect(checksumReply_, &QNetworkReply::downloadProgress, this, [this](qint64 got, qint64) {
        if (got > kMaxChecksumBytes) refuse(tr("The download's checksum could not be read."));
    });
    connect(checksumReply_, &QNetworkReply::finished, this, &Tdownload::checksumArrived);
}

void Tdownload::checksumArrived() {
    QNetworkReply* reply = checksumReply_;
    if (!reply || reply != sender()) return;
    checksumReply_ = nullptr;
    reply->deleteLater();
    if (stopping_) return;
    if (reply->error() != QNetworkReply::NoError)
        return refuse(tr("The download's checksum could not be fetched, so it was not kept."));
    const QByteArray expected = checksumIn(reply->read(kMaxChecksumBytes));
    if (expected.isEmpty() || expected != hash_.result().toHex())
        return refuse(tr("The download does not match its checksum, so it was not kept."));
    install();
}

void Tdownload::install() {
    if (!file_->commit()) return refuse(tr("The download could not be saved."));
    const QString path = file_->fileName();
    file_.reset();
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    setStatus(tr("Installing"));
    const bool started = startProgram_ && startProgram_(path, kInstallerArguments);
    finish();
    if (!started) {
        setStatus(tr("An Error has Occurred."));
        return;
    }
    emit exitGame();
}

void Tdownload::stopAll() {
    stopping_ = true;  // the replies' own ends are not reported again
    for (QNetworkReply* r : {reply_.data(), checksumReply_.data()})
        if (r && r->isRunning()) r->abort();
}

// Any failure: the partial file goes, nothing is started.
void Tdownload::refuse(const QString& why) {
    stopAll();
    setStatus(tr("Download Aborted"));
    setProgressText(why);
    bar_->setValue(0);
    finish();
}

void Tdownload::abortbuttonClick() {
    if (!busy()) return;
    stopAll();
    setProgressText(tr("Download has been aborted."));
    setStatus(tr("Download Aborted"));
    bar_->setValue(0);
    finish();
}

void Tdownload::finish() {
    if (file_) file_->cancelWriting();
    file_.reset();  // an uncommitted file is removed
    reply_ = nullptr;
    checksumReply_ = nullptr;
    get_->setEnabled(!address_.isEmpty());
    abort_->setEnabled(false);
    if (bar_->maximum() == 0) bar_->setRange(0, 1000);
}

void Tdownload::closeEvent(QCloseEvent* event) {
    // Leaving the window means not now: a download finishing later must not
    // close a game in progress.
    abortbuttonClick();
    SideWindow::closeEvent(event);
}

void Tdownload::Button2Click() {
    const QFileInfo lobby(lobbyPath_);
    if (!lobbyPath_.isEmpty() && lobby.isFile() && lobby.isExecutable() && startProgram_ &&
        startProgram_(lobby.absoluteFilePath(), {})) {
        emit exitGame();
        return;
    }
    // The lobby is a separate program that starts the game itself.
    auto* box = new QMessageBox(QMessageBox::NoIcon, windowTitle(),
                                tr("Please close the game and open the Halvex Lobby using the icon on "
                                   "your desktop or using the your Window's start-up menu."),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace velmora::windows
