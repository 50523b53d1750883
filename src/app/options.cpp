#include "app/options.h"

#include <algorithm>
#include <cstdio>

#include <QCoreApplication>
#include <QHostAddress>

#include "game/protocol.h"

namespace velmora::app {
namespace {

bool validPort(const QString& text) {
    bool ok = false;
    const int port = text.toInt(&ok);
    return ok && !text.startsWith(QLatin1Char('+')) && port >= 0 && port <= 65535;
}

// Qt's own command-line options (QApplication takes them out itself); each
// with whether it takes a value. Accepted with one dash or two.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true}, {"display", true},
    {"geometry", true}, {"style", true}, {"stylesheet", true}, {"session", true}, {"title", true},
    {"reverse", false}, {"nograb", false}, {"dograb", false}, {"sync", false}, {"widgetcount", false},
};

// How many arguments a Qt option at `a` takes up (0: not Qt's).
int qtOptionLength(const QString& a) {
    QString name = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
    const bool joined = name.contains(QLatin1Char('='));
    name = name.section(QLatin1Char('='), 0, 0);
    for (const auto& o : kQtOptions)
        if (name == QLatin1String(o.name)) return o.takesValue && !joined ? 2 : 1;
    return 0;
}

// Options that take a value, as "--name value" or "--name=value".
struct ValueOption {
    QLatin1String name;
    const char* what;  // translated where it is shown
    QString (*take)(Options& o, const QString& value);  // the problem, or empty
};
// A whole number in [low, high] from `v` into `out`; the problem, or empty.
QString seconds(int& out, const QString& v, int low, int high) {
    bool ok = false;
    out = v.toInt(&ok);
    return ok && out >= low && out <= high
               ? QString()
               : QCoreApplication::translate("Options", "'%1' is not a number from %2 to %3").arg(v).arg(low).arg(high);
}

const ValueOption kValueOptions[] = {
    {QLatin1String("--metrics"), QT_TRANSLATE_NOOP("Options", "an address and port"),
     [](Options& o, const QString& v) {
         // "127.0.0.1:9100", "[::1]:9100"
         const qsizetype colon = v.lastIndexOf(QLatin1Char(':'));
         QString address = v.left(colon);
         if (address.startsWith(QLatin1Char('[')) && address.endsWith(QLatin1Char(']'))) address = address.mid(1, address.size() - 2);
         const QString port = v.mid(colon + 1);
         o.metricsAddress = address;
         o.metricsPort = port.toInt();
         return colon > 0 && !QHostAddress(address).isNull() && validPort(port)
                    ? QString()
                    : QCoreApplication::translate("Options", "'%1' is not ADDRESS:PORT").arg(v);
     }},
    {QLatin1String("--log-format"), QT_TRANSLATE_NOOP("Options", "text or json"),
     [](Options& o, const QString& v) {
         o.logJson = v == QLatin1String("json");
         return v == QLatin1String("json") || v == QLatin1String("text")
                    ? QString()
                    : QCoreApplication::translate("Options", "'%1' is not a log format (text or json)").arg(v);
     }},
    {QLatin1String("--health-interval"), QT_TRANSLATE_NOOP("Options", "a number of seconds"),
     [](Options& o, const QString& v) { return seconds(o.healthSeconds, v, 1, 3600); }},
    {QLatin1String("--shutdown-when-empty"), QT_TRANSLATE_NOOP("Options", "a number of seconds"),
     [](Options& o, const QString& v) { return seconds(o.shutdownWhenEmpty, v, 0, 86400); }},
    {QLatin1String("--pace"), QT_TRANSLATE_NOOP("Options", "a number"),
     [](Options& o, const QString& v) { return seconds(o.pace, v, 1, 1000); }},
    {QLatin1String("--port"), QT_TRANSLATE_NOOP("Options", "a port number"),
     [](Options& o, const QString& v) {
         o.port = v;
         return validPort(v) ? QString() : QCoreApplication::translate("Options", "'%1' is not a port number (0 to 65535)").arg(v);
     }},
    {QLatin1String("--announce-to"), QT_TRANSLATE_NOOP("Options", "an address"),
     [](Options& o, const QString& v) {
         o.announce = true;
         o.announceTo = v;
         return QHostAddress(v).isNull() ? QCoreApplication::translate("Options", "'%1' is not an IP address").arg(v) : QString();
     }},
    {QLatin1String("--discovery-port"), QT_TRANSLATE_NOOP("Options", "a port number"),
     [](Options& o, const QString& v) {
         o.discoveryPort = quint16(v.toUInt());
         return validPort(v) ? QString() : QCoreApplication::translate("Options", "'%1' is not a port number (0 to 65535)").arg(v);
     }},
    {QLatin1String("--name"), QT_TRANSLATE_NOOP("Options", "a table name"),
     [](Options& o, const QString& v) {
         o.tableName = v;
         return v.trimmed().isEmpty() ? QCoreApplication::translate("Options", "the table name is empty") : QString();
     }},
    {QLatin1String("--state"), QT_TRANSLATE_NOOP("Options", "a file"),
     [](Options& o, const QString& v) {
         o.stateFile = v;
         return v.isEmpty() ? QCoreApplication::translate("Options", "the state file name is empty") : QString();
     }},
    {QLatin1String("--resume"), QT_TRANSLATE_NOOP("Options", "a file"),
     [](Options& o, const QString& v) {
         o.resumeFile = v;
         return v.isEmpty() ? QCoreApplication::translate("Options", "the file to resume is empty") : QString();
     }},
    // Not for players: the window passes it on when it starts again at the
    // first screen after a game ended without the player closing it.
    {QLatin1String("--said"), QT_TRANSLATE_NOOP("Options", "a line of text"),
     [](Options& o, const QString& v) {
         o.said = v;
         return QString();
     }},
    {QLatin1String("--level"), QT_TRANSLATE_NOOP("Options", "a computer level"),
     [](Options& o, const QString& v) {
         static const QLatin1String kLevels[] = {QLatin1String("designed"), QLatin1String("strong"),
                                                 QLatin1String("expert")};
         for (int n = 0; n < 3; ++n)
             if (v.compare(kLevels[n], Qt::CaseInsensitive) == 0) return o.computerLevel = n, QString();
         return QCoreApplication::translate("Options", "'%1' is not a computer level (designed, strong or expert)")
             .arg(v);
     }},
    {QLatin1String("--timeout"), QT_TRANSLATE_NOOP("Options", "a number of seconds"),
     [](Options& o, const QString& v) {
         bool ok = false;
         o.findSeconds = v.toInt(&ok);
         return ok && o.findSeconds >= 1 && o.findSeconds <= 3600
                    ? QString()
                    : QCoreApplication::translate("Options", "'%1' is not a number of seconds (1 to 3600)").arg(v);
     }},
};

const ValueOption* valueOption(const QString& a) {
    const QString name = a.section(QLatin1Char('='), 0, 0);
    for (const ValueOption& v : kValueOptions)
        if (name == v.name) return &v;
    return nullptr;
}

Options failure(const QString& error) {
    Options o;
    o.action = Options::Action::Error;
    o.error = error;
    return o;
}

void print(std::FILE* to, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
}

}  // namespace

Options parseOptions(const QStringList& args) {
    Options o;
    bool serve = false, find = false, help = false, version = false, positionalOnly = false;
    QString unknown;          // the first argument that is no option of ours
    qsizetype unknownAt = -1; // its place among the launch parameters
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (positionalOnly || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            o.launch << a;
        } else if (a == QLatin1String("--")) {
            positionalOnly = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            help = true;
        } else if (a == QLatin1String("--version")) {
            version = true;
        } else if (a == QLatin1String("--serve")) {
            serve = true;
        } else if (a == QLatin1String("--find")) {
            find = true;
        } else if (a == QLatin1String("--announce")) {
            o.announce = true;
        } else if (a == QLatin1String("--open-port")) {
            o.openPort = true;
        } else if (const ValueOption* v = valueOption(a)) {
            const bool joined = a.contains(QLatin1Char('='));
            if (!joined && i + 1 >= args.size()) return failure(QCoreApplication::translate("Options", "option '%1' needs %2")
                                   .arg(v->name, QCoreApplication::translate("Options", v->what)));
            const QString value = joined ? a.section(QLatin1Char('='), 1) : args[++i];
            const QString problem = v->take(o, value);
            if (!problem.isEmpty()) return failure(problem);
        } else if (const int n = qtOptionLength(a)) {
            if (i + n > args.size()) return failure(QCoreApplication::translate("Options", "option '%1' needs a value").arg(a));
            i += n - 1;
        } else {
            if (unknown.isEmpty()) {
                unknown = a;
                unknownAt = o.launch.size();
            }
            o.launch << a;
        }
    }
    // The lobby passes a player's name as it is, and names such as "-=Bo=-"
    // exist: a dash is taken as the name when the parameters have the
    // lobby's shape (name, host, true|false) and nothing else is unknown.
    if (!unknown.isEmpty()) {
        const bool lobbyName = unknownAt == 0 && o.launch.size() == 3 &&
                               std::none_of(o.launch.begin() + 1, o.launch.end(),
                                            [](const QString& p) { return p.startsWith(QLatin1Char('-')); });
        if (!lobbyName) return failure(QCoreApplication::translate("Options", "unknown option '%1'").arg(unknown));
    }
    if (help)
        o.action = Options::Action::Help;
    else if (version)
        o.action = Options::Action::Version;
    else if (serve)
        o.action = Options::Action::Serve;
    else if (find)
        o.action = Options::Action::Find;
    return o;
}

QString usageText(const QString& program) {
    return QCoreApplication::translate("Options",
               "Usage: %1 [--port N]                       a solo game against the computer\n"
               "       %1 [--port N] NAME HOST true|false  as the lobby starts it: play as\n"
               "                                                NAME, and host (true) or join HOST\n"
               "       %1 --serve [--port N] [--announce [--announce-to ADDRESS]] [--name TEXT]\n"
               "               [--state FILE] [--resume FILE] [--level L]  the game host alone, without a window\n"
               "       %1 --find [--timeout S]             list the tables announced on this network\n"
               "\n"
               "Velmora is a rummy-style card game for one table of four seats; computer\n"
               "players take every empty seat.\n"
               "\n"
               "Options:\n"
               "  --serve      run only the host until interrupted (SIGINT or SIGTERM)\n"
               "  --port N     TCP port of the host (default %2; 0 picks a free one)\n"
               "  --announce   let players on this network find the table (every 2 s, UDP)\n"
               "  --announce-to ADDRESS  announce to this address instead of the local\n"
               "               network's broadcast address (implies --announce)\n"
               "  --name TEXT  the table's name in announcements\n"
               "  --state FILE where --serve saves the table after every turn (default:\n"
               "               the file resumed, else $XDG_STATE_HOME/velmora/table.state)\n"
               "  --resume FILE  go on with the game saved in FILE; the players take their\n"
               "               seats back; a damaged file is refused (exit 3) and kept\n"
               "  --level L    the computer players' level: designed (the default), strong\n"
               "               or expert\n"
               "  --open-port  when hosting, ask the router (UPnP, else NAT-PMP) to open the\n"
               "               port to the internet; --serve prints where friends join\n"
               "  --find       print the tables found as tab-separated lines (address, port,\n"
               "               name, seats taken, game on, version); exit 1 when none\n"
               "  --timeout S  how long --find listens (default 3 seconds)\n"
               "  --discovery-port N  UDP port of announcements (default 7773)\n"
               "  --metrics ADDRESS:PORT  --serve: the table's figures for Prometheus at\n"
               "               http://ADDRESS:PORT/metrics\n"
               "  --log-format text|json  --serve: the lines on standard error as text\n"
               "               (default) or one JSON object each\n"
               "  --health-interval S  with Agones (AGONES_SDK_HTTP_PORT set): seconds\n"
               "               between health calls (default 5)\n"
               "  --shutdown-when-empty S  with Agones: ask to be shut down once a game has\n"
               "               ended and no one has been at the table for S seconds\n"
               "  --pace N     --serve: the computer's moves and the pauses between rounds\n"
               "               N times quicker (for tests and benchmarks; default 1)\n"
               "  -h, --help   show this help and exit\n"
               "  --version    show the version and exit\n"
               "  --           everything after it is a launch parameter\n"
               "\n"
               "Settings, tally and downloads are kept beside the program when its folder\n"
               "is writable, otherwise in $XDG_CONFIG_HOME/velmora and $XDG_DATA_HOME/velmora.\n")
        .arg(program, QString::fromLatin1(kDefaultPortText));
}

int reportOptions(const Options& options, const QString& program) {
    switch (options.action) {
    case Options::Action::Help: print(stdout, usageText(program)); return 0;
    case Options::Action::Version: print(stdout, QStringLiteral("%1 %2\n").arg(program, QString::fromLatin1(velmora::kVersionText))); return 0;
    case Options::Action::Error:
        print(stderr, QCoreApplication::translate("Options", "%1: %2\nTry '%1 --help' for more information.\n")
                         .arg(program, options.error));
        return 2;
    case Options::Action::Play:
    case Options::Action::Serve:
    case Options::Action::Find: break;  // the caller runs these
    }
    return 0;
}

}  // namespace velmora::app
