// SPDX-License-Identifier: Apache-2.0
#include "verdict/FileStateCheck.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(FileState)

namespace {
bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

long long ChangedNsOf(const QString& path)
{
    FileSnapshot now;
    return now.TakeOfPath(QFile::encodeName(path).constData()) ? now.ChangedNs() : -1;
}

// The file's status as the system gives it, for putting its times and mode back.
struct stat StatusOf(const QByteArray& path8)
{
    struct stat status = {};
    stat(path8.constData(), &status);
    return status;
}

// Sets the file's access and modification times to the ones it had when it was verified.
bool RestoreTimes(const QString& path, const struct stat& verified)
{
    const struct timespec times[2] = {verified.st_atim, verified.st_mtim};
    return utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

// The kernel stamps change times from a clock that moves in ticks, so a change made within the
// tick of the verification would leave the change time as it was: the change is repeated until
// the change time has moved, as it has for any change made later.
template <typename Change>
bool ChangeUntilChangeTimeMoves(const QString& path, long long verifiedNs, Change change)
{
    const QDeadlineTimer giveUp(10000);
    do {
        if (!change())
            return false;
    } while (ChangedNsOf(path) == verifiedNs && !giveUp.hasExpired());
    return ChangedNsOf(path) != verifiedNs;
}
} // namespace

class TestFileStateCheck : public QObject
{
    Q_OBJECT

private slots:
    void stateSinceVerified_data();
    void stateSinceVerified();
    void editWithTimesPutBackIsAChange();
};

void TestFileStateCheck::stateSinceVerified_data()
{
    QTest::addColumn<QString>("change");
    // When set, the result takes the file's change time after the change, so that only the other
    // property the row names can tell the files apart.
    QTest::addColumn<bool>("sameChangeTime");
    QTest::addColumn<FileState>("expected");

    QTest::newRow("same") << "none" << false << FileState::AsVerified;
    QTest::newRow("size changed") << "append" << true << FileState::Changed;
    QTest::newRow("modification time changed") << "touch" << true << FileState::Changed;
    QTest::newRow("change time only changed") << "chmod" << false << FileState::Changed;
    QTest::newRow("replaced by a file of the same size and times") << "replace" << true << FileState::Changed;
    QTest::newRow("removed") << "remove" << false << FileState::Unreadable;
    QTest::newRow("not recorded") << "forget" << false << FileState::NotRecorded;
}

void TestFileStateCheck::stateSinceVerified()
{
    QFETCH(QString, change);
    QFETCH(bool, sameChangeTime);
    QFETCH(FileState, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("evidence.jpg");
    const QByteArray path8 = QFile::encodeName(path);
    QVERIFY(WriteFile(path, "verified bytes"));
    FileSnapshot verified;
    QVERIFY(verified.TakeOfPath(path8.constData()));
    const struct stat verifiedStatus = StatusOf(path8);
    VerificationResult result;
    result.path = path8.toStdString();
    RecordVerifiedState(verified, &result);

    if (change == "append") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append) && file.write("!") == 1);
        file.close();
        QVERIFY(RestoreTimes(path, verifiedStatus));
    } else if (change == "touch") {
        const struct timespec times[2] = {
            verifiedStatus.st_atim, {verifiedStatus.st_mtim.tv_sec + 1, verifiedStatus.st_mtim.tv_nsec}};
        QCOMPARE(utimensat(AT_FDCWD, path8.constData(), times, 0), 0);
    } else if (change == "chmod") {
        int mode = 0600;
        QVERIFY(ChangeUntilChangeTimeMoves(path, verified.ChangedNs(), [&] {
            mode ^= 0040;
            return chmod(path8.constData(), mode) == 0;
        }));
        QCOMPARE(chmod(path8.constData(), verifiedStatus.st_mode & 07777), 0);
    } else if (change == "replace") {
        const QString other = dir.filePath("other.jpg");
        QVERIFY(WriteFile(other, "tampered bytes"));
        QVERIFY(RestoreTimes(other, verifiedStatus));
        QCOMPARE(rename(QFile::encodeName(other).constData(), path8.constData()), 0);
    } else if (change == "remove") {
        QVERIFY(QFile::remove(path));
    } else if (change == "forget") {
        result = VerificationResult();
        result.path = path8.toStdString();
    }
    if (sameChangeTime)
        result.file.changedNs = ChangedNsOf(path);

    QCOMPARE(CurrentFileState(result), expected);
}

// touch -r after an edit in place: size and modification time as verified, the bytes not.
void TestFileStateCheck::editWithTimesPutBackIsAChange()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("evidence.mp4");
    const QByteArray path8 = QFile::encodeName(path);
    QVERIFY(WriteFile(path, "verified bytes"));
    FileSnapshot verified;
    QVERIFY(verified.TakeOfPath(path8.constData()));
    const struct stat verifiedStatus = StatusOf(path8);
    VerificationResult result;
    result.path = path8.toStdString();
    RecordVerifiedState(verified, &result);

    char byte = 'X';
    QVERIFY(ChangeUntilChangeTimeMoves(path, verified.ChangedNs(), [&] {
        QFile file(path);
        byte = byte == 'X' ? 'Y' : 'X';
        const bool written = file.open(QIODevice::ReadWrite) && file.write(&byte, 1) == 1;
        file.close();
        return written && RestoreTimes(path, verifiedStatus);
    }));
    FileSnapshot now;
    QVERIFY(now.TakeOfPath(path8.constData()));
    QCOMPARE(now.Status().size, verified.Status().size);
    QCOMPARE(now.ModifiedNs(), verified.ModifiedNs());

    QCOMPARE(CurrentFileState(result), FileState::Changed);
}

QTEST_GUILESS_MAIN(TestFileStateCheck)
#include "TestFileStateCheck.moc"
