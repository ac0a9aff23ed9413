// SPDX-License-Identifier: Apache-2.0
#include "filelist/EvidenceFolderScan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestEvidenceFolderScan : public QObject
{
    Q_OBJECT

private slots:
    void callbackDecidesWhereTheScanStops_data();
    void callbackDecidesWhereTheScanStops();
};

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
