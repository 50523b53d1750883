// The command line: the lobby's launch parameters (name, host, "true" to
// host), --serve and --port, and what a player or packager expects of a
// desktop program: --help, --version, and a clear error with exit code 2 for
// anything unknown, decided before any window or socket exists.
#pragma once

#include <QString>
#include <QStringList>

namespace velmora::app {

struct Options {
    enum class Action { Play, Serve, Help, Version, Error };
    Action action = Action::Play;
    QStringList launch;  // the lobby's parameters, in order
    QString port;        // empty: the game's own port
    QString error;       // what was wrong, for Action::Error
};

// Reads the arguments after the program name. Everything after "--" is a
// launch parameter, so a name that begins with "-" can still be given.
Options parseOptions(const QStringList& args);

// Prints help, version or the error (to standard output, standard output and
// standard error) and gives the exit code: 0, or 2 for an error.
int reportOptions(const Options& options, const QString& program = QStringLiteral("velmora"));

QString usageText(const QString& program);

}  // namespace velmora::app
