// SPDX-License-Identifier: Apache-2.0
#include "cli/TargetCollector.h"
#include "tests/support/DeepFolders.h"
#include "tests/support/FailingFolderListing.h"

#include <QtTest>

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// The folder search: which names it takes, and where the system runs short: paths beyond PATH_MAX
// and no descriptors left.
class TestTargetCollector : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void nameRule_data();
    void nameRule();
    void deepTreeWithFewDescriptors();
    void noDescriptorIsASystemFailure();
    void specialFileOfAnotherTypeIsSkippedWithItsReason();
    void sizesOnlyWhenAsked_data();
    void sizesOnlyWhenAsked();
    void listingThatBreaksOffGetsARow_data();
    void listingThatBreaksOffGetsARow();

private:
    std::vector<VerificationTarget> Collect(const QByteArray& path, int freeDescriptors);

    QTemporaryDir dir;
    QByteArray root;
    QByteArray bottom;
};

namespace {

// Takes every descriptor but free ones for as long as it lives, under a lowered limit so that
// there are few to take; the limit and the descriptors are given back at the end.
class FewDescriptors
{
public:
    explicit FewDescriptors(int free)
    {
        getrlimit(RLIMIT_NOFILE, &saved);
        rlimit lowered = saved;
        lowered.rlim_cur = std::min<rlim_t>(saved.rlim_cur, 512);
        setrlimit(RLIMIT_NOFILE, &lowered);
        for (int fd = dup(STDERR_FILENO); fd >= 0; fd = dup(STDERR_FILENO))
            taken.push_back(fd);
        exhausted = errno == EMFILE;
        for (; free > 0 && !taken.empty(); --free) {
            close(taken.back());
            taken.pop_back();
        }
    }
    ~FewDescriptors()
    {
        for (const int fd : taken)
            close(fd);
        setrlimit(RLIMIT_NOFILE, &saved);
    }
    bool Exhausted() const { return exhausted; }

private:
    rlimit saved = {};
    std::vector<int> taken;
    bool exhausted = false;
};

bool Touch(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

} // namespace

std::vector<VerificationTarget> TestTargetCollector::Collect(const QByteArray& path, int freeDescriptors)
{
    const FewDescriptors few(freeDescriptors);
    if (!few.Exhausted())
        return {};
    return TargetCollector().Collect({path.toStdString()}, false);
}

void TestTargetCollector::initTestCase()
{
    QVERIFY(dir.isValid());
    root = QFile::encodeName(dir.path());
    QVERIFY(QDir().mkpath(dir.filePath("deep")));
    bottom = DeepFolders::Make(root + "/deep", 5000);
    QVERIFY(bottom.size() > PATH_MAX);
    for (const char* name : {"z.mp4", "notes.txt", "a.jpg"}) {
        QVERIFY(Touch(dir.filePath(name)));
        QVERIFY(DeepFolders::MoveInto(root + "/" + name, bottom, name));
    }
    QVERIFY(Touch(dir.filePath("top.jpg")));
}

void TestTargetCollector::cleanupTestCase()
{
    QVERIFY(DeepFolders::Remove(root + "/deep"));
}

// The last suffix decides, as for the engine, in ASCII case whatever the locale (the test runs in
// tr_TR); a folder holding only a file the rule refuses is reported as holding no evidence.
void TestTargetCollector::nameRule_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("taken");
    QTest::newRow("plain") << QByteArray("photo.jpg") << true;
    QTest::newRow("capital I") << QByteArray("CLIP.AVI") << true;
    QTest::newRow("MXG") << QByteArray("clip.Mxg") << true;
    QTest::newRow("date with dots") << QByteArray("cam01.2026-03-14.jpg") << true;
    QTest::newRow("blanks and dots") << QByteArray("Cam 1 2026.03.14.avi") << true;
    QTest::newRow("capital suffix after a word") << QByteArray("clip.final.AVI") << true;
    QTest::newRow("year before the suffix") << QByteArray("clip.2015.mp4") << true;
    QTest::newRow("evidence suffix not last") << QByteArray("clip.mp4.txt") << false;
    QTest::newRow("jpeg") << QByteArray("photo.jpeg") << false;
    QTest::newRow("dotless i") << QByteArray("CL\xC4\xB0P.AV\xC4\xB0") << false;
    QTest::newRow("hidden") << QByteArray(".hidden.jpg") << false;
}

void TestTargetCollector::nameRule()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, taken);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(Touch(folder.filePath(QString::fromUtf8(name))));

    const std::string given = QFile::encodeName(folder.path()).toStdString();
    const std::vector<VerificationTarget> targets = TargetCollector().Collect({given}, false);

    QCOMPARE(targets.size(), size_t(1));
    QCOMPARE(targets[0].path, taken ? given + "/" + name.toStdString() : given);
    QCOMPARE(ReasonCode(targets[0].problem), taken ? "" : "no-evidence");
}

// Two descriptors at a time are all the search may need, at any depth.
void TestTargetCollector::deepTreeWithFewDescriptors()
{
    const std::vector<VerificationTarget> targets = Collect(root, 2);
    QStringList found;
    for (const VerificationTarget& target : targets)
        found << QFile::decodeName(target.path.c_str()) + " " + ReasonCode(target.problem) +
                     QString::fromStdString(target.problemDetail);
    const QString deep = QFile::decodeName(bottom);
    QCOMPARE(found, (QStringList{deep + "/a.jpg ", deep + "/z.mp4 ", dir.filePath("top.jpg") + " "}));
}

// Running out of descriptors says nothing about the evidence: it must not read as an unreadable folder.
void TestTargetCollector::noDescriptorIsASystemFailure()
{
    const std::vector<VerificationTarget> targets = Collect(root, 0);
    QCOMPARE(targets.size(), size_t(1));
    QCOMPARE(QByteArray::fromStdString(targets[0].path), root);
    QCOMPARE(ReasonCode(targets[0].problem), "system-error");
    QVERIFY2(targets[0].problemDetail.find(std::strerror(EMFILE)) != std::string::npos,
             targets[0].problemDetail.c_str());
}

// A FIFO or socket is listed when its name is an evidence type, so that its verification says what it is;
// under any other name it is left out like a file of that name, with the reason, not silently.
void TestTargetCollector::specialFileOfAnotherTypeIsSkippedWithItsReason()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QCOMPARE(mkfifo(QFile::encodeName(folder.filePath("pipe.txt")).constData(), 0600), 0);
    QCOMPARE(mkfifo(QFile::encodeName(folder.filePath("pipe.jpg")).constData(), 0600), 0);
    TargetCollector collector;
    const std::vector<VerificationTarget> targets =
        collector.Collect({QFile::encodeName(folder.path()).toStdString()}, false);
    QCOMPARE(targets.size(), size_t(1));
    QCOMPARE(QString::fromStdString(targets.front().path), folder.filePath("pipe.jpg"));
    QCOMPARE(collector.Skipped().size(), size_t(1));
    QCOMPARE(QString::fromStdString(collector.Skipped().front().path), folder.filePath("pipe.txt"));
    QVERIFY(collector.Skipped().front().why == SkippedEntry::Why::NotEvidence);
}

void TestTargetCollector::sizesOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("withSizes");
    QTest::addColumn<qint64>("sizeInFolder");
    QTest::newRow("asked") << true << qint64(5);
    QTest::newRow("not asked") << false << qint64(0);
}

// The progress bar's total needs the sizes; a run without a bar spares the search a look at each file.
// A path given as it is is looked at anyway, to tell a folder from a file, and keeps its size.
void TestTargetCollector::sizesOnlyWhenAsked()
{
    QFETCH(bool, withSizes);
    QFETCH(qint64, sizeInFolder);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkdir("in"));
    QFile inFolder(folder.filePath("in/a.jpg"));
    QFile given(folder.filePath("b.jpg"));
    QVERIFY(inFolder.open(QIODevice::WriteOnly) && inFolder.write("12345") == 5);
    QVERIFY(given.open(QIODevice::WriteOnly) && given.write("1234567") == 7);
    inFolder.close();
    given.close();

    const std::vector<VerificationTarget> targets =
        TargetCollector().Collect({QFile::encodeName(folder.filePath("in")).toStdString(),
                                   QFile::encodeName(given.fileName()).toStdString()},
                                  withSizes);
    QCOMPARE(targets.size(), size_t(2));
    QCOMPARE(QString::fromStdString(targets[0].path), inFolder.fileName());
    QCOMPARE(qint64(targets[0].size), sizeInFolder);
    QCOMPARE(qint64(targets[1].size), qint64(7));
}

void TestTargetCollector::listingThatBreaksOffGetsARow_data()
{
    const QString failed = " | system-error | the system failed while the folder was read: " +
                           QString::fromLocal8Bit(std::strerror(EIO));
    QTest::addColumn<QString>("broken");
    QTest::addColumn<QStringList>("expected"); // after the given folder's path
    QTest::newRow("folder below") << "sub"
                                  << QStringList{"/a.jpg |  | ", "/sub" + failed, "/sub/x.jpg |  | ",
                                                 "/z.jpg |  | "};
    QTest::newRow("folder given") << ""
                                  << QStringList{failed, "/a.jpg |  | ", "/sub/x.jpg |  | ", "/z.jpg |  | "};
}

// A listing that ends in an error (EIO from a failing disk) may have left entries out: the folder gets a
// target at its place that fails with the reason, beside what was read of it.
void TestTargetCollector::listingThatBreaksOffGetsARow()
{
    QFETCH(QString, broken);
    QFETCH(QStringList, expected);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkdir("sub"));
    for (const char* name : {"a.jpg", "sub/x.jpg", "z.jpg"})
        QVERIFY(Touch(folder.filePath(name)));

    std::vector<VerificationTarget> targets;
    {
        const FailingFolderListing breaksOff(QFile::encodeName(folder.filePath(broken)), EIO);
        QVERIFY(breaksOff.Set());
        targets = TargetCollector().Collect({QFile::encodeName(folder.path()).toStdString()}, false);
        QCOMPARE(breaksOff.Failures(), 1);
    }

    QStringList found;
    for (const VerificationTarget& target : targets)
        found << QFile::decodeName(target.path.c_str()) + " | " + ReasonCode(target.problem) + " | " +
                     QString::fromStdString(target.problemDetail);
    for (QString& line : expected)
        line.prepend(folder.path());
    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(TestTargetCollector)
#include "TestTargetCollector.moc"
