// SPDX-License-Identifier: Apache-2.0
#include "filelist/EvidenceFolderScan.h"
#include "tests/support/FailingFolderListing.h"
#include "tests/support/PermissionsApply.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestEvidenceFolderScan : public QObject
{
    Q_OBJECT

private slots:
    void nameRule_data();
    void nameRule();
    void callbackDecidesWhereTheScanStops_data();
    void callbackDecidesWhereTheScanStops();
    void entriesNotTakenAreNamed_data();
    void entriesNotTakenAreNamed();
    void hiddenFolderIsNamedNotSearched();
    void folderNotSearchedGetsItsReason_data();
    void folderNotSearchedGetsItsReason();
};

namespace {

QList<QByteArray> Paths(const std::vector<VerificationTarget>& targets)
{
    QList<QByteArray> paths;
    for (const VerificationTarget& target : targets)
        paths.append(QByteArray::fromStdString(target.path));
    return paths;
}

} // namespace

// The last suffix decides, as for the engine, in ASCII case whatever the locale (the test runs in
// tr_TR, where "I" lowers to a dotless i); hidden entries are skipped.
void TestEvidenceFolderScan::nameRule_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("taken");
    QTest::newRow("plain") << QByteArray("photo.jpg") << true;
    QTest::newRow("capitals") << QByteArray("PHOTO.JPG") << true;
    QTest::newRow("capital I") << QByteArray("CLIP.AVI") << true;
    QTest::newRow("MXG") << QByteArray("clip.Mxg") << true;
    QTest::newRow("date with dots") << QByteArray("cam01.2026-03-14.jpg") << true;
    QTest::newRow("blanks and dots") << QByteArray("Cam 1 2026.03.14.avi") << true;
    QTest::newRow("capital suffix after a word") << QByteArray("clip.final.AVI") << true;
    QTest::newRow("year before the suffix") << QByteArray("clip.2015.mp4") << true;
    QTest::newRow("name not UTF-8") << QByteArray("caf\xE9.mp4") << true;
    QTest::newRow("evidence suffix not last") << QByteArray("clip.mp4.txt") << false;
    QTest::newRow("jpeg") << QByteArray("photo.jpeg") << false;
    QTest::newRow("dotless i") << QByteArray("CL\xC4\xB0P.AV\xC4\xB0") << false;
    QTest::newRow("no dot") << QByteArray("jpg") << false;
    QTest::newRow("hidden") << QByteArray(".hidden.jpg") << false;
}

void TestEvidenceFolderScan::nameRule()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, taken);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray path = QFile::encodeName(folder.path()) + '/' + name;
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    QVERIFY(fd >= 0);
    close(fd);

    const QList<QByteArray> found = Paths(ScanEvidenceFolder(QFile::encodeName(folder.path())));
    unlink(path.constData());

    QCOMPARE(found, taken ? QList<QByteArray>({path}) : QList<QByteArray>());
}

void TestEvidenceFolderScan::callbackDecidesWhereTheScanStops_data()
{
    QTest::addColumn<int>("entriesAllowed");
    QTest::addColumn<int>("expectedCalls");
    QTest::addColumn<int>("expectedFound");
    QTest::newRow("stops before the first entry") << 1 << 1 << 0;
    QTest::newRow("stops before the third entry") << 3 << 3 << 2;
    QTest::newRow("stops before the subfolder") << 4 << 4 << 3;
    QTest::newRow("never stops") << 100 << 6 << 5;
}

// Every file is evidence, so the callback runs once before each file is taken and once before the
// subfolder is gone into.
void TestEvidenceFolderScan::callbackDecidesWhereTheScanStops()
{
    QFETCH(int, entriesAllowed);
    QFETCH(int, expectedCalls);
    QFETCH(int, expectedFound);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkdir("sub"));
    for (const char* name : {"a.jpg", "b.avi", "c.mp4", "sub/d.mxg", "sub/e.JPG"}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    int calls = 0;
    const std::vector<VerificationTarget> found =
        ScanEvidenceFolder(QFile::encodeName(folder.path()), [&] { return ++calls < entriesAllowed; });

    QCOMPARE(calls, expectedCalls);
    QCOMPARE(int(found.size()), expectedFound);
}

Q_DECLARE_METATYPE(SkippedEntry::Why)

namespace {

enum class Kind
{
    File,
    Folder,
    Link,
    Fifo,
};

} // namespace

Q_DECLARE_METATYPE(Kind)

// One entry beside an evidence file: whether the scan names it as left out, and why. Nothing taken is
// named, and an empty folder is searched, not left out.
void TestEvidenceFolderScan::entriesNotTakenAreNamed_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("named");
    QTest::addColumn<SkippedEntry::Why>("why");
    QTest::newRow("evidence") << QByteArray("clip.avi") << Kind::File << false
                              << SkippedEntry::Why::NotEvidence;
    QTest::newRow("text file") << QByteArray("notes.txt") << Kind::File << true
                               << SkippedEntry::Why::NotEvidence;
    QTest::newRow("no ending") << QByteArray("README") << Kind::File << true
                               << SkippedEntry::Why::NotEvidence;
    QTest::newRow("hidden evidence") << QByteArray(".clip.avi") << Kind::File << true
                                     << SkippedEntry::Why::Hidden;
    QTest::newRow("hidden text") << QByteArray(".notes.txt") << Kind::File << true
                                 << SkippedEntry::Why::Hidden;
    QTest::newRow("link named as evidence")
        << QByteArray("link.jpg") << Kind::Link << true << SkippedEntry::Why::Link;
    QTest::newRow("hidden link") << QByteArray(".link.jpg") << Kind::Link << true
                                 << SkippedEntry::Why::Hidden;
    QTest::newRow("folder") << QByteArray("sub") << Kind::Folder << false << SkippedEntry::Why::NotEvidence;
    QTest::newRow("fifo") << QByteArray("pipe") << Kind::Fifo << true << SkippedEntry::Why::NotEvidence;
    // Taken, so that the window gives it a row that says it is no regular file.
    QTest::newRow("fifo named as evidence")
        << QByteArray("pipe.avi") << Kind::Fifo << false << SkippedEntry::Why::NotEvidence;
}

void TestEvidenceFolderScan::entriesNotTakenAreNamed()
{
    QFETCH(QByteArray, name);
    QFETCH(Kind, kind);
    QFETCH(bool, named);
    QFETCH(SkippedEntry::Why, why);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray base = QFile::encodeName(folder.path());
    const QByteArray evidence = base + "/a.jpg";
    QFile file(QFile::decodeName(evidence));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QByteArray path = base + '/' + name;
    switch (kind) {
    case Kind::File: {
        QFile other(QFile::decodeName(path));
        QVERIFY(other.open(QIODevice::WriteOnly));
        break;
    }
    case Kind::Folder:
        QVERIFY(mkdir(path.constData(), 0700) == 0);
        break;
    case Kind::Link:
        QVERIFY(symlink(evidence.constData(), path.constData()) == 0);
        break;
    case Kind::Fifo:
        QVERIFY(mkfifo(path.constData(), 0600) == 0);
        break;
    }

    std::vector<SkippedEntry> skipped;
    const QList<QByteArray> found = Paths(ScanEvidenceFolder(base, {}, &skipped));

    QList<QByteArray> expectedFound{evidence};
    if (!named && kind != Kind::Folder)
        expectedFound.append(path);
    QCOMPARE(found, expectedFound);
    QCOMPARE(skipped.size(), named ? size_t(1) : size_t(0));
    if (named) {
        QCOMPARE(QByteArray::fromStdString(skipped.front().path), path);
        QCOMPARE(skipped.front().why, why);
    }
    // Asking for what was left out changes nothing of what is found.
    QCOMPARE(Paths(ScanEvidenceFolder(base)), found);
}

// A hidden folder is named once and nothing in it is looked at; a folder's entries are named with their
// full paths when the folder is read, so those of a subfolder come after all of its parent's.
void TestEvidenceFolderScan::hiddenFolderIsNamedNotSearched()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QDir dir(folder.path());
    QVERIFY(dir.mkpath(".cache/inner") && dir.mkpath("b"));
    for (const char* name : {".cache/x.jpg", ".cache/inner/y.txt", "a.txt", "b/c.txt", "b/d.jpg", "e.log"}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QByteArray base = QFile::encodeName(folder.path());

    std::vector<SkippedEntry> skipped;
    const QList<QByteArray> found = Paths(ScanEvidenceFolder(base, {}, &skipped));

    QCOMPARE(found, QList<QByteArray>({base + "/b/d.jpg"}));
    QList<QByteArray> paths;
    QList<SkippedEntry::Why> whys;
    for (const SkippedEntry& entry : skipped) {
        paths.append(QByteArray::fromStdString(entry.path));
        whys.append(entry.why);
    }
    QCOMPARE(paths,
             QList<QByteArray>({base + "/.cache", base + "/a.txt", base + "/e.log", base + "/b/c.txt"}));
    QCOMPARE(whys,
             QList<SkippedEntry::Why>({SkippedEntry::Why::Hidden, SkippedEntry::Why::NotEvidence,
                                       SkippedEntry::Why::NotEvidence, SkippedEntry::Why::NotEvidence}));
}

namespace {

enum class Obstacle
{
    ClosedBelow,
    ClosedGiven,
    Loop,
    ListingBreaksOff,
};

// What the scan found, a target a line: its path, its reason's code and its reason's words.
QStringList Described(const std::vector<VerificationTarget>& targets)
{
    QStringList lines;
    for (const VerificationTarget& target : targets)
        lines << QFile::decodeName(QByteArray::fromStdString(target.path)) + " | " +
                     ReasonCode(target.problem) + " | " + QString::fromStdString(target.problemDetail);
    return lines;
}

const int kCannotSetUp = 77;

// The scan of folder in a child process of its own, where folder's subfolder "sub/loop" shows folder
// itself: a bind mount, in a mount namespace of the child's (and, without root, a user namespace), so
// that nothing outside sees it. Answers the scan's lines, or kCannotSetUp in *status where the system
// allows no such mount.
QStringList ScanThroughLoop(const QByteArray& folder, int* status)
{
    int ends[2];
    if (pipe(ends) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        const int spaces = geteuid() == 0 ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS;
        const QByteArray loop = folder + "/sub/loop";
        if (unshare(spaces) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount(folder.constData(), loop.constData(), nullptr, MS_BIND, nullptr) != 0)
            _exit(kCannotSetUp);
        const QByteArray lines = Described(ScanEvidenceFolder(folder)).join('\n').toUtf8();
        _exit(write(ends[1], lines.constData(), lines.size()) == lines.size() ? 0 : 1);
    }
    close(ends[1]);
    // A scan that never ends (one that goes round the loop) fails the test instead of holding it.
    QByteArray lines;
    pollfd readable = {ends[0], POLLIN, 0};
    char buffer[4096];
    ssize_t got = 1;
    while (got > 0 && poll(&readable, 1, 60000) == 1)
        if ((got = read(ends[0], buffer, sizeof buffer)) > 0)
            lines.append(buffer, int(got));
    close(ends[0]);
    if (got != 0 && child > 0)
        kill(child, SIGKILL);
    int waited = 0;
    *status = child > 0 && waitpid(child, &waited, 0) == child && WIFEXITED(waited) && got == 0
                  ? WEXITSTATUS(waited)
                  : -1;
    return QString::fromUtf8(lines).split('\n');
}

} // namespace

Q_DECLARE_METATYPE(Obstacle)

// A folder the scan cannot search gets a target at its place that fails with the words quorlith-verify
// uses, between the files found before and after it: a folder that cannot be read, below the folder
// given or given itself, a folder that contains itself, and one whose listing ends in an error (EIO from
// a failing disk), which may have left entries out. Root reads every folder, so the permission bits are
// made to apply to it.
void TestEvidenceFolderScan::folderNotSearchedGetsItsReason_data()
{
    const QString denied = QString::fromLocal8Bit(std::strerror(EACCES));
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("folder below that cannot be read")
        << Obstacle::ClosedBelow << QString()
        << QStringList{"a.jpg |  | ", "sub | unreadable | the folder cannot be read: " + denied,
                       "z.jpg |  | "};
    QTest::newRow("folder given that cannot be read")
        << Obstacle::ClosedGiven << QString("sub")
        << QStringList{"sub | unreadable | the folder cannot be read: " + denied};
    QTest::newRow("folder loop")
        << Obstacle::Loop << QString()
        << QStringList{
               "a.jpg |  | ",
               "sub/loop | unreadable | the folder contains itself (a folder loop); not searched again",
               "sub/x.jpg |  | ", "z.jpg |  | "};
    const QString broken = "sub | system-error | the system failed while the folder was read: " +
                           QString::fromLocal8Bit(std::strerror(EIO));
    QTest::newRow("folder below whose listing breaks off")
        << Obstacle::ListingBreaksOff << QString()
        << QStringList{"a.jpg |  | ", broken, "sub/x.jpg |  | ", "z.jpg |  | "};
    QTest::newRow("folder given whose listing breaks off")
        << Obstacle::ListingBreaksOff << QString("sub") << QStringList{broken, "sub/x.jpg |  | "};
}

void TestEvidenceFolderScan::folderNotSearchedGetsItsReason()
{
    QFETCH(Obstacle, obstacle);
    QFETCH(QString, given);
    QFETCH(QStringList, expected);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QDir dir(folder.path());
    QVERIFY(dir.mkpath("sub/loop"));
    for (const char* name : {"a.jpg", "sub/x.jpg", "z.jpg"}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QByteArray base = QFile::encodeName(folder.path());
    for (QString& line : expected)
        line.prepend(folder.path() + '/');

    QStringList found;
    if (obstacle == Obstacle::Loop) {
        int status = -1;
        found = ScanThroughLoop(base, &status);
        if (status == kCannotSetUp)
            QSKIP("this system allows no bind mount in a namespace of the test's own");
        QCOMPARE(status, 0);
    } else if (obstacle == Obstacle::ListingBreaksOff) {
        const FailingFolderListing breaksOff(base + "/sub", EIO);
        QVERIFY(breaksOff.Set());
        found = Described(ScanEvidenceFolder(given.isEmpty() ? base : base + '/' + QFile::encodeName(given)));
        QCOMPARE(breaksOff.Failures(), 1);
    } else {
        QVERIFY(QFile::setPermissions(dir.filePath("sub"), QFileDevice::Permissions()));
        {
            const PermissionsApply permissions;
            QVERIFY(permissions.Active());
            found =
                Described(ScanEvidenceFolder(given.isEmpty() ? base : base + '/' + QFile::encodeName(given)));
        }
        QVERIFY(QFile::setPermissions(dir.filePath("sub"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                               QFileDevice::ExeOwner));
    }

    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(TestEvidenceFolderScan)
#include "TestEvidenceFolderScan.moc"
