// An X server of the test's own (Xvfb) for child processes that need a real
// display, so tests never touch the developer's desktop. Header only.
#pragma once

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

namespace velmora::test {

struct XServer {
    QProcess process;
    int display = 0;

    ~XServer() {
        if (process.state() == QProcess::NotRunning) return;
        process.terminate();
        process.waitForFinished(3000);
    }

    // The caller's environment with this display, for a Qt child on xcb.
    QProcessEnvironment childEnvironment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":%1").arg(display));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return env;
    }
};

// Starts `xvfb` on the first display in [first, last) without a lock file;
// tests that run side by side give each other ranges of their own. Call it
// through ASSERT_NO_FATAL_FAILURE.
inline void startXServer(XServer& x, const QString& xvfb, int first, int last, const char* screen) {
    for (int n = first; n < last && x.display == 0; ++n)
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))) x.display = n;
    ASSERT_NE(x.display, 0);
    x.process.start(xvfb, {QStringLiteral(":%1").arg(x.display), QStringLiteral("-screen"), QStringLiteral("0"),
                           QString::fromLatin1(screen), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    ASSERT_TRUE(x.process.waitForStarted());
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(x.display);
    for (int i = 0; i < 100 && !QFileInfo::exists(socket); ++i) QThread::msleep(50);
    ASSERT_TRUE(QFileInfo::exists(socket)) << "Xvfb did not come up";
}

}  // namespace velmora::test
