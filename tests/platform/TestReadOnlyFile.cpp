// SPDX-License-Identifier: Apache-2.0
#include "platform/ReadOnlyFile.h"
#include "platform/SystemError.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(FileKind)

namespace {

const QByteArray kContent = "0123456789abcdef";

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Opens path as the unprivileged user "nobody" when running as root, whom no permission stops; answers
// 0 when it opened, else the errno of the failure.
int OpenErrorAsUnprivileged(const QByteArray& path)
{
    if (geteuid() != 0) {
        const int fd = OpenForReading(path.constData());
        if (fd < 0)
            return errno;
        CloseFile(fd);
        return 0;
    }
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(255);
        const int fd = OpenForReading(path.constData());
        _exit(fd < 0 ? errno : 0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

class TestReadOnlyFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void kinds_data();
    void kinds();
    void permissionDenied();
    void readsAtOffsetsWithoutMovingThePosition();
    void statusOfOpenFileIsThatOfThePath();
    void identityChanges_data();
    void identityChanges();
    void linkDescribedOrFollowed();
    void systemErrorText();

private:
    QTemporaryDir dir;
};

void TestReadOnlyFile::initTestCase()
{
    QVERIFY(dir.isValid());
    // Others may pass through, so that the unprivileged user meets the file's own permission.
    QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    QVERIFY(WriteFile(dir.filePath("evidence.jpg"), kContent));
    QVERIFY(WriteFile(dir.filePath("empty.jpg"), QByteArray()));
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("pipe.mp4")).constData(), 0644), 0);

    const QByteArray socketPath = QFile::encodeName(dir.filePath("socket.avi"));
    const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(listening >= 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    QVERIFY(static_cast<size_t>(socketPath.size()) < sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(), static_cast<size_t>(socketPath.size()));
    QCOMPARE(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(listening);
}

void TestReadOnlyFile::kinds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("opens");

    QTest::newRow("regular file") << "evidence.jpg" << true << FileKind::Regular << qint64(kContent.size())
                                  << true;
    QTest::newRow("empty file") << "empty.jpg" << true << FileKind::Regular << qint64(0) << true;
    QTest::newRow("folder") << "folder" << true << FileKind::Folder << qint64(0) << true;
    // Opening a FIFO for reading never waits for a writer.
    QTest::newRow("FIFO") << "pipe.mp4" << true << FileKind::Fifo << qint64(0) << true;
    QTest::newRow("socket") << "socket.avi" << true << FileKind::Socket << qint64(0) << false;
    QTest::newRow("device") << "/dev/null" << true << FileKind::Device << qint64(0) << true;
    QTest::newRow("missing") << "missing.jpg" << false << FileKind::Other << qint64(0) << false;
    QTest::newRow("missing folder on the way")
        << "missing/evidence.jpg" << false << FileKind::Other << qint64(0) << false;
}

void TestReadOnlyFile::kinds()
{
    QFETCH(QString, name);
    QFETCH(bool, exists);
    QFETCH(FileKind, kind);
    QFETCH(qint64, size);
    QFETCH(bool, opens);
    const QByteArray path = QFile::encodeName(name.startsWith('/') ? name : dir.filePath(name));

    FileStatus status;
    errno = 0;
    QCOMPARE(StatusOfPath(path.constData(), true, &status) == 0, exists);
    if (!exists) {
        QCOMPARE(errno, ENOENT);
    } else {
        QCOMPARE(status.kind, kind);
        if (kind == FileKind::Regular)
            QCOMPARE(status.size, size);
    }

    errno = 0;
    const int fd = OpenForReading(path.constData());
    QCOMPARE(fd >= 0, opens);
    if (!exists)
        QCOMPARE(errno, ENOENT);
    if (fd < 0)
        return;
    FileStatus opened;
    QCOMPARE(StatusOfFile(fd, &opened), 0);
    QCOMPARE(opened.kind, kind);
    CloseFile(fd);
}

void TestReadOnlyFile::permissionDenied()
{
    const QString path = dir.filePath("locked.jpg");
    QVERIFY(WriteFile(path, kContent));
    const QByteArray path8 = QFile::encodeName(path);
    QCOMPARE(chmod(path8.constData(), 0000), 0);
    // The status needs no permission on the file itself; the opening does.
    FileStatus status;
    QCOMPARE(StatusOfPath(path8.constData(), true, &status), 0);
    QCOMPARE(status.size, qint64(kContent.size()));
    QCOMPARE(OpenErrorAsUnprivileged(path8), EACCES);
}

void TestReadOnlyFile::readsAtOffsetsWithoutMovingThePosition()
{
    const int fd = OpenForReading(QFile::encodeName(dir.filePath("evidence.jpg")).constData());
    QVERIFY(fd >= 0);
    char buffer[8] = {};
    QCOMPARE(ReadAt(fd, 10, buffer, 4), qint64(4));
    QCOMPARE(QByteArray(buffer, 4), QByteArray("abcd"));
    // Past the end only what is there, then nothing.
    QCOMPARE(ReadAt(fd, 14, buffer, 8), qint64(2));
    QCOMPARE(QByteArray(buffer, 2), QByteArray("ef"));
    QCOMPARE(ReadAt(fd, 16, buffer, 8), qint64(0));
    QCOMPARE(ReadAt(fd, 1000, buffer, 8), qint64(0));
    QCOMPARE(lseek(fd, 0, SEEK_CUR), off_t(0));
    CloseFile(fd);
}

void TestReadOnlyFile::statusOfOpenFileIsThatOfThePath()
{
    const QByteArray path = QFile::encodeName(dir.filePath("evidence.jpg"));
    FileStatus ofPath;
    QCOMPARE(StatusOfPath(path.constData(), true, &ofPath), 0);
    const int fd = OpenForReading(path.constData());
    QVERIFY(fd >= 0);
    FileStatus ofFile;
    QCOMPARE(StatusOfFile(fd, &ofFile), 0);
    CloseFile(fd);
    QVERIFY(SameFileAndState(ofPath, ofFile));
    struct stat system;
    QCOMPARE(stat(path.constData(), &system), 0);
    QCOMPARE(ofPath.volume, quint64(system.st_dev));
    QCOMPARE(ofPath.fileId, quint64(system.st_ino));
    QCOMPARE(ofPath.modifiedNs, qint64(system.st_mtim.tv_sec) * 1000000000 + system.st_mtim.tv_nsec);
    QCOMPARE(ofPath.changedNs, qint64(system.st_ctim.tv_sec) * 1000000000 + system.st_ctim.tv_nsec);
}

void TestReadOnlyFile::identityChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("same");

    QTest::newRow("none") << "none" << true;
    QTest::newRow("read") << "read" << true;
    QTest::newRow("appended, times put back") << "append" << false;
    QTest::newRow("modification time moved") << "touch" << false;
    QTest::newRow("permissions changed") << "chmod" << false;
    QTest::newRow("replaced by a copy with the same times") << "replace" << false;
}

void TestReadOnlyFile::identityChanges()
{
    QFETCH(QString, change);
    QFETCH(bool, same);
    const QString path = dir.filePath("changing.mp4");
    const QByteArray path8 = QFile::encodeName(path);
    QFile::remove(path);
    QVERIFY(WriteFile(path, kContent));
    FileStatus before;
    QCOMPARE(StatusOfPath(path8.constData(), true, &before), 0);
    struct stat original;
    QCOMPARE(stat(path8.constData(), &original), 0);
    const struct timespec times[2] = {original.st_atim, original.st_mtim};

    // The change time is stamped from a clock that moves in ticks: a change is repeated until it moved.
    const auto untilChangeTimeMoves = [&](const std::function<bool()>& step) {
        const QDeadlineTimer giveUp(10000);
        FileStatus now;
        do {
            if (!step() || StatusOfPath(path8.constData(), true, &now) != 0)
                return false;
        } while (now.changedNs == before.changedNs && !giveUp.hasExpired());
        return now.changedNs != before.changedNs;
    };
    if (change == "read") {
        const int fd = OpenForReading(path8.constData());
        QVERIFY(fd >= 0);
        char buffer[4];
        QCOMPARE(ReadAt(fd, 0, buffer, sizeof buffer), qint64(sizeof buffer));
        CloseFile(fd);
    } else if (change == "append") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append) && file.write("!") == 1);
        file.close();
        QCOMPARE(utimensat(AT_FDCWD, path8.constData(), times, 0), 0);
    } else if (change == "touch") {
        const struct timespec later[2] = {original.st_atim,
                                          {original.st_mtim.tv_sec + 1, original.st_mtim.tv_nsec}};
        QCOMPARE(utimensat(AT_FDCWD, path8.constData(), later, 0), 0);
    } else if (change == "chmod") {
        mode_t mode = original.st_mode & 07777;
        QVERIFY(untilChangeTimeMoves([&] {
            mode ^= 0040;
            return chmod(path8.constData(), mode) == 0;
        }));
    } else if (change == "replace") {
        const QString other = dir.filePath("copy.mp4");
        QVERIFY(WriteFile(other, kContent));
        const QByteArray other8 = QFile::encodeName(other);
        QCOMPARE(utimensat(AT_FDCWD, other8.constData(), times, 0), 0);
        QCOMPARE(rename(other8.constData(), path8.constData()), 0);
    }
    FileStatus after;
    QCOMPARE(StatusOfPath(path8.constData(), true, &after), 0);
    QCOMPARE(SameFileAndState(before, after), same);
}

void TestReadOnlyFile::linkDescribedOrFollowed()
{
    const QByteArray link = QFile::encodeName(dir.filePath("link.jpg"));
    QCOMPARE(symlink("evidence.jpg", link.constData()), 0);
    FileStatus followed;
    FileStatus described;
    QCOMPARE(StatusOfPath(link.constData(), true, &followed), 0);
    QCOMPARE(StatusOfPath(link.constData(), false, &described), 0);
    QCOMPARE(followed.kind, FileKind::Regular);
    QCOMPARE(followed.size, qint64(kContent.size()));
    QCOMPARE(described.kind, FileKind::Link);
}

void TestReadOnlyFile::systemErrorText()
{
    QCOMPARE(QString::fromStdString(SystemErrorText(ENOENT)), QString::fromLatin1(std::strerror(ENOENT)));
    QVERIFY(!SystemErrorText(EIO).empty());
}

QTEST_GUILESS_MAIN(TestReadOnlyFile)
#include "TestReadOnlyFile.moc"
