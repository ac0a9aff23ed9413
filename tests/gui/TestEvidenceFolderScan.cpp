// SPDX-License-Identifier: Apache-2.0
#include "filelist/EvidenceFolderScan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

class TestEvidenceFolderScan : public QObject
{
    Q_OBJECT

private slots:
    void nameRule_data();
    void nameRule();
    void callbackDecidesWhereTheScanStops_data();
    void callbackDecidesWhereTheScanStops();
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

QTEST_GUILESS_MAIN(TestEvidenceFolderScan)
#include "TestEvidenceFolderScan.moc"
