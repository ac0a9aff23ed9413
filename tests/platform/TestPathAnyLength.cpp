// SPDX-License-Identifier: Apache-2.0
#include "platform/PathAnyLength.h"
#include "tests/support/DeepFolders.h"

#include <QtTest>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

// open and stat for paths longer than the system takes in one call, on a tree deeper than PATH_MAX.
class TestPathAnyLength : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void sameAsOneCall_data();
    void sameAsOneCall();

private:
    QTemporaryDir dir;
    QByteArray root;
    QByteArray bottom;
    QMap<QString, ino_t> inodes;
};

namespace {

int OpenDescriptors()
{
    return QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size();
}

} // namespace

void TestPathAnyLength::initTestCase()
{
    QVERIFY(dir.isValid());
    root = QFile::encodeName(dir.path());
    QVERIFY(QDir().mkpath(dir.filePath("deep")));
    bottom = DeepFolders::Make(root + "/deep", 5000);
    QVERIFY(bottom.size() > PATH_MAX);

    const int shortFd = open((root + "/short.jpg").constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    const int bottomFd = DeepFolders::Open(bottom);
    QVERIFY(shortFd >= 0 && bottomFd >= 0);
    const int deepFd = openat(bottomFd, "evidence.jpg", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    QVERIFY(deepFd >= 0);
    QCOMPARE(symlinkat("evidence.jpg", bottomFd, "link.jpg"), 0);
    struct stat status;
    QCOMPARE(fstat(shortFd, &status), 0);
    inodes["short"] = status.st_ino;
    QCOMPARE(fstat(deepFd, &status), 0);
    inodes["deep"] = status.st_ino;
    QCOMPARE(fstatat(bottomFd, "link.jpg", &status, AT_SYMLINK_NOFOLLOW), 0);
    inodes["link"] = status.st_ino;
    close(shortFd);
    close(deepFd);
    close(bottomFd);
    QVERIFY(QFile::link("deep", dir.filePath("shortcut")));
}

void TestPathAnyLength::cleanupTestCase()
{
    QVERIFY(DeepFolders::Remove(root + "/deep"));
}

// The whole of each path goes to the functions; what they reach is told by its inode, set up above.
void TestPathAnyLength::sameAsOneCall_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("reached");
    QTest::addColumn<QString>("reachedWithoutFollowing");
    QTest::addColumn<int>("error");

    const QByteArray deep = bottom + "/evidence.jpg";
    const QByteArray belowDeep = deep.mid(root.size() + int(strlen("/deep")));
    QTest::newRow("short path") << root + "/short.jpg"
                                << "short"
                                << "short" << 0;
    QTest::newRow("long path") << deep << "deep"
                               << "deep" << 0;
    QTest::newRow("long path through a link to a folder") << root + "/shortcut" + belowDeep << "deep"
                                                          << "deep" << 0;
    QTest::newRow("long path ending in a link") << bottom + "/link.jpg"
                                                << "deep"
                                                << "link" << 0;
    QTest::newRow("long path with doubled slashes") << QByteArray(deep).replace("/", "//") << "deep"
                                                    << "deep" << 0;
    QTest::newRow("short path, missing folder")
        << root + "/gone/short.jpg" << QString() << QString() << ENOENT;
    QTest::newRow("long path, missing folder")
        << QByteArray(deep).replace(root + "/deep/", root + "/deep/gone/") << QString() << QString()
        << ENOENT;
    QTest::newRow("long path, missing file") << bottom + "/gone.jpg" << QString() << QString() << ENOENT;
    QTest::newRow("short path through a file")
        << root + "/short.jpg/more.jpg" << QString() << QString() << ENOTDIR;
    QTest::newRow("long path through a file") << deep + "/more.jpg" << QString() << QString() << ENOTDIR;
    QTest::newRow("one name longer than any path")
        << root + "/" + QByteArray(PATH_MAX, 'n') << QString() << QString() << ENAMETOOLONG;
}

void TestPathAnyLength::sameAsOneCall()
{
    QFETCH(QByteArray, path);
    QFETCH(QString, reached);
    QFETCH(QString, reachedWithoutFollowing);
    QFETCH(int, error);
    const int descriptorsBefore = OpenDescriptors();

    errno = 0;
    const int fd = OpenAnyLength(path.constData(), O_RDONLY | O_CLOEXEC);
    const int openError = errno;
    struct stat opened = {};
    if (fd >= 0) {
        QCOMPARE(fstat(fd, &opened), 0);
        close(fd);
    }
    errno = 0;
    struct stat followed = {};
    const int statResult = StatAnyLength(path.constData(), &followed, true);
    const int statError = errno;
    errno = 0;
    struct stat notFollowed = {};
    const int lstatResult = StatAnyLength(path.constData(), &notFollowed, false);
    const int lstatError = errno;

    QCOMPARE(OpenDescriptors(), descriptorsBefore);
    if (reached.isEmpty()) {
        QCOMPARE(fd, -1);
        QCOMPARE(openError, error);
        QCOMPARE(statResult, -1);
        QCOMPARE(statError, error);
        QCOMPARE(lstatResult, -1);
        QCOMPARE(lstatError, error);
        return;
    }
    QVERIFY2(fd >= 0, strerror(openError));
    QCOMPARE(opened.st_ino, inodes[reached]);
    QVERIFY2(statResult == 0, strerror(statError));
    QCOMPARE(followed.st_ino, inodes[reached]);
    QVERIFY2(lstatResult == 0, strerror(lstatError));
    QCOMPARE(notFollowed.st_ino, inodes[reachedWithoutFollowing]);
}

QTEST_GUILESS_MAIN(TestPathAnyLength)
#include "TestPathAnyLength.moc"
