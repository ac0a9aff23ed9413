// SPDX-License-Identifier: Apache-2.0
#include "report/DescriptorDevice.h"

#include <QtTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

// The device under every saved report: what it hands to the system, and what it says when the system
// cannot keep it.
class TestDescriptorDevice : public QObject
{
    Q_OBJECT

private slots:
    void syncThatFailsFailsTheFinish_data();
    void syncThatFailsFailsTheFinish();
};

void TestDescriptorDevice::syncThatFailsFailsTheFinish_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("a pipe") << true;
    QTest::newRow("/dev/null") << false;
}

// Neither a pipe nor /dev/null can be synced (EINVAL): as with a disk that reports EIO only at the sync,
// the bytes were all handed over, and still the finish fails in the system's words.
void TestDescriptorDevice::syncThatFailsFailsTheFinish()
{
    QFETCH(bool, pipe);
    int ends[2] = {-1, -1};
    if (pipe)
        QCOMPARE(::pipe(ends), 0);
    else
        ends[1] = open("/dev/null", O_WRONLY | O_CLOEXEC);
    QVERIFY(ends[1] >= 0);
    const QByteArray bytes = "the last page of the report";
    bool finished = true;
    QString error;
    int errorNumber = 0;
    {
        DescriptorDevice device(ends[1]);
        QCOMPARE(device.write(bytes), qint64(bytes.size()));
        finished = device.Finish();
        error = device.errorString();
        errorNumber = device.ErrorNumber();
    }
    close(ends[1]);

    QVERIFY(!finished);
    QCOMPARE(errorNumber, EINVAL);
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(EINVAL)));
    if (pipe) {
        char received[64] = {};
        QCOMPARE(read(ends[0], received, sizeof received), ssize_t(bytes.size()));
        QCOMPARE(QByteArray(received), bytes);
        close(ends[0]);
    }
}

QTEST_GUILESS_MAIN(TestDescriptorDevice)
#include "TestDescriptorDevice.moc"
