// The single-copy guard: the lock decides, its holder answers, a later start
// never takes the holder's socket over.
#include "app/singleinstance.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include "support/eventloop.h"

using velmora::app::SingleInstance;
using Start = SingleInstance::Start;
using velmora::test::waitUntil;

TEST(SingleInstance, TheLockHolderAnswersEveryLaterStart) {
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    int raised = 0;
    first.setRaise([&] { ++raised; });
    ASSERT_EQ(first.claim(), Start::First);
    EXPECT_TRUE(first.answering());
    EXPECT_TRUE(QFile::exists(dir.path() + "/velmora.lock"));

    SingleInstance second(dir.path());
    EXPECT_EQ(second.claim(), Start::Another);
    EXPECT_FALSE(second.answering());
    ASSERT_TRUE(waitUntil([&] { return raised == 1; }));
    // The first copy still owns its socket: a third start reaches it too.
    SingleInstance third(dir.path());
    EXPECT_EQ(third.claim(), Start::Another);
    ASSERT_TRUE(waitUntil([&] { return raised == 2; }));
    EXPECT_TRUE(first.answering());
}

TEST(SingleInstance, TheLockAndSocketLeftByADeadCopyAreTakenOver) {
    QTemporaryDir dir;
    for (const char* name : {"/xevlah11", "/velmora.lock"}) {
        QFile left(dir.path() + name);
        ASSERT_TRUE(left.open(QIODevice::WriteOnly));
        left.write("999999\nvelmora\nhost\n");
    }
    SingleInstance copy(dir.path());
    EXPECT_EQ(copy.claim(), Start::First);
    EXPECT_TRUE(copy.answering());
}

TEST(SingleInstance, AHolderThatDoesNotAnswerStillKeepsALaterStartOut) {
    QTemporaryDir dir;
    QLockFile holder(dir.path() + "/velmora.lock");
    ASSERT_TRUE(holder.tryLock(0));
    SingleInstance later(dir.path());
    EXPECT_EQ(later.claim(50), Start::Another);
    EXPECT_FALSE(later.answering());
}

// Where others may enter the folder, only the owner may use the socket.
TEST(SingleInstance, InASharedFolderTheSocketIsTheOwnersAlone) {
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther);
    SingleInstance copy(dir.path());
    ASSERT_EQ(copy.claim(), Start::First);
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                        QFile::ExeOther;
    EXPECT_FALSE(QFile::permissions(copy.socketPath()) & others);
}
