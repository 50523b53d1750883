// The session bus is left to the D-Bus library unless its only way on would
// be a launcher that is not there.
#include <gtest/gtest.h>

#include "app/warmup.h"

using velmora::app::sessionBusWithoutLaunch;

TEST(SessionBusWithoutLaunch, OnlyWhereNoBusIsNamedAndNoneCanBeStarted) {
    EXPECT_EQ(sessionBusWithoutLaunch("unix:path=/run/user/1000/bus", "/run/user/1000", false), QByteArray());
    EXPECT_EQ(sessionBusWithoutLaunch("", "/run/user/1000", true), QByteArray());
    EXPECT_EQ(sessionBusWithoutLaunch("", "", false), QByteArray());
    EXPECT_EQ(sessionBusWithoutLaunch("", "/run/user/1000", false), QByteArray("unix:path=/run/user/1000/bus"));
    // Escaped the way D-Bus addresses are.
    EXPECT_EQ(sessionBusWithoutLaunch("", "/tmp/my run~,=;", false),
              QByteArray("unix:path=/tmp/my%20run%7E%2C%3D%3B/bus"));
}
