// The command line: launch parameters pass through untouched, help and
// version answer without a window, and every mistake is exit code 2 with a
// message that names the culprit.
#include "app/options.h"

#include <gtest/gtest.h>

using velmora::app::Options;
using velmora::app::parseOptions;
using Action = Options::Action;

namespace {

Options parse(std::initializer_list<const char*> args) {
    QStringList list;
    for (const char* a : args) list << QString::fromUtf8(a);
    return parseOptions(list);
}

TEST(Options, LaunchParametersFromTheLobbyPassThroughInOrder) {
    const Options solo = parse({});
    EXPECT_EQ(solo.action, Action::Play);
    EXPECT_TRUE(solo.launch.isEmpty());
    EXPECT_TRUE(solo.port.isEmpty());

    const Options lobby = parse({"Anna Lee", "10.0.0.7", "true", "ignored"});
    EXPECT_EQ(lobby.action, Action::Play);
    EXPECT_EQ(lobby.launch, QStringList({"Anna Lee", "10.0.0.7", "true", "ignored"}));

    const Options ported = parse({"--port", "7800", "Bo", "host", "false"});
    EXPECT_EQ(ported.port, "7800");
    EXPECT_EQ(ported.launch, QStringList({"Bo", "host", "false"}));
    EXPECT_EQ(parse({"Bo", "--port=0", "host", "false"}).port, "0");

    // A name that begins with a dash comes after "--", or as the lobby passes
    // it: first of exactly three parameters.
    const Options dashed = parse({"--", "-Zed-", "host", "false"});
    EXPECT_EQ(dashed.action, Action::Play);
    EXPECT_EQ(dashed.launch, QStringList({"-Zed-", "host", "false"}));
    const Options fromLobby = parse({"--port", "7800", "-=Bo=-", "10.0.0.7", "true"});
    EXPECT_EQ(fromLobby.action, Action::Play);
    EXPECT_EQ(fromLobby.launch, QStringList({"-=Bo=-", "10.0.0.7", "true"}));
}

TEST(Options, ServeHelpAndVersion) {
    const Options serve = parse({"--serve", "--port", "0"});
    EXPECT_EQ(serve.action, Action::Serve);
    EXPECT_EQ(serve.port, "0");
    EXPECT_EQ(parse({"--help"}).action, Action::Help);
    EXPECT_EQ(parse({"-h", "--serve"}).action, Action::Help);
    EXPECT_EQ(parse({"--version", "Bo"}).action, Action::Version);
    EXPECT_EQ(velmora::app::reportOptions(parse({"--version"})), 0);

    // Announcing is asked for, never assumed; an address to announce to asks for it.
    EXPECT_FALSE(serve.announce);
    const Options announced = parse({"--serve", "--announce-to", "127.0.0.1", "--name=Back room", "--discovery-port", "7999"});
    EXPECT_TRUE(announced.announce);
    EXPECT_EQ(announced.announceTo, "127.0.0.1");
    EXPECT_EQ(announced.tableName, "Back room");
    EXPECT_EQ(announced.discoveryPort, 7999);
    EXPECT_EQ(serve.computerLevel, 0);
    EXPECT_EQ(parse({"--serve", "--level", "Expert"}).computerLevel, 2);
    EXPECT_EQ(parse({"--serve", "--level=strong"}).computerLevel, 1);
    const Options find = parse({"--find", "--timeout", "10"});
    EXPECT_EQ(find.action, Action::Find);
    EXPECT_EQ(find.findSeconds, 10);
    const QString usage = velmora::app::usageText("velmora");
    for (const char* word : {"--serve", "--port", "--help", "--version", "NAME HOST true|false", "XDG_CONFIG_HOME"})
        EXPECT_TRUE(usage.contains(QLatin1String(word))) << word;
}

TEST(Options, MistakesAreErrorsThatNameTheCulprit) {
    struct Case {
        std::initializer_list<const char*> args;
        const char* error;
    };
    const Case cases[] = {
        {{"--fullscreen"}, "unknown option '--fullscreen'"},
        {{"-x"}, "unknown option '-x'"},
        {{"Bo", "host", "true", "--bogus"}, "unknown option '--bogus'"},
        {{"-x", "host"}, "unknown option '-x'"},
        {{"-x", "-y", "true"}, "unknown option '-x'"},
        {{"Bo", "-host", "true"}, "unknown option '-host'"},
        {{"--port"}, "option '--port' needs a port number"},
        {{"--port", "seven"}, "'seven' is not a port number (0 to 65535)"},
        {{"--port", "65536"}, "'65536' is not a port number (0 to 65535)"},
        {{"--port=-1"}, "'-1' is not a port number (0 to 65535)"},
        {{"--serve", "--port", "+80"}, "'+80' is not a port number (0 to 65535)"},
        {{"-platform"}, "option '-platform' needs a value"},
        {{"--serve", "--announce-to", "the-lan"}, "'the-lan' is not an IP address"},
        {{"--find", "--timeout", "0"}, "'0' is not a number of seconds (1 to 3600)"},
        {{"--find", "--timeout"}, "option '--timeout' needs a number of seconds"},
        {{"--serve", "--metrics", "9100"}, "'9100' is not ADDRESS:PORT"},
        {{"--serve", "--metrics", "localhost:9100"}, "'localhost:9100' is not ADDRESS:PORT"},
        {{"--serve", "--metrics", "127.0.0.1:91000"}, "'127.0.0.1:91000' is not ADDRESS:PORT"},
        {{"--serve", "--log-format", "xml"}, "'xml' is not a log format (text or json)"},
        {{"--serve", "--shutdown-when-empty", "-1"}, "'-1' is not a number from 0 to 86400"},
        {{"--serve", "--level", "hard"}, "'hard' is not a computer level (designed, strong or expert)"},
    };
    for (const Case& c : cases) {
        const Options o = parse(c.args);
        EXPECT_EQ(o.action, Action::Error) << c.error;
        EXPECT_EQ(o.error, QString::fromUtf8(c.error));
        EXPECT_EQ(velmora::app::reportOptions(o), 2);
    }
}

TEST(Options, OperatorsOptionsForTheHeadlessHost) {
    const Options o = parse({"--serve", "--metrics", "[::1]:9100", "--log-format=json", "--health-interval", "2",
                             "--shutdown-when-empty", "0", "--pace", "250"});
    ASSERT_EQ(o.action, Action::Serve) << o.error.toStdString();
    EXPECT_EQ(o.metricsAddress, "::1");
    EXPECT_EQ(o.metricsPort, 9100);
    EXPECT_TRUE(o.logJson);
    EXPECT_EQ(o.healthSeconds, 2);
    EXPECT_EQ(o.shutdownWhenEmpty, 0);
    EXPECT_EQ(o.pace, 250);
    EXPECT_EQ(parse({"--serve"}).metricsPort, -1);  // nothing listens without it
}

TEST(Options, QtsOwnOptionsAreLeftToQt) {
    const Options o = parse({"-platform", "offscreen", "--style=Fusion", "-reverse", "Bo", "h", "false"});
    EXPECT_EQ(o.action, Action::Play);
    EXPECT_EQ(o.launch, QStringList({"Bo", "h", "false"}));
}

}  // namespace
