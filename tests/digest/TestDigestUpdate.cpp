// SPDX-License-Identifier: Apache-2.0
#include "digest/DigestUpdate.h"

#include <QtTest>

class TestDigestUpdate : public QObject
{
    Q_OBJECT

private slots:
    void foldOfHundredBytes();
    void foldPositionWraps_data();
    void foldPositionWraps();
    void foldInPiecesGivesTheSameContext_data();
    void foldInPiecesGivesTheSameContext();
    void foldCountsOnlyBytesBelowTheIndex_data();
    void foldCountsOnlyBytesBelowTheIndex();
    void nonPositiveFoldLengthIsCountedButNotFolded();
    void unknownModeChangesNothing();
    void modeZeroIsMd5();
};

namespace {

QByteArray Pattern(int length, int seed = 0)
{
    QByteArray bytes;
    for (int i = 0; i < length; ++i)
        bytes.append(static_cast<char>((i * 31 + seed * 17 + 5) & 0xff));
    return bytes;
}

void Feed(int mode, Md5Context* ctx, const QByteArray& bytes)
{
    DigestUpdate(mode, ctx, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<int32_t>(bytes.size()));
}

QByteArray FinalHex(Md5Context* ctx)
{
    unsigned char digest[16];
    Md5Final(ctx, digest);
    return QByteArray(reinterpret_cast<const char*>(digest), 16).toHex();
}

QByteArray DigestHex(int mode, const QByteArray& bytes)
{
    Md5Context ctx;
    Md5Init(&ctx);
    Feed(mode, &ctx, bytes);
    return FinalHex(&ctx);
}

} // namespace

// The recorders' reference vector: bytes 0..99 folded into a fresh context.
void TestDigestUpdate::foldOfHundredBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 100; ++i)
        bytes.append(static_cast<char>(i));
    Md5Context ctx;
    Md5Init(&ctx);
    Feed(DigestModeFold, &ctx, bytes);
    QCOMPARE(ctx.count[0], 100u);
    QCOMPARE(ctx.count[1], 36u);
    for (int k = 0; k < 36; ++k)
        QCOMPARE(int(ctx.buffer[k]), 0x40);
    for (int k = 36; k < 64; ++k)
        QCOMPARE(int(ctx.buffer[k]), k);
    QCOMPARE(ctx.state[0], 0x67452301u);
    QCOMPARE(FinalHex(&ctx), QByteArray("eba6465d3e4968f59704bbff4a511b1f"));
}

void TestDigestUpdate::foldPositionWraps_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<uint>("position");
    QTest::newRow("64 bytes") << 64 << 0u;
    QTest::newRow("65 bytes") << 65 << 1u;
    QTest::newRow("128 bytes") << 128 << 0u;
    QTest::newRow("1 byte") << 1 << 1u;
}

void TestDigestUpdate::foldPositionWraps()
{
    QFETCH(int, length);
    QFETCH(uint, position);
    const QByteArray bytes = Pattern(length);
    Md5Context ctx;
    Md5Init(&ctx);
    Feed(DigestModeFold, &ctx, bytes);
    QCOMPARE(ctx.count[0], uint(length));
    QCOMPARE(ctx.count[1], position);
    // Each buffer byte is the XOR of every byte at its position modulo 64.
    for (int k = 0; k < 64; ++k) {
        unsigned char expected = 0;
        for (int q = k; q < length; q += 64)
            expected ^= static_cast<unsigned char>(bytes[q]);
        QCOMPARE(int(ctx.buffer[k]), int(expected));
    }
}

void TestDigestUpdate::foldInPiecesGivesTheSameContext_data()
{
    QTest::addColumn<QList<int>>("pieces");
    QTest::newRow("bytes one by one") << QVector<int>(300, 1).toList();
    QTest::newRow("odd sizes") << QList<int>{7, 13, 64, 1, 99, 116};
    QTest::newRow("block aligned") << QList<int>{64, 128, 108};
    QTest::newRow("with empty pieces") << QList<int>{0, 150, 0, 150};
}

void TestDigestUpdate::foldInPiecesGivesTheSameContext()
{
    QFETCH(QList<int>, pieces);
    const QByteArray bytes = Pattern(300);
    Md5Context whole, split;
    Md5Init(&whole);
    Md5Init(&split);
    Feed(DigestModeFold, &whole, bytes);
    int at = 0;
    for (int n : pieces) {
        Feed(DigestModeFold, &split, bytes.mid(at, n));
        at += n;
    }
    QCOMPARE(at, bytes.size());
    QVERIFY(memcmp(&whole, &split, sizeof whole) == 0);
}

// With L bytes folded only positions q with q mod 64 < (L >> 3) mod 64 reach the digest.
void TestDigestUpdate::foldCountsOnlyBytesBelowTheIndex_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("changedAt");
    QTest::addColumn<bool>("digestChanges");
    QTest::newRow("L=100, position 5 (index 12)") << 100 << 5 << true;
    QTest::newRow("L=100, position 20") << 100 << 20 << false;
    QTest::newRow("L=100, position 75 (75 mod 64 = 11)") << 100 << 75 << true;
    QTest::newRow("L=5, index 0") << 5 << 0 << false;
    QTest::newRow("L=512, index 0") << 512 << 3 << false;
    QTest::newRow("L=500, index 62: two blocks") << 500 << 60 << true;
    QTest::newRow("L=500, position 62") << 500 << 62 << false;
}

void TestDigestUpdate::foldCountsOnlyBytesBelowTheIndex()
{
    QFETCH(int, length);
    QFETCH(int, changedAt);
    QFETCH(bool, digestChanges);
    const QByteArray original = Pattern(length);
    QByteArray changed = original;
    changed[changedAt] = static_cast<char>(changed[changedAt] ^ 0x5a);
    QCOMPARE(DigestHex(DigestModeFold, original) != DigestHex(DigestModeFold, changed), digestChanges);
    // Under MD5 every byte counts.
    QVERIFY(DigestHex(DigestModeMd5, original) != DigestHex(DigestModeMd5, changed));
}

void TestDigestUpdate::nonPositiveFoldLengthIsCountedButNotFolded()
{
    Md5Context ctx;
    Md5Init(&ctx);
    Feed(DigestModeFold, &ctx, Pattern(10));
    const unsigned char sentinel[4] = {1, 2, 3, 4};
    DigestUpdate(DigestModeFold, &ctx, sentinel, -3);
    QCOMPARE(ctx.count[0], 7u);
    QCOMPARE(ctx.count[1], 10u);
    QCOMPARE(int(ctx.buffer[0]), int(static_cast<unsigned char>(Pattern(10)[0])));
}

void TestDigestUpdate::unknownModeChangesNothing()
{
    Md5Context ctx;
    Md5Init(&ctx);
    Feed(2, &ctx, Pattern(100));
    Feed(-1, &ctx, Pattern(100));
    QCOMPARE(FinalHex(&ctx), QByteArray("d41d8cd98f00b204e9800998ecf8427e"));
}

void TestDigestUpdate::modeZeroIsMd5()
{
    QCOMPARE(DigestHex(DigestModeMd5, QByteArray("abc")), QByteArray("900150983cd24fb0d6963f7d28e17f72"));
    QVERIFY(DigestHex(DigestModeFold, QByteArray("abc")) != DigestHex(DigestModeMd5, QByteArray("abc")));
}

QTEST_GUILESS_MAIN(TestDigestUpdate)
#include "TestDigestUpdate.moc"
