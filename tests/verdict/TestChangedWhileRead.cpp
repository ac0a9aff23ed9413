// SPDX-License-Identifier: Apache-2.0
#include "verdict/ChangedWhileRead.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

namespace {
bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

class TestChangedWhileRead : public QObject
{
    Q_OBJECT

private slots:
    void readSawOneVersion_data();
    void readSawOneVersion();
    void failureKeepsWhatWasRead();
};

void TestChangedWhileRead::readSawOneVersion_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("oneVersion");

    QTest::newRow("unchanged") << "none" << true;
    QTest::newRow("edited in place, times put back") << "edit" << false;
    // The new file's change time tells it apart here; another inode alone is caught by the state check's
    // own table, where only the inode differs.
    QTest::newRow("replaced by a file of the same size and modification time") << "replace" << false;
    QTest::newRow("removed") << "remove" << false;
}

// What happens to the original between the snapshot before the copy and the one after it.
void TestChangedWhileRead::readSawOneVersion()
{
    QFETCH(QString, change);
    QFETCH(bool, oneVersion);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("evidence.avi");
    const QByteArray path8 = QFile::encodeName(path);
    QVERIFY(WriteFile(path, "bytes as copied"));
    FileSnapshot before;
    QVERIFY(before.TakeOfPath(path8.constData()));
    struct stat original;
    QCOMPARE(stat(path8.constData(), &original), 0);
    const struct timespec times[2] = {original.st_atim, original.st_mtim};

    if (change == "edit") {
        // Repeated until the change time moves: it is stamped from a clock that moves in ticks.
        const QDeadlineTimer giveUp(10000);
        FileSnapshot now;
        char byte = 'X';
        do {
            QFile file(path);
            byte = byte == 'X' ? 'Y' : 'X';
            QVERIFY(file.open(QIODevice::ReadWrite) && file.write(&byte, 1) == 1);
            file.close();
            QCOMPARE(utimensat(AT_FDCWD, path8.constData(), times, 0), 0);
            QVERIFY(now.TakeOfPath(path8.constData()));
        } while (now.ChangedNs() == before.ChangedNs() && !giveUp.hasExpired());
        QVERIFY(now.ChangedNs() != before.ChangedNs());
    } else if (change == "replace") {
        const QString other = dir.filePath("other.avi");
        QVERIFY(WriteFile(other, "bytes tampered!"));
        QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(other).constData(), times, 0), 0);
        QCOMPARE(rename(QFile::encodeName(other).constData(), path8.constData()), 0);
    } else if (change == "remove") {
        QVERIFY(QFile::remove(path));
    }

    QCOMPARE(ReadSawOneVersion(before, path8.constData()), oneVersion);
}

// The verdict fails, but the details still show what the reading found.
void TestChangedWhileRead::failureKeepsWhatWasRead()
{
    VerificationResult result;
    result.authentic = true;
    result.rcSerial = "RC-0042";
    result.hasCoverage = true;
    result.coverage.partial = true;

    FailAsChangedWhileRead(&result);

    QVERIFY(!result.authentic);
    QCOMPARE(result.reason, VerdictReason::Unreadable);
    QCOMPARE(result.reasonDetail, std::string("the file changed while it was read"));
    QCOMPARE(result.rcSerial, std::string("RC-0042"));
    QVERIFY(result.hasCoverage);
    QVERIFY(result.coverage.partial);
}

QTEST_GUILESS_MAIN(TestChangedWhileRead)
#include "TestChangedWhileRead.moc"
