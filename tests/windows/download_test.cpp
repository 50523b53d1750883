// The lobby download against a local HTTP server: the status texts in order,
// a checked installer started and the game closed, and every refused,
// failed or stopped download leaving no file and starting nothing.
#include "windows/download.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "support/eventloop.h"
#include "windows/httpserver.h"

using velmora::test::HttpRoute;
using velmora::test::waitUntil;
using velmora::windows::Tdownload;

namespace {

QByteArray installer() {
    QByteArray data;
    for (int i = 0; i < 200000; ++i) data += char('a' + i % 23);
    return data;
}

QByteArray sha256Line(const QByteArray& data) {
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex() + "  lobby-setup.bin\n";
}

struct Download : testing::Test {
    QTemporaryDir folder;
    velmora::test::HttpServer http;
    Tdownload window{nullptr};
    QStringList shown;
    std::vector<std::pair<QString, QStringList>> started;
    int exits = 0;

    Download() {
        window.setDownloadFolder(folder.path());
        window.setProgramStarter([this](const QString& program, const QStringList& args) {
            started.emplace_back(program, args);
            return true;
        });
        QObject::connect(&window, &Tdownload::exitGame, [this] { ++exits; });
        QObject::connect(&window, &Tdownload::shown, [this](const QString& t) { shown << t; });
    }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }
    bool ended() {
        return waitUntil([&] { return !window.busy(); }) && window.getbutton()->isEnabled() &&
               !window.abortbutton()->isEnabled();
    }
    void start(const QString& path) {
        window.setDownloadAddress(http.url(path));
        window.getbuttonClick();
    }
};

}  // namespace

TEST_F(Download, WithoutAnAddressTheButtonSaysWhyItIsOff) {
    window.setDownloadAddress("  ");
    EXPECT_FALSE(window.getbutton()->isEnabled());
    EXPECT_EQ(window.getbutton()->text(), "Download Not Available: No Address Set");
    window.getbuttonClick();
    EXPECT_TRUE(shown.isEmpty());
    window.setDownloadAddress("http://example.org/setup.bin");
    EXPECT_TRUE(window.getbutton()->isEnabled());
    EXPECT_EQ(window.getbutton()->text(), "Download And Install The Halvex Lobby Now");
}

TEST_F(Download, ACheckedInstallerIsSavedMadeExecutableAndStarted) {
    const QByteArray body = installer();
    http.routes["/lobby-setup.bin"] = HttpRoute{200, body};
    http.routes["/lobby-setup.bin.sha256"] = HttpRoute{200, sha256Line(body)};
    start("/lobby-setup.bin");
    EXPECT_TRUE(window.abortbutton()->isEnabled());
    EXPECT_FALSE(window.getbutton()->isEnabled());
    ASSERT_TRUE(ended());

    ASSERT_GE(shown.size(), 5);
    EXPECT_EQ(shown[0], "");  // the byte count line is cleared first
    EXPECT_EQ(shown[1], "Loading");
    EXPECT_EQ(shown[2], "Downloading: " + http.url("/lobby-setup.bin"));
    bool ok = false;
    EXPECT_GT(shown[3].toLongLong(&ok), 0);  // the running count
    EXPECT_TRUE(ok);
    EXPECT_EQ(shown.mid(shown.size() - 2), QStringList({"Received 200000 bytes", "Installing"}));
    EXPECT_EQ(window.progressBar()->value(), 1000);

    const QString path = QDir(folder.path()).filePath("lobby-setup.bin");
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].first, path);
    EXPECT_EQ(started[0].second, QStringList({"/SP-", "/silent", "/noicons"}));
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(files(), QStringList{"lobby-setup.bin"});
    EXPECT_TRUE(QFileInfo(path).isExecutable());
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), body);
}

TEST_F(Download, AnInstallerThatWillNotStartIsReported) {
    const QByteArray body = installer();
    http.routes["/lobby-setup.bin"] = HttpRoute{200, body};
    http.routes["/lobby-setup.bin.sha256"] = HttpRoute{200, sha256Line(body)};
    window.setProgramStarter([](const QString&, const QStringList&) { return false; });
    start("/lobby-setup.bin");
    ASSERT_TRUE(ended());
    EXPECT_EQ(window.status(), "An Error has Occurred.");
    EXPECT_EQ(exits, 0);
}

TEST_F(Download, UncheckedOrMismatchedDownloadsAreRefused) {
    const QByteArray body = installer();
    http.routes["/lobby-setup.bin"] = HttpRoute{200, body};
    struct Case {
        const char* name;
        HttpRoute checksum;
    } cases[] = {
        {"wrong sum", {200, sha256Line(body + "x")}},
        {"no sum published", {404, "missing"}},
        {"not a sum", {200, "hello world"}},
        {"endless sum", {200, QByteArray(64 * 1024, 'a')}},
    };
    for (const Case& c : cases) {
        shown.clear();
        http.routes["/lobby-setup.bin.sha256"] = c.checksum;
        start("/lobby-setup.bin");
        ASSERT_TRUE(ended()) << c.name;
        EXPECT_EQ(window.status(), "Download Aborted") << c.name;
        EXPECT_TRUE(shown.contains("Received 200000 bytes")) << c.name;
        EXPECT_TRUE(window.progressText().contains("checksum")) << c.name << window.progressText().toStdString();
        EXPECT_TRUE(files().isEmpty()) << c.name;
    }
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(exits, 0);
}

TEST_F(Download, HttpErrorsAndShortTransfersLeaveNoFile) {
    http.routes["/short.bin"] = HttpRoute{200, QByteArray(500, 'x'), 1000};
    for (const char* path : {"/missing.bin", "/short.bin"}) {
        start(path);
        ASSERT_TRUE(ended()) << path;
        EXPECT_EQ(window.status(), "Download Aborted") << path;
        EXPECT_FALSE(window.progressText().isEmpty()) << path;
        EXPECT_TRUE(files().isEmpty()) << path;
    }
    EXPECT_TRUE(started.empty());
}

TEST_F(Download, StoppingMidwayStartsNothingAndLeavesNoFile) {
    http.routes["/big.bin"] = HttpRoute{200, QByteArray(50000, 'x'), 1000000, true};
    start("/big.bin");
    ASSERT_TRUE(waitUntil([&] { return window.progressText().toLongLong() >= 50000; }));
    EXPECT_EQ(window.status(), "Downloading: " + http.url("/big.bin"));
    QMetaObject::invokeMethod(window.abortbutton(), &QPushButton::click);
    ASSERT_TRUE(ended());
    EXPECT_EQ(shown.mid(shown.size() - 2), QStringList({"Download has been aborted.", "Download Aborted"}));
    // The server sees the connection end only after the client let go.
    ASSERT_TRUE(waitUntil([&] { return http.closed == 1; }));
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(exits, 0);
}

TEST_F(Download, ClosingTheWindowStopsTheDownload) {
    http.routes["/big.bin"] = HttpRoute{200, QByteArray(1000, 'x'), 1000000, true};
    window.show();
    start("/big.bin");
    ASSERT_TRUE(waitUntil([&] { return window.progressText().toLongLong() > 0; }));
    window.Button1Click();  // "Play Solo Game"
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.busy());
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(Download, AnAddressCannotChooseWhereTheFileGoes) {
    const QByteArray body = installer();
    http.routes["/"] = HttpRoute{200, body};
    http.routes["/.sha256"] = HttpRoute{200, sha256Line(body)};
    start("/");
    ASSERT_TRUE(ended());
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].first, QDir(folder.path()).filePath("halvexlobby-setup"));
    window.setDownloadAddress("ftp://example.org/setup.bin");
    window.getbuttonClick();
    EXPECT_EQ(window.status(), "An Error has Occurred.");
    EXPECT_EQ(started.size(), 1u);
}

TEST_F(Download, TheInstalledLobbyStartsOrTheNoticeSaysWhereToFindIt) {
    window.Button2Click();  // no lobby known
    auto* notice = window.findChild<QMessageBox*>();
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());  // open(), not exec(): this test runs on
    EXPECT_EQ(notice->text(), "Please close the game and open the Halvex Lobby using the icon on your desktop or "
                              "using the your Window's start-up menu.");
    notice->close();
    EXPECT_TRUE(started.empty());

    const QString lobby = QDir(folder.path()).filePath("halvexlobby");
    QFile script(lobby);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n");
    script.close();
    window.setLobbyPath(lobby);
    window.Button2Click();  // there, but not a program
    EXPECT_TRUE(started.empty());
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    window.Button2Click();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].first, lobby);
    EXPECT_EQ(exits, 1);
}
