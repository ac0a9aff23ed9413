// SPDX-License-Identifier: Apache-2.0
#include "platform/OpenFileRoom.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

class TestOpenFileRoom : public QObject
{
    Q_OBJECT

private slots:
    void eachOpenFileTakesOneFromTheRoom();
    void softLimitIsRaisedToTheHardOne();
};

void TestOpenFileRoom::eachOpenFileTakesOneFromTheRoom()
{
    long before = 0;
    if (!OpenFileRoom(&before))
        QSKIP("no limit on open files here");
    const int first = open("/dev/null", O_RDONLY | O_CLOEXEC);
    const int second = open("/dev/null", O_RDONLY | O_CLOEXEC);
    long after = 0;
    const bool told = OpenFileRoom(&after);
    close(first);
    close(second);
    QVERIFY(first >= 0 && second >= 0);
    QVERIFY(told);
    QCOMPARE(before - after, 2L);
    long again = 0;
    QVERIFY(OpenFileRoom(&again));
    QCOMPARE(again, before);
}

// A run may open as many files as the hard limit allows, not only the soft one the shell set.
void TestOpenFileRoom::softLimitIsRaisedToTheHardOne()
{
    struct rlimit original;
    QCOMPARE(getrlimit(RLIMIT_NOFILE, &original), 0);
    if (original.rlim_max == RLIM_INFINITY || original.rlim_max < 64)
        QSKIP("the hard limit leaves no soft limit to raise here");
    struct rlimit lowered = original;
    lowered.rlim_cur = 32;
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &lowered), 0);
    long room = 0;
    const bool told = OpenFileRoom(&room);
    struct rlimit raised;
    QCOMPARE(getrlimit(RLIMIT_NOFILE, &raised), 0);
    setrlimit(RLIMIT_NOFILE, &original);
    QVERIFY(told);
    QCOMPARE(raised.rlim_cur, original.rlim_max);
    QVERIFY2(room > 32, QByteArray::number(static_cast<qlonglong>(room)).constData());
    QVERIFY(room < static_cast<long>(original.rlim_max));
}

QTEST_GUILESS_MAIN(TestOpenFileRoom)
#include "TestOpenFileRoom.moc"
