// SPDX-License-Identifier: Apache-2.0
#include "digest/DigestUpdate.h"
#include "engine/ContainerDigest.h"
#include "engine/EvidenceReader.h"
#include "platform/ReadOnlyFile.h"

#include <QtTest>

class TestContainerDigest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fileSize_data();
    void fileSize();
    void mp4ContentStart_data();
    void mp4ContentStart();
    void aviContentStart_data();
    void aviContentStart();
    void digestCoversExactlyTheContent_data();
    void digestCoversExactlyTheContent();
    void regionInsideTheBlockFails();
    void largeRegionInEitherMode();
    void missingFileFails();

private:
    QString Write(const QString& name, const QByteArray& bytes);
    QTemporaryDir dir;
};

namespace {

QByteArray Be32(quint32 v)
{
    QByteArray b(4, '\0');
    qToBigEndian(v, b.data());
    return b;
}

QByteArray Le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray Box(const char* type, const QByteArray& payload)
{
    return Be32(static_cast<quint32>(8 + payload.size())) + type + payload;
}

QByteArray Bytes(int n, int seed)
{
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b.append(static_cast<char>((i * 131 + seed * 29 + 1) & 0xff));
    return b;
}

// RIFF "AVI " with a header list of payload size hdrlPayload, optional JUNK chunks, then "movi".
QByteArray Avi(int hdrlPayload, const QList<int>& junkSizes, const QByteArray& movi)
{
    QByteArray body = "AVI " + QByteArray("LIST") + Le32(static_cast<quint32>(4 + hdrlPayload)) + "hdrl" +
                      Bytes(hdrlPayload, 1);
    for (int j : junkSizes)
        body += "JUNK" + Le32(static_cast<quint32>(j)) + QByteArray(j, '\0');
    body += "LIST" + Le32(static_cast<quint32>(4 + movi.size())) + "movi" + movi;
    return "RIFF" + Le32(static_cast<quint32>(body.size())) + body;
}

// The content digest before keying: keying belongs to the key set that opened the watermark.
QByteArray ContentDigest(int mode, const QByteArray& content)
{
    Md5Context ctx;
    Md5Init(&ctx);
    DigestUpdate(mode, &ctx, reinterpret_cast<const unsigned char*>(content.constData()),
                 static_cast<int32_t>(content.size()));
    unsigned char inner[16];
    Md5Final(&ctx, inner);
    return QByteArray(reinterpret_cast<const char*>(inner), 16);
}

using ReaderDigest = int (*)(int mode, EvidenceReader* reader, unsigned char digest[16],
                             ContentRegion* region, const ReadProgress* progress);

// A digest taken as the verifier takes it: over one reader of the file, opened read-only.
int Digest(ReaderDigest digestOf, int mode, const char* path, unsigned char digest[16],
           ContentRegion* region = nullptr)
{
    const int fd = OpenForReading(path);
    EvidenceReader reader;
    BeginEvidenceReader(fd, fd < 0 ? -1 : GetOpenFileSize(fd), nullptr, &reader);
    const int ret = digestOf(mode, &reader, digest, region, nullptr);
    EndEvidenceReader(&reader);
    if (fd >= 0)
        CloseFile(fd);
    return ret;
}

// Where the container walk puts the content: the start of the region a digest over the file covers.
int ContentStart(ReaderDigest digestOf, const char* path, int32_t* start)
{
    unsigned char digest[16];
    ContentRegion region = {-1, 0, 0};
    const int ret = Digest(digestOf, 0, path, digest, &region);
    if (ret == 0)
        *start = static_cast<int32_t>(region.start);
    return ret;
}

int64_t SizeOfFile(const char* path)
{
    const int fd = OpenForReading(path);
    if (fd < 0)
        return -1;
    const int64_t size = GetOpenFileSize(fd);
    CloseFile(fd);
    return size;
}

const QByteArray kBlock = QByteArray(512, '\xb7');

} // namespace

void TestContainerDigest::init()
{
    QVERIFY(dir.isValid());
}

QString TestContainerDigest::Write(const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

void TestContainerDigest::fileSize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("empty file") << 0 << qint64(-1);
    QTest::newRow("one byte") << 1 << qint64(1);
    QTest::newRow("512 bytes") << 512 << qint64(512);
}

void TestContainerDigest::fileSize()
{
    QFETCH(int, size);
    QFETCH(qint64, expected);
    const QString path = Write(QString::fromUtf8("größe-%1.bin").arg(size), QByteArray(size, 'x'));
    QCOMPARE(SizeOfFile(path.toUtf8().constData()), expected);
}

void TestContainerDigest::mp4ContentStart_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("start"); // -1: the walk fails
    const QByteArray media = Bytes(600, 2);
    const QByteArray ftyp = Box("ftyp", "isom\0\0\2\0isomiso2");
    const QByteArray moov = Box("moov", Bytes(100, 3));
    QTest::newRow("mdat first") << Box("mdat", media) << 8;
    QTest::newRow("mdat with 64-bit size") << Be32(1) + "mdat" + QByteArray(8, '\0') + media << 16;
    QTest::newRow("mdat with size 0") << Be32(0) + "mdat" + media << 8;
    QTest::newRow("after ftyp and moov") << ftyp + moov + Box("mdat", media) << ftyp.size() + moov.size() + 8;
    QTest::newRow("moov after mdat is content") << ftyp + Box("mdat", media) + moov << ftyp.size() + 8;
    QTest::newRow("mdat only nested") << Box("moov", Box("mdat", media)) << -1;
    QTest::newRow("no mdat at all") << ftyp + moov + QByteArray(600, 'z') << -1;
    QTest::newRow("box of size 0 before mdat") << Be32(0) + "free" + Box("mdat", media) << -1;
    QTest::newRow("box of size 4 before mdat") << Be32(4) + "free" + Box("mdat", media) << -1;
    // The bytes at offset 1 to 7 read as the header of an "mdat" box: only the rule that a box is at
    // least its own 8-byte header stops the walk there.
    for (quint32 size = 1; size < 8; ++size)
        QTest::addRow("box of size %u before an mdat header at offset %u", size, size)
            << Be32(size) + QByteArray(int(size), '\0') + "mdat" + media << -1;
    QTest::newRow("size that wraps backwards")
        << ftyp + Be32(0xfffffff0u) + "free" + Box("mdat", media) << -1;
    QTest::newRow("size at 2^31") << Be32(0x80000000u) + "free" + Box("mdat", media) << -1;
    QTest::newRow("truncated header") << QByteArray("\0\0", 2) << -1;
}

void TestContainerDigest::mp4ContentStart()
{
    QFETCH(QByteArray, file);
    QFETCH(int, start);
    const QString path = Write("clip.mp4", file);
    int32_t found = -7;
    const int ret = ContentStart(ComputeMp4DigestOfReader, path.toUtf8().constData(), &found);
    if (start < 0) {
        QCOMPARE(ret, -1);
        unsigned char digest[16] = {};
        QCOMPARE(Digest(ComputeMp4DigestOfReader, 0, path.toUtf8().constData(), digest), -1);
    } else {
        QCOMPARE(ret, 0);
        QCOMPARE(found, start);
    }
}

void TestContainerDigest::aviContentStart_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("start");
    const QByteArray movi = Bytes(700, 4);
    // H counts the list type and the header payload; the movi list type ends at H + 32.
    QTest::newRow("movi straight after hdrl") << Avi(100, {}, movi) << 104 + 32;
    QTest::newRow("one JUNK chunk") << Avi(100, {300}, movi) << 104 + 300 + 40;
    QTest::newRow("two JUNK chunks") << Avi(100, {16, 16}, movi) << -1;
    QTest::newRow("not RIFF") << "RIFX" + Avi(100, {}, movi).mid(4) << -1;
    QTest::newRow("not AVI") << Avi(100, {}, movi).replace(8, 4, "WAVE") << -1;
    QTest::newRow("no header list") << Avi(100, {}, movi).replace(20, 4, "strl") << -1;
    QByteArray notMovi = Avi(100, {}, movi);
    notMovi.replace(104 + 28, 4, "rec ");
    QTest::newRow("list after hdrl is not movi") << notMovi << -1;
    QTest::newRow("truncated") << Avi(100, {}, movi).left(30) << -1;
    QByteArray huge = Avi(100, {}, movi);
    huge.replace(16, 4, Le32(0x7ffffff0u));
    QTest::newRow("header list size past 2^31") << huge << -1;
}

void TestContainerDigest::aviContentStart()
{
    QFETCH(QByteArray, file);
    QFETCH(int, start);
    const QString path = Write("clip.avi", file);
    int32_t found = -7;
    const int ret = ContentStart(ComputeAviDigestOfReader, path.toUtf8().constData(), &found);
    QCOMPARE(ret, start < 0 ? -1 : 0);
    if (start >= 0)
        QCOMPARE(found, start);
}

// Which bytes count: every byte of the content changes the digest, no byte of the block does.
void TestContainerDigest::digestCoversExactlyTheContent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("tail");
    const QByteArray jpg = Bytes(300, 5);
    QTest::newRow("jpg") << "photo.jpg" << jpg.left(298) + kBlock + jpg.right(2) << 0 << 2;
    QTest::newRow("jpg of 514 bytes: only the last two") << "photo.jpg" << kBlock + "\xff\xd9" << 0 << 2;
    const QByteArray mp4 = Box("ftyp", "isom0000") + Box("mdat", Bytes(400, 6)) + kBlock;
    QTest::newRow("mp4") << "clip.mp4" << mp4 << 24 << 0;
    QTest::newRow("avi") << "clip.avi" << Avi(60, {20}, Bytes(500, 7)) + kBlock << 64 + 20 + 40 << 0;
}

void TestContainerDigest::digestCoversExactlyTheContent()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, file);
    QFETCH(int, start);
    QFETCH(int, tail);
    const int blockAt = file.size() - 512 - tail;
    const auto digestOf = [&](const QByteArray& bytes, int mode, ContentRegion* region) {
        const QByteArray path = Write(name, bytes).toUtf8();
        unsigned char digest[16];
        int ret = -1;
        if (name.endsWith("jpg"))
            ret = Digest(ComputeJpgDigestOfReader, mode, path.constData(), digest, region);
        else if (name.endsWith("mp4"))
            ret = Digest(ComputeMp4DigestOfReader, mode, path.constData(), digest, region);
        else
            ret = Digest(ComputeAviDigestOfReader, mode, path.constData(), digest, region);
        return ret == 0 ? QByteArray(reinterpret_cast<const char*>(digest), 16) : QByteArray();
    };

    ContentRegion region = {};
    const QByteArray content = file.mid(start, blockAt - start) + file.right(tail);
    QCOMPARE(digestOf(file, 0, &region), ContentDigest(0, content));
    QCOMPARE(region.start, qint64(start));
    QCOMPARE(region.length, qint64(blockAt - start));
    QCOMPARE(region.tail, tail);
    QCOMPARE(digestOf(file, 1, nullptr), ContentDigest(1, content));
    QVERIFY(ContentDigest(0, content) != ContentDigest(1, content));

    const QByteArray original = digestOf(file, 0, nullptr);
    for (int at : {start, (start + blockAt) / 2, blockAt - 1, file.size() - 1, file.size() - tail}) {
        if (at < start || at >= file.size() || (at >= blockAt && at < blockAt + 512))
            continue;
        QByteArray changed = file;
        changed[at] = static_cast<char>(changed[at] ^ 0x01);
        QVERIFY2(digestOf(changed, 0, nullptr) != original, qPrintable(QString("content byte %1").arg(at)));
    }
    for (int at : {blockAt, blockAt + 255, blockAt + 511}) {
        QByteArray changed = file;
        changed[at] = static_cast<char>(changed[at] ^ 0x01);
        QCOMPARE(digestOf(changed, 0, nullptr), original);
    }
}

void TestContainerDigest::regionInsideTheBlockFails()
{
    // mdat's header ends inside the last 512 bytes: the region would have a negative length.
    const QByteArray file = QByteArray(100, 'h') + Be32(8) + "mdat" + QByteArray(500, 'b');
    const QByteArray path = Write("short.mp4", Box("free", QByteArray(92, 'h')) + file.mid(100)).toUtf8();
    unsigned char digest[16] = {0xaa};
    ContentRegion region = {-5, -5, -5};
    QCOMPARE(Digest(ComputeMp4DigestOfReader, 1, path.constData(), digest, &region), -1);
    QCOMPARE(Digest(ComputeMp4DigestOfReader, 0, path.constData(), digest, &region), -1);
    QCOMPARE(int(digest[0]), 0xaa);
    QCOMPARE(region.start, qint64(-5));
}

// Content spanning many read pieces, with an odd length, gives the digest of the content as a whole.
void TestContainerDigest::largeRegionInEitherMode()
{
    const QByteArray media = Bytes(3 * 1024 * 1024 + 333, 8);
    const QByteArray path = Write("big.mxg", Box("mdat", media) + kBlock).toUtf8();
    for (int mode : {0, 1}) {
        unsigned char digest[16];
        QCOMPARE(Digest(ComputeMp4DigestOfReader, mode, path.constData(), digest), 0);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(digest), 16), ContentDigest(mode, media));
    }
}

void TestContainerDigest::missingFileFails()
{
    unsigned char digest[16];
    const QByteArray path = dir.filePath("gone.jpg").toUtf8();
    QCOMPARE(Digest(ComputeJpgDigestOfReader, 0, path.constData(), digest), -1);
    QCOMPARE(Digest(ComputeMp4DigestOfReader, 0, path.constData(), digest), -1);
    QCOMPARE(Digest(ComputeAviDigestOfReader, 0, path.constData(), digest), -1);
}

QTEST_GUILESS_MAIN(TestContainerDigest)
#include "TestContainerDigest.moc"
