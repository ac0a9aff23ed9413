// SPDX-License-Identifier: Apache-2.0
#include "tests/support/EvidenceFiles.h"

#include <QtTest>

#include <unistd.h>

// quorlith-verify under a small descriptor limit, set in the child with the shell's ulimit (which
// sets the soft and the hard limit, so the program cannot raise it back).
class TestDescriptorLimit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void manyJobsUnderASmallLimit_data();
    void manyJobsUnderASmallLimit();

private:
    QTemporaryDir dir;
};

namespace {

const int kFiles = 40;

} // namespace

void TestDescriptorLimit::initTestCase()
{
    QVERIFY(dir.isValid());
    // Large enough that the jobs overlap and hold their files open at the same time; hard links of one
    // file, so that the folder costs the disk one file.
    const QString media = dir.filePath("media.mp4");
    QVERIFY(WriteMp4(media, qint64(32) << 20));
    const QString first = dir.filePath("clip-00.mp4");
    QVERIFY(StampMedia(media, first, "1.0"));
    QVERIFY(QFile::remove(media));
    for (int i = 1; i < kFiles; ++i) {
        const QString link = dir.filePath(QStringLiteral("clip-%1.mp4").arg(i, 2, 10, QLatin1Char('0')));
        QVERIFY(::link(QFile::encodeName(first).constData(), QFile::encodeName(link).constData()) == 0);
    }
}

void TestDescriptorLimit::manyJobsUnderASmallLimit_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("jobs");
    QTest::newRow("12 descriptors, 64 jobs") << 12 << "64";
    QTest::newRow("16 descriptors, 16 jobs") << 16 << "16";
    QTest::newRow("32 descriptors, 64 jobs") << 32 << "64";
}

// Running out of descriptors is the system's failure: with the jobs fitted to the limit every
// authentic file stays authentic.
void TestDescriptorLimit::manyJobsUnderASmallLimit()
{
    QFETCH(int, limit);
    QFETCH(QString, jobs);
    QProcess process;
    process.start(QStringLiteral("sh"),
                  {QStringLiteral("-c"), QStringLiteral("ulimit -n %1 && exec \"$@\"").arg(limit),
                   QStringLiteral("sh"), QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"),
                   QStringLiteral("--json"), QStringLiteral("--sha256"), QStringLiteral("-j"), jobs,
                   dir.path()});
    QVERIFY(process.waitForFinished(120000));
    const QByteArray out = process.readAllStandardOutput();
    QCOMPARE(out.count("\"authentic\":true"), kFiles);
    QCOMPARE(process.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestDescriptorLimit)
#include "TestDescriptorLimit.moc"
