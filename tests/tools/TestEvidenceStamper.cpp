// SPDX-License-Identifier: Apache-2.0
#include "tools/EvidenceStamper.h"

#include "digest/DigestUpdate.h"

#include "tools/StampRsa.h"
#include "tests/support/EvidenceFiles.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <QtTest>

class TestEvidenceStamper : public QObject
{
    Q_OBJECT

private slots:
    void mediaTypeFromPath_data();
    void mediaTypeFromPath();
    void foldMatchesTheWorkedVector();
    void foldAgreesWithTheEngineFold_data();
    void foldAgreesWithTheEngineFold();
    void recordTextIsTheRecorderLayout();
    void sealedBlockOpensToThePaddedRecord();
    void sealRefusesTooLongRecordsAndBadKeys_data();
    void sealRefusesTooLongRecordsAndBadKeys();
    void layoutPerContainer_data();
    void layoutPerContainer();
    void neverWritesOverItsInput_data();
    void neverWritesOverItsInput();
    void digestCoversTheMediaData_data();
    void digestCoversTheMediaData();
    void digestRefusesContainersWithoutMediaData_data();
    void digestRefusesContainersWithoutMediaData();
};

Q_DECLARE_METATYPE(MediaType)

namespace {

const unsigned char* Bytes(const QByteArray& data)
{
    return reinterpret_cast<const unsigned char*>(data.constData());
}

QByteArray Hex(const unsigned char* bytes, int length)
{
    return QByteArray(reinterpret_cast<const char*>(bytes), length).toHex();
}

QString Media(const char* name)
{
    return QStringLiteral(QUORLITH_TEST_DATA_DIR "/media/") + name;
}

QByteArray BigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray LittleEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Mp4Box(const char* type, const QByteArray& payload)
{
    return BigEndian32(quint32(8 + payload.size())) + type + payload;
}

QByteArray RiffChunk(const char* id, const QByteArray& payload)
{
    return id + LittleEndian32(quint32(payload.size())) + payload;
}

QByteArray Payload(int length, int seed)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char((i * 131 + seed) & 0xff);
    return bytes;
}

// HMAC-MD5 (RFC 2104) with the recorders' key over the plain MD5 of content, by OpenSSL alone.
QByteArray ReferenceKeyedMd5(const QByteArray& content)
{
    unsigned char inner[16];
    unsigned char keyed[16];
    EVP_Digest(Bytes(content), size_t(content.size()), inner, nullptr, EVP_md5(), nullptr);
    const QByteArray key("TrevalonQuorlithHmac01");
    HMAC(EVP_md5(), key.constData(), key.size(), inner, 16, keyed, nullptr);
    return Hex(keyed, 16);
}

// The RSA public operation with the test key: the encoded block the engine will see.
QByteArray OpenWithPublicKey(const QByteArray& sealed)
{
    EVP_PKEY* key = LoadStampKey(QUORLITH_TEST_KEY);
    QByteArray encoded(256, '\0');
    const bool opened = key && sealed.size() == 256 &&
                        RawRsaPublic(key, Bytes(sealed),
                                           reinterpret_cast<unsigned char*>(encoded.data())) == 0;
    FreeStampKey(key);
    return opened ? encoded : QByteArray();
}

} // namespace

void TestEvidenceStamper::mediaTypeFromPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("result");
    QTest::addColumn<MediaType>("type");

    QTest::newRow("jpg") << "photo.jpg" << 0 << MediaType::Jpg;
    QTest::newRow("upper-case JPG") << "PHOTO.JPG" << 0 << MediaType::Jpg;
    QTest::newRow("avi") << "/evidence/clip.avi" << 0 << MediaType::Avi;
    QTest::newRow("mixed-case Mp4") << "CLIP.Mp4" << 0 << MediaType::Mp4;
    QTest::newRow("mxg is an MP4") << "cam.mxg" << 0 << MediaType::Mp4;
    QTest::newRow("last dot counts") << "a.b.mp4" << 0 << MediaType::Mp4;
    QTest::newRow("jpeg") << "photo.jpeg" << -1 << MediaType::Jpg;
    QTest::newRow("no extension") << "clip" << -1 << MediaType::Jpg;
    QTest::newRow("ends in a dot") << "clip." << -1 << MediaType::Jpg;
    QTest::newRow("dot only in a folder") << "case.mp4/clip" << -1 << MediaType::Jpg;
}

void TestEvidenceStamper::mediaTypeFromPath()
{
    QFETCH(QString, path);
    QFETCH(int, result);
    QFETCH(MediaType, type);

    MediaType found = MediaType::Avi == type ? MediaType::Jpg : MediaType::Avi;
    QCOMPARE(MediaTypeFromPath(path.toStdString(), &found), result);
    if (result == 0)
        QCOMPARE(found, type);
}

// The worked example of the version "1.1" format: the 100 bytes 0, 1, ..., 99.
void TestEvidenceStamper::foldMatchesTheWorkedVector()
{
    unsigned char data[100];
    for (int i = 0; i < 100; ++i)
        data[i] = static_cast<unsigned char>(i);
    StampFold fold;
    StampFoldUpdate(&fold, data, 37);
    StampFoldUpdate(&fold, data + 37, 63);
    unsigned char digest[16];
    StampFoldFinish(fold, digest);
    QCOMPARE(Hex(digest, 16), QByteArray("eba6465d3e4968f59704bbff4a511b1f"));
}

// Two independent implementations of the fold, one closing with OpenSSL's compression and one
// with the engine's MD5 finalisation, must agree, also where the close takes two blocks.
void TestEvidenceStamper::foldAgreesWithTheEngineFold_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("piece");

    QTest::newRow("empty") << 0 << 1;
    QTest::newRow("under 8 bytes: index 0") << 5 << 5;
    QTest::newRow("index 12, odd pieces") << 100 << 7;
    QTest::newRow("index 55, last one-block close") << 447 << 64;
    QTest::newRow("index 56, first two-block close") << 448 << 100;
    QTest::newRow("index 63") << 511 << 13;
    QTest::newRow("512 bytes: index back to 0") << 512 << 512;
    QTest::newRow("several wraps") << 70001 << 1024;
}

void TestEvidenceStamper::foldAgreesWithTheEngineFold()
{
    QFETCH(int, length);
    QFETCH(int, piece);

    const QByteArray content = Payload(length, 7);
    StampFold fold;
    Md5Context engine;
    Md5Init(&engine);
    for (int at = 0; at < length; at += piece) {
        const int size = qMin(piece, length - at);
        StampFoldUpdate(&fold, Bytes(content) + at, size_t(size));
        DigestUpdate(DigestModeFold, &engine, Bytes(content) + at, size);
    }
    unsigned char ours[16];
    unsigned char theirs[16];
    StampFoldFinish(fold, ours);
    Md5Final(&engine, theirs);
    QCOMPARE(Hex(ours, 16), Hex(theirs, 16));
}

void TestEvidenceStamper::recordTextIsTheRecorderLayout()
{
    StampRecord record;
    record.version = "1.1";
    record.hmac = "00112233445566778899aabbccddeeff";
    record.startTime = "2025-01-02 03:04:05";
    record.endTime = "2025-01-02 03:09:00";
    record.timeSource = "GPS";
    record.rcSerial = "SN 77";
    record.camMac = "AA:BB:CC:DD:EE:FF";

    QCOMPARE(QByteArray::fromStdString(BuildRecordText(record)),
             QByteArray("Trevalon Digital Watermark\r\n"
                        "Version: 1.1\r\n"
                        "HMAC: 00112233445566778899aabbccddeeff\r\n"
                        "StartTime: 2025-01-02 03:04:05\r\n"
                        "EndTime: 2025-01-02 03:09:00\r\n"
                        "TimeSource: GPS\r\n"
                        "RCSerial: SN 77\r\n"
                        "CamMAC: AA:BB:CC:DD:EE:FF\r\n"));
}

void TestEvidenceStamper::sealedBlockOpensToThePaddedRecord()
{
    const std::string record = BuildRecordText(StampRecord());
    unsigned char first[512];
    unsigned char second[512];
    QCOMPARE(SealRecord(QUORLITH_TEST_KEY, record, first), 0);
    QCOMPARE(SealRecord(QUORLITH_TEST_KEY, record, second), 0);

    const QByteArray encoded = OpenWithPublicKey(QByteArray(reinterpret_cast<const char*>(first), 256));
    QCOMPARE(encoded.size(), 256);
    const int paddingLength = 256 - 3 - int(record.size());
    QCOMPARE(encoded.left(2), QByteArray("\x00\x02", 2));
    QVERIFY2(!encoded.mid(2, paddingLength).contains('\0'), "padding bytes must all be nonzero");
    QCOMPARE(encoded.at(2 + paddingLength), '\0');
    QCOMPARE(encoded.mid(3 + paddingLength), QByteArray::fromStdString(record));

    // Random padding and filler: two seals of one record share neither half.
    QVERIFY(memcmp(first, second, 256) != 0);
    QVERIFY(memcmp(first + 256, second + 256, 256) != 0);
}

void TestEvidenceStamper::sealRefusesTooLongRecordsAndBadKeys_data()
{
    QTest::addColumn<QString>("keyPath");
    QTest::addColumn<int>("recordLength");
    QTest::addColumn<int>("result");

    const QString key = QStringLiteral(QUORLITH_TEST_KEY);
    QTest::newRow("empty record") << key << 0 << 0;
    QTest::newRow("245 bytes: eight padding bytes left") << key << 245 << 0;
    QTest::newRow("246 bytes") << key << 246 << -1;
    QTest::newRow("missing key") << key + ".missing" << 10 << -1;
    QTest::newRow("not a key") << Media("still.jpg") << 10 << -1;
}

void TestEvidenceStamper::sealRefusesTooLongRecordsAndBadKeys()
{
    QFETCH(QString, keyPath);
    QFETCH(int, recordLength);
    QFETCH(int, result);

    unsigned char block[512];
    QCOMPARE(SealRecord(keyPath.toStdString(), std::string(size_t(recordLength), 'r'), block), result);
}

void TestEvidenceStamper::layoutPerContainer_data()
{
    QTest::addColumn<QString>("media");
    QTest::addColumn<MediaType>("type");
    QTest::addColumn<int>("tail");

    QTest::newRow("jpg: block before the last two bytes") << Media("still.jpg") << MediaType::Jpg << 2;
    QTest::newRow("avi: appended") << Media("clip.avi") << MediaType::Avi << 0;
    QTest::newRow("mp4: appended") << Media("clip-mdat-first.mp4") << MediaType::Mp4 << 0;
}

void TestEvidenceStamper::layoutPerContainer()
{
    QFETCH(QString, media);
    QFETCH(MediaType, type);
    QFETCH(int, tail);

    QTemporaryDir dir;
    const QString out = dir.filePath("stamped");
    const QByteArray block = Payload(512, 3);
    const QByteArray original = ReadAll(media);
    QCOMPARE(WriteStampedFile(media.toStdString(), type, Bytes(block), out.toStdString()), 0);

    const QByteArray stamped = ReadAll(out);
    const int body = original.size() - tail;
    QCOMPARE(stamped.size(), original.size() + 512);
    QCOMPARE(stamped.left(body), original.left(body));
    QCOMPARE(stamped.mid(body, 512), block);
    QCOMPARE(stamped.right(tail), original.right(tail));
    QCOMPARE(ReadAll(media), original);
}

void TestEvidenceStamper::neverWritesOverItsInput_data()
{
    QTest::addColumn<QString>("outName");
    QTest::addColumn<bool>("symlink");

    QTest::newRow("same path") << "in.mp4" << false;
    QTest::newRow("same file by another spelling") << "./sub/../in.mp4" << false;
    QTest::newRow("symbolic link to the input") << "link.mp4" << true;
}

void TestEvidenceStamper::neverWritesOverItsInput()
{
    QFETCH(QString, outName);
    QFETCH(bool, symlink);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    const QString in = dir.filePath("in.mp4");
    QVERIFY(QFile::copy(Media("clip-mdat-first.mp4"), in));
    const QByteArray original = ReadAll(in);
    if (symlink)
        QVERIFY(QFile::link(in, dir.filePath(outName)));
    const QString out = dir.path() + "/" + outName;

    StampRecord record;
    QCOMPARE(StampEvidence(QUORLITH_TEST_KEY, record, in.toStdString(), out.toStdString()), -1);
    QCOMPARE(ReadAll(in), original);
}

// Small synthetic containers whose content start S is known by construction.
void TestEvidenceStamper::digestCoversTheMediaData_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<MediaType>("type");
    QTest::addColumn<int>("start");

    const QByteArray media = Payload(3000, 1);
    const QByteArray ftyp = Mp4Box("ftyp", "isom\0\0\2\0isomiso2");
    const QByteArray moov = Mp4Box("moov", Payload(300, 2));

    QTest::newRow("jpg: whole file") << media << MediaType::Jpg << 0;
    QTest::newRow("mp4: mdat first, 8-byte header") << Mp4Box("mdat", media) << MediaType::Mp4 << 8;
    {
        const QByteArray head = ftyp + moov;
        QTest::newRow("mp4: ftyp, moov, mdat")
            << head + Mp4Box("mdat", media) << MediaType::Mp4 << head.size() + 8;
    }
    {
        const QByteArray large =
            BigEndian32(1) + "mdat" + QByteArray(4, '\0') + BigEndian32(16 + 3000) + media;
        QTest::newRow("mp4: 64-bit mdat size, 16-byte header")
            << ftyp + large + moov << MediaType::Mp4 << ftyp.size() + 16;
    }

    const QByteArray hdrl = RiffChunk("LIST", "hdrl" + Payload(200, 4));
    const QByteArray movi = RiffChunk("LIST", "movi" + media);
    const QByteArray idx1 = RiffChunk("idx1", Payload(64, 5));
    {
        const QByteArray body = "AVI " + hdrl + movi + idx1;
        QTest::newRow("avi: movi right after hdrl")
            << RiffChunk("RIFF", body) << MediaType::Avi << 12 + hdrl.size() + 12;
    }
    {
        const QByteArray junk = RiffChunk("JUNK", QByteArray(100, '\0'));
        const QByteArray body = "AVI " + hdrl + junk + movi + idx1;
        QTest::newRow("avi: one JUNK chunk between")
            << RiffChunk("RIFF", body) << MediaType::Avi << 12 + hdrl.size() + junk.size() + 12;
    }
}

void TestEvidenceStamper::digestCoversTheMediaData()
{
    QFETCH(QByteArray, file);
    QFETCH(MediaType, type);
    QFETCH(int, start);

    QTemporaryDir dir;
    const QString path = dir.filePath("media");
    QVERIFY(WriteAll(path, file));
    std::string digest;
    QCOMPARE(ComputeEvidenceDigest(path.toStdString(), type, 0, &digest), 0);
    QCOMPARE(QByteArray::fromStdString(digest), ReferenceKeyedMd5(file.mid(start)));

    std::string folded;
    QCOMPARE(ComputeEvidenceDigest(path.toStdString(), type, 1, &folded), 0);
    QVERIFY(folded != digest);
    QCOMPARE(ComputeEvidenceDigest(path.toStdString(), type, 2, &folded), -1);
}

void TestEvidenceStamper::digestRefusesContainersWithoutMediaData_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<MediaType>("type");

    const QByteArray moov = Mp4Box("moov", Payload(40, 2));
    QTest::newRow("mp4 without mdat") << Mp4Box("ftyp", "isom") + moov << MediaType::Mp4;
    QTest::newRow("mp4 with mdat only nested")
        << Mp4Box("moov", Mp4Box("mdat", Payload(40, 1))) << MediaType::Mp4;
    QTest::newRow("mp4 64-bit box size wrapping back to offset 0")
        << Mp4Box("ftyp", "isom") + BigEndian32(1) + "free" + QByteArray::fromHex("fffffffffffffff4") +
               QByteArray(8, '\0')
        << MediaType::Mp4;
    QTest::newRow("mp4 box with a 64-bit size before mdat")
        << Mp4Box("ftyp", "isom") + BigEndian32(1) + "free" + QByteArray::fromHex("0000000000000018") +
               QByteArray(8, '\0') + Mp4Box("mdat", Payload(40, 1))
        << MediaType::Mp4;
    QTest::newRow("mp4 box of size 0 before mdat")
        << BigEndian32(0) + "free" + Mp4Box("mdat", "x") << MediaType::Mp4;
    const QByteArray hdrl = RiffChunk("LIST", "hdrl" + Payload(20, 4));
    const QByteArray junk = RiffChunk("JUNK", QByteArray(8, '\0'));
    const QByteArray movi = RiffChunk("LIST", "movi" + Payload(40, 1));
    QTest::newRow("avi with two JUNK chunks")
        << RiffChunk("RIFF", "AVI " + hdrl + junk + junk + movi) << MediaType::Avi;
    QTest::newRow("avi form is not AVI") << RiffChunk("RIFF", "WAVE" + hdrl + movi) << MediaType::Avi;
    QTest::newRow("missing file") << QByteArray() << MediaType::Jpg;
}

void TestEvidenceStamper::digestRefusesContainersWithoutMediaData()
{
    QFETCH(QByteArray, file);
    QFETCH(MediaType, type);

    QTemporaryDir dir;
    const QString path = dir.filePath("media");
    if (!file.isEmpty())
        QVERIFY(WriteAll(path, file));
    std::string digest = "untouched";
    QCOMPARE(ComputeEvidenceDigest(path.toStdString(), type, 0, &digest), -1);
    QCOMPARE(digest, std::string("untouched"));
}

QTEST_GUILESS_MAIN(TestEvidenceStamper)
#include "TestEvidenceStamper.moc"
