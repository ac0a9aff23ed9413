// SPDX-License-Identifier: Apache-2.0
#include "digest/Md5.h"

#include <QtTest>

class TestMd5 : public QObject
{
    Q_OBJECT

private slots:
    void rfc1321Suite_data();
    void rfc1321Suite();
    void paddingAtTheBlockBoundary_data();
    void paddingAtTheBlockBoundary();
    void bitCountCarriesIntoTheHighWord_data();
    void bitCountCarriesIntoTheHighWord();
    void anySplitGivesTheSameDigest_data();
    void anySplitGivesTheSameDigest();
    void finalWipesTheContext();
};

static QByteArray Md5Hex(const QByteArray& message, int pieceSize)
{
    Md5Context ctx;
    Md5Init(&ctx);
    for (int at = 0; at < message.size(); at += pieceSize) {
        const int n = qMin(pieceSize, message.size() - at);
        Md5Update(&ctx, reinterpret_cast<const unsigned char*>(message.constData()) + at,
                  static_cast<uint32_t>(n));
    }
    unsigned char digest[16];
    Md5Final(&ctx, digest);
    return QByteArray(reinterpret_cast<const char*>(digest), 16).toHex();
}

// RFC 1321, appendix A.5 test suite.
void TestMd5::rfc1321Suite_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("digest");
    QTest::newRow("empty") << QByteArray("") << QByteArray("d41d8cd98f00b204e9800998ecf8427e");
    QTest::newRow("a") << QByteArray("a") << QByteArray("0cc175b9c0f1b6a831c399e269772661");
    QTest::newRow("abc") << QByteArray("abc") << QByteArray("900150983cd24fb0d6963f7d28e17f72");
    QTest::newRow("message digest") << QByteArray("message digest")
                                    << QByteArray("f96b697d7cb7938d525a2f31aaf161d0");
    QTest::newRow("alphabet") << QByteArray("abcdefghijklmnopqrstuvwxyz")
                              << QByteArray("c3fcd3d76192e4007dfb496cca67e13b");
    QTest::newRow("alphanumeric") << QByteArray(
                                         "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789")
                                  << QByteArray("d174ab98d277d9f5a5611c2c9f419d9f");
    QTest::newRow("digits x8") << QByteArray("1234567890").repeated(8)
                               << QByteArray("57edf4a22be3c955ac49da2e2107b67a");
}

void TestMd5::rfc1321Suite()
{
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, digest);
    QCOMPARE(Md5Hex(message, qMax(1, message.size())), digest);
}

// The RFC suite has no message of 56 bytes modulo 64, where the padding no longer fits beside the
// length and needs a block of its own. Digests from md5sum over the same bytes.
void TestMd5::paddingAtTheBlockBoundary_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("digest");
    QTest::newRow("55: padding and length fill one block")
        << 55 << QByteArray("ef1772b6dff9a122358552954ad0df65");
    QTest::newRow("56: a block for the length alone") << 56 << QByteArray("3b0c8ac703f828b04c6c197006d17218");
    QTest::newRow("120: the same in the second block")
        << 120 << QByteArray("5f61c0ccad4cac44c75ff505e1f1e537");
}

void TestMd5::paddingAtTheBlockBoundary()
{
    QFETCH(int, length);
    QFETCH(QByteArray, digest);
    QCOMPARE(Md5Hex(QByteArray(length, 'a'), length), digest);
}

// The bit count's low word runs over after 2^29 bytes; without the carry into the high word every
// content of 512 MiB or more would hash wrong. Set up just below the overflow instead of fed 2^29 bytes.
void TestMd5::bitCountCarriesIntoTheHighWord_data()
{
    QTest::addColumn<quint32>("low");
    QTest::addColumn<quint32>("high");
    QTest::addColumn<int>("length");
    QTest::addColumn<quint32>("lowAfter");
    QTest::addColumn<quint32>("highAfter");
    QTest::newRow("one byte short of 2^29 bytes, plus one") << 0xFFFFFFF8u << 0u << 1 << 0u << 1u;
    QTest::newRow("past it with a high word already set") << 0xFFFFFFF8u << 7u << 3 << 0x10u << 8u;
    QTest::newRow("two bytes short, plus one: no carry yet") << 0xFFFFFFF0u << 0u << 1 << 0xFFFFFFF8u << 0u;
}

void TestMd5::bitCountCarriesIntoTheHighWord()
{
    QFETCH(quint32, low);
    QFETCH(quint32, high);
    QFETCH(int, length);
    QFETCH(quint32, lowAfter);
    QFETCH(quint32, highAfter);
    Md5Context ctx;
    Md5Init(&ctx);
    ctx.count[0] = low;
    ctx.count[1] = high;
    const QByteArray bytes(length, 'x');
    Md5Update(&ctx, reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<uint32_t>(length));
    QCOMPARE(ctx.count[0], lowAfter);
    QCOMPARE(ctx.count[1], highAfter);
}

// Splits that cross the 56-byte padding boundary and the 64-byte block boundary.
void TestMd5::anySplitGivesTheSameDigest_data()
{
    QTest::addColumn<int>("pieceSize");
    for (int size : {1, 3, 55, 56, 63, 64, 65, 127, 1000})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void TestMd5::anySplitGivesTheSameDigest()
{
    QFETCH(int, pieceSize);
    QByteArray message;
    for (int i = 0; i < 1000; ++i)
        message.append(static_cast<char>(i * 7 + 3));
    QCOMPARE(Md5Hex(message, pieceSize), Md5Hex(message, message.size()));
}

void TestMd5::finalWipesTheContext()
{
    Md5Context ctx;
    Md5Init(&ctx);
    Md5Update(&ctx, reinterpret_cast<const unsigned char*>("abc"), 3);
    unsigned char digest[16];
    Md5Final(&ctx, digest);
    const Md5Context zero = {};
    QVERIFY(memcmp(&ctx, &zero, sizeof ctx) == 0);
}

QTEST_GUILESS_MAIN(TestMd5)
#include "TestMd5.moc"
