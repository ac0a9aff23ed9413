// SPDX-License-Identifier: Apache-2.0
// Evidence stamped by the recorder-side library and verified by the engine, each reading the format
// on its own. A version "1.1" fold of L bytes counts only the positions whose remainder modulo 64
// lies below (L >> 3) % 64: a change there must fail the file, a change elsewhere must leave it
// verifying. The two must also agree on which MP4 box layouts lead to media data at all.
#include "engine/WatermarkVerifier.h"
#include "tools/EvidenceStamper.h"

#include <QtTest>

class TestStampedEvidence : public QObject
{
    Q_OBJECT

private slots:
    void foldedContentChange_data();
    void foldedContentChange();
    void stamperAndEngineWalkTheSameBoxes_data();
    void stamperAndEngineWalkTheSameBoxes();
};

namespace {

// Stamps a copy of the named fixture into dir, renamed to outName; empty path on failure.
QString Stamp(const QTemporaryDir& dir, const QString& fixture, const QString& outName)
{
    const QString in = dir.filePath("original-" + outName);
    const QString out = dir.filePath(outName);
    if (!QFile::copy(QStringLiteral(QUORLITH_TEST_DATA_DIR "/media/") + fixture, in))
        return QString();
    StampRecord record;
    record.version = "1.1";
    return StampEvidence(QUORLITH_TEST_KEY, record, in.toStdString(), out.toStdString()) == 0 ? out
                                                                                              : QString();
}

QByteArray Be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray Box(const char* type, const QByteArray& payload)
{
    return Be32(quint32(8 + payload.size())) + type + payload;
}

} // namespace

// Content lengths and starts from tests/data/media/README.md.
void TestStampedEvidence::foldedContentChange_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("outName");
    QTest::addColumn<qint64>("offset"); // negative: from the end of the stamped file
    QTest::addColumn<int>("result");

    // still.jpg: 3116 content bytes, index 5.
    QTest::newRow("jpg position 0") << "still.jpg"
                                    << "still.jpg" << qint64(0) << -1;
    QTest::newRow("jpg position 4, last counted") << "still.jpg"
                                                  << "still.jpg" << qint64(4) << -1;
    QTest::newRow("jpg position 5, first uncounted") << "still.jpg"
                                                     << "still.jpg" << qint64(5) << 0;
    QTest::newRow("jpg position 3076 (4 mod 64)") << "still.jpg"
                                                  << "still.jpg" << qint64(3076) << -1;
    QTest::newRow("jpg last byte after the block, 43 mod 64") << "still.jpg"
                                                              << "still.jpg" << qint64(-1) << 0;
    // clip-mdat-first.mp4: 2394 content bytes from 48, index 43; the last is 2393, 25 mod 64.
    QTest::newRow("mp4 first mdat byte") << "clip-mdat-first.mp4"
                                         << "clip.mp4" << qint64(48) << -1;
    QTest::newRow("mp4 moov after mdat, last byte") << "clip-mdat-first.mp4"
                                                    << "clip.mxg" << qint64(-513) << -1;
    QTest::newRow("mp4 header before mdat") << "clip-mdat-first.mp4"
                                            << "clip.mp4" << qint64(20) << 0;
    // clip.avi: 2110 content bytes from 5720, index 7; the last is 2109, 61 mod 64.
    QTest::newRow("avi first movi byte") << "clip.avi"
                                         << "clip.avi" << qint64(5720) << -1;
    QTest::newRow("avi index, last byte") << "clip.avi"
                                          << "clip.avi" << qint64(-513) << 0;
}

void TestStampedEvidence::foldedContentChange()
{
    QFETCH(QString, fixture);
    QFETCH(QString, outName);
    QFETCH(qint64, offset);
    QFETCH(int, result);

    QTemporaryDir dir;
    const QString stamped = Stamp(dir, fixture, outName);
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
    QCOMPARE(verifier.GetFailure(), result == 0 ? VerifyFailure::None : VerifyFailure::ContentMismatch);
}

void TestStampedEvidence::stamperAndEngineWalkTheSameBoxes_data()
{
    QTest::addColumn<QByteArray>("head"); // the boxes before "mdat"
    QTest::addColumn<QByteArray>("mdatHeader");
    QTest::addColumn<bool>("hasMediaData");

    const QByteArray ftyp = Box("ftyp", "isom\0\0\2\0isomiso2");
    QTest::newRow("ftyp, free") << ftyp + Box("free", "") << Be32(608) + "mdat" << true;
    QTest::newRow("64-bit mdat size")
        << ftyp << Be32(1) + "mdat" + QByteArray::fromHex("0000000000000268") << true;
    QTest::newRow("free box with a 64-bit size")
        << ftyp + Be32(1) + "free" + QByteArray::fromHex("0000000000000018") + QByteArray(8, '\0')
        << Be32(608) + "mdat" << false;
    QTest::newRow("box of size 0") << ftyp + Be32(0) + "free" << Be32(608) + "mdat" << false;
}

// What one side stamps the other verifies; what the engine finds no media data in, the stamper finds
// none in either, so it cannot write a file the engine takes for broken.
void TestStampedEvidence::stamperAndEngineWalkTheSameBoxes()
{
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, mdatHeader);
    QFETCH(bool, hasMediaData);

    QTemporaryDir dir;
    const QString media = dir.filePath("media.mp4");
    const QString stamped = dir.filePath("clip.mp4");
    QFile file(media);
    const QByteArray bytes = head + mdatHeader + QByteArray(600, '\x5a');
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    StampRecord record;
    QCOMPARE(StampEvidence(QUORLITH_TEST_KEY, record, media.toStdString(), stamped.toStdString()) == 0,
             hasMediaData);
    if (!hasMediaData) {
        // Stamped with a digest of any value, as a recorder that walked the boxes otherwise would.
        record.hmac = std::string(32, '0');
        QCOMPARE(StampEvidence(QUORLITH_TEST_KEY, record, media.toStdString(), stamped.toStdString()), 0);
    }
    WatermarkVerifier verifier;
    QCOMPARE(verifier.Verify(stamped.toUtf8().constData()), hasMediaData ? 0 : -1);
    QCOMPARE(verifier.GetFailure(), hasMediaData ? VerifyFailure::None : VerifyFailure::ContainerInvalid);
}

QTEST_GUILESS_MAIN(TestStampedEvidence)
#include "TestStampedEvidence.moc"
