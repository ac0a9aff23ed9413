// SPDX-License-Identifier: Apache-2.0
#include "filelist/EvidenceFolderScan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
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
};

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

    const QList<QByteArray> found = ScanEvidenceFolder(QFile::encodeName(folder.path()));
    unlink(path.constData());

    QCOMPARE(found, taken ? QList<QByteArray>({path}) : QList<QByteArray>());
}

void TestEvidenceFolderScan::callbackDecidesWhereTheScanStops_data()
{
    QTest::addColumn<int>("entriesAllowed");
    QTest::addColumn<int>("expectedCalls");
    QTest::newRow("stops after the first entry") << 1 << 1;
    QTest::newRow("stops after the third entry") << 3 << 3;
    QTest::newRow("never stops") << 100 << 5;
}

// Every entry is evidence, so the files found are exactly the entries looked at.
void TestEvidenceFolderScan::callbackDecidesWhereTheScanStops()
{
    QFETCH(int, entriesAllowed);
    QFETCH(int, expectedCalls);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkdir("sub"));
    for (const char* name : {"a.jpg", "b.avi", "c.mp4", "sub/d.mxg", "sub/e.JPG"}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    int calls = 0;
    const QList<QByteArray> found =
        ScanEvidenceFolder(QFile::encodeName(folder.path()), [&] { return ++calls < entriesAllowed; });

    QCOMPARE(calls, expectedCalls);
    QCOMPARE(found.size(), expectedCalls);
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
    const QList<QByteArray> found = ScanEvidenceFolder(base, {}, &skipped);

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
    QCOMPARE(ScanEvidenceFolder(base), found);
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
    const QList<QByteArray> found = ScanEvidenceFolder(base, {}, &skipped);

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

QTEST_GUILESS_MAIN(TestEvidenceFolderScan)
#include "TestEvidenceFolderScan.moc"
