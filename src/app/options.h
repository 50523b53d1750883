// The command line: the lobby's launch parameters (name, host, "true" to
// host), --serve and --port, and what a player or packager expects of a
// desktop program: --help, --version, and a clear error with exit code 2 for
// anything unknown, decided before any window or socket exists.
#pragma once

#include <QString>
#include <QStringList>

#include "game/discovery.h"
#include "game/protocol.h"

namespace velmora::app {

struct Options {
    enum class Action { Play, Serve, Find, Help, Version, Error };
    Action action = Action::Play;
    QStringList launch;  // the lobby's parameters, in order
    QString port;        // empty: the game's own port
    // Telling the local network about a hosted table (never for solo), and
    // finding tables: where announcements go (empty: broadcast), on which
    // UDP port, under which name, and how long --find listens.
    bool announce = false;
    bool openPort = false;  // hosting in the window: ask the router to open the port
    QString announceTo;
    quint16 discoveryPort = kDiscoveryPort;
    QString tableName;
    int findSeconds = 3;
    // --serve only: where the table is saved after every turn (empty: the
    // resumed file, else the XDG state folder), and a saved table to go on with.
    QString stateFile;
    QString resumeFile;
    // Headless, for operators: the metrics endpoint (--metrics ADDRESS:PORT;
    // port -1: none), the log's format, Agones' health period and how long
    // an emptied table waits before asking to be shut down (-1: never), and
    // the pace of the computer and the round pauses (tests and benchmarks).
    QString metricsAddress;
    int metricsPort = -1;
    bool logJson = false;
    int healthSeconds = 5;
    int shutdownWhenEmpty = -1;
    int pace = 1;
    QString said;        // the window's first line after a game ended on its own
    // --serve only: the computer players' level, numbered as Options >
    // Computer Level numbers it (0 designed, 1 strong, 2 expert).
    int computerLevel = 0;
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
