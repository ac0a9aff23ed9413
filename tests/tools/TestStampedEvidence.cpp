// Real media stamped by the recorder-side library must verify with the engine, and must stop
// verifying when any content byte changes.
#include "engine/WatermarkVerifier.h"
#include "tools/EvidenceStamper.h"

#include <QtTest>

class TestStampedEvidence : public QObject
{
    Q_OBJECT

private slots:
    void verifies_data();
    void verifies();
    void changedContent_data();
    void changedContent();
    void otherVersionsDigestFails_data();
    void otherVersionsDigestFails();
};

namespace {

QString Media(const QString& name)
{
    return QStringLiteral(QUORLITH_TEST_DATA_DIR "/media/") + name;
}

// Stamps a copy of the named fixture into dir, renamed to outName; empty path on failure.
QString Stamp(const QTemporaryDir& dir, const QString& fixture, const QString& outName,
              const StampRecord& record)
{
    const QString in = dir.filePath("original-" + outName);
    const QString out = dir.filePath(outName);
    if (!QFile::copy(Media(fixture), in))
        return QString();
    return StampEvidence(QUORLITH_TEST_KEY, record, in.toStdString(), out.toStdString()) == 0 ? out
                                                                                              : QString();
}

void AddFixtureRows()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("outName");
    QTest::addColumn<QString>("version");
    QTest::addColumn<qint64>("start"); // from tests/data/media/README.md

    for (const char* version : {"1.0", "1.1"}) {
        const auto row = [version](const char* name) -> QTestData& {
            return QTest::addRow("%s %s", name, version);
        };
        row("jpg") << "still.jpg"
                   << "still.jpg" << version << qint64(0);
        row("mp4 mdat first") << "clip-mdat-first.mp4"
                              << "clip.mp4" << version << qint64(48);
        row("mp4 faststart") << "clip-faststart.mp4"
                             << "clip.MP4" << version << qint64(956);
        row("mxg") << "clip-mdat-first.mp4"
                   << "clip.mxg" << version << qint64(48);
        row("avi with JUNK") << "clip.avi"
                             << "clip.avi" << version << qint64(5720);
    }
}

} // namespace

void TestStampedEvidence::verifies_data()
{
    AddFixtureRows();
}

void TestStampedEvidence::verifies()
{
    QFETCH(QString, fixture);
    QFETCH(QString, outName);
    QFETCH(QString, version);
    QFETCH(qint64, start);

    QTemporaryDir dir;
    StampRecord record;
    record.version = version.toStdString();
    record.rcSerial = "SN-" + outName.toStdString();
    const QString stamped = Stamp(dir, fixture, outName, record);
    QVERIFY(!stamped.isEmpty());

    WatermarkVerifier verifier;
    QCOMPARE(verifier.Verify(stamped.toUtf8().constData()), 0);
    QCOMPARE(verifier.GetDigestMode(), version == "1.1" ? 1 : 0);
    QCOMPARE(verifier.GetRCSerial(), record.rcSerial);
    QCOMPARE(verifier.GetStartTime(), record.startTime);
    QVERIFY(verifier.HasContentRegion());
    QCOMPARE(verifier.GetContentRegion().start, start);
}

// A change to the first or the last content byte (for a JPG: its final byte, after the block).
// A version "1.1" fold of L bytes counts only positions whose remainder modulo 64 lies below
// (L >> 3) % 64, so there a change at an uncounted position must leave the file verifying.
void TestStampedEvidence::changedContent_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("outName");
    QTest::addColumn<QString>("version");
    QTest::addColumn<qint64>("offset"); // negative: from the end of the stamped file
    QTest::addColumn<int>("result");

    for (const char* version : {"1.0", "1.1"}) {
        const auto row = [version](const char* name) -> QTestData& {
            return QTest::addRow("%s %s", name, version);
        };
        row("jpg first byte") << "still.jpg"
                              << "still.jpg" << version << qint64(0) << -1;
        row("mp4 first mdat byte") << "clip-mdat-first.mp4"
                                   << "clip.mp4" << version << qint64(48) << -1;
        row("avi first movi byte") << "clip.avi"
                                   << "clip.avi" << version << qint64(5720) << -1;
        // 2394 content bytes: the last one, position 2393 (25 modulo 64), is below index 43.
        row("mp4 moov after mdat") << "clip-mdat-first.mp4"
                                   << "clip.mp4" << version << qint64(-513) << -1;
    }
    QTest::newRow("jpg last byte 1.0") << "still.jpg"
                                       << "still.jpg"
                                       << "1.0" << qint64(-1) << -1;
    QTest::newRow("avi index after movi 1.0") << "clip.avi"
                                              << "clip.avi"
                                              << "1.0" << qint64(-513) << -1;
    // 3116 content bytes, index 5: the last byte sits at 3115, 43 modulo 64.
    QTest::newRow("jpg last byte 1.1, not counted") << "still.jpg"
                                                    << "still.jpg"
                                                    << "1.1" << qint64(-1) << 0;
    // 2110 content bytes, index 7: the last byte sits at 2109, 61 modulo 64.
    QTest::newRow("avi last byte 1.1, not counted") << "clip.avi"
                                                    << "clip.avi"
                                                    << "1.1" << qint64(-513) << 0;
}

void TestStampedEvidence::changedContent()
{
    QFETCH(QString, fixture);
    QFETCH(QString, outName);
    QFETCH(QString, version);
    QFETCH(qint64, offset);
    QFETCH(int, result);

    QTemporaryDir dir;
    StampRecord record;
    record.version = version.toStdString();
    const QString stamped = Stamp(dir, fixture, outName, record);
    QVERIFY(!stamped.isEmpty());

    QFile file(stamped);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const qint64 at = offset >= 0 ? offset : file.size() + offset;
    QVERIFY(file.seek(at));
    char byte = 0;
    QVERIFY(file.getChar(&byte));
    QVERIFY(file.seek(at));
    QVERIFY(file.putChar(char(byte ^ 0x01)));
    file.close();

    WatermarkVerifier verifier;
    QCOMPARE(verifier.Verify(stamped.toUtf8().constData()), result);
    if (result != 0)
        QCOMPARE(verifier.GetFailure(), VerifyFailure::ContentMismatch);
}

// A record that carries the other version's digest must not verify.
void TestStampedEvidence::otherVersionsDigestFails_data()
{
    AddFixtureRows();
}

void TestStampedEvidence::otherVersionsDigestFails()
{
    QFETCH(QString, fixture);
    QFETCH(QString, outName);
    QFETCH(QString, version);

    MediaType type;
    QCOMPARE(MediaTypeFromPath(outName.toStdString(), &type), 0);
    StampRecord record;
    record.version = version.toStdString();
    const int otherMode = version == "1.1" ? 0 : 1;
    QCOMPARE(ComputeEvidenceDigest(Media(fixture).toStdString(), type, otherMode, &record.hmac), 0);

    QTemporaryDir dir;
    const QString stamped = Stamp(dir, fixture, outName, record);
    QVERIFY(!stamped.isEmpty());
    WatermarkVerifier verifier;
    QCOMPARE(verifier.Verify(stamped.toUtf8().constData()), -1);
    QCOMPARE(verifier.GetFailure(), VerifyFailure::ContentMismatch);
}

QTEST_GUILESS_MAIN(TestStampedEvidence)
#include "TestStampedEvidence.moc"
