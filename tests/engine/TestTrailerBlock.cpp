// SPDX-License-Identifier: Apache-2.0
#include "engine/BuiltInKeys.h"
#include "engine/TrailerBlock.h"

#include "TestKey.h"

#include <QtTest>

class TestTrailerBlock : public QObject
{
    Q_OBJECT

private slots:
    void builtInModulusIsTheTestKey();
    void opens_data();
    void opens();
    void rejects_data();
    void rejects();
    void bytesAfterTheRsaBlockDoNotMatter();
    void keysOutsideTheBlockSizeAreRefused_data();
    void keysOutsideTheBlockSizeAreRefused();
};

namespace {

// 00 02, the padding, 00, the plaintext: 256 bytes.
QByteArray Encoded(const QByteArray& plaintext, char paddingByte = '\x5a')
{
    QByteArray em("\x00\x02", 2);
    em.append(QByteArray(256 - 3 - plaintext.size(), paddingByte));
    em.append('\0');
    em.append(plaintext);
    return em;
}

QByteArray Block(const QByteArray& rsaPart, char filler = '\x11')
{
    return rsaPart + QByteArray(512 - rsaPart.size(), filler);
}

int Open(const QByteArray& block, QByteArray* plaintext)
{
    unsigned char out[kMaxPlaintextSize];
    size_t length = 99;
    const int ret = OpenTrailer(reinterpret_cast<const unsigned char*>(block.constData()), out, &length);
    *plaintext = QByteArray(reinterpret_cast<const char*>(out), static_cast<int>(length));
    return ret;
}

} // namespace

void TestTrailerBlock::builtInModulusIsTheTestKey()
{
    QCOMPARE(QByteArray(kRecorderModulusHex).size(), 512);
    QCOMPARE(QByteArray(kRecorderModulusHex), TestKeyModulus().toHex().toUpper());
}

void TestTrailerBlock::opens_data()
{
    QTest::addColumn<QByteArray>("encoded");
    QTest::addColumn<QByteArray>("plaintext");
    const QByteArray record("Trevalon Digital Watermark\r\nVersion: 1.0\r\n");
    QTest::newRow("padded record") << Encoded(record) << record;
    QByteArray noPadding("\x00\x02\x00", 3);
    noPadding.append(QByteArray(253, 'x'));
    QTest::newRow("no padding bytes at all") << noPadding << QByteArray(253, 'x');
    QByteArray separatorLast("\x00\x02", 2);
    separatorLast.append(QByteArray(253, '\x7f'));
    separatorLast.append('\0');
    QTest::newRow("separator in the last byte") << separatorLast << QByteArray();
    QTest::newRow("zero inside the plaintext is kept")
        << Encoded(QByteArray("ab\0cd", 5)) << QByteArray("ab\0cd", 5);
}

void TestTrailerBlock::opens()
{
    QFETCH(QByteArray, encoded);
    QFETCH(QByteArray, plaintext);
    const QByteArray sealed = SealWithTestKey(encoded);
    QCOMPARE(sealed.size(), 256);
    QByteArray opened;
    QCOMPARE(Open(Block(sealed), &opened), 0);
    QCOMPARE(opened, plaintext);
}

void TestTrailerBlock::rejects_data()
{
    QTest::addColumn<QByteArray>("rsaPart");
    QTest::newRow("all zero: m = 0") << QByteArray(256, '\0');
    QTest::newRow("equal to the modulus") << TestKeyModulus();
    QTest::newRow("all 0xff: above the modulus") << QByteArray(256, '\xff');
    QByteArray typeOne = Encoded("text");
    typeOne[1] = '\x01';
    QTest::newRow("block type 1") << SealWithTestKey(typeOne);
    QByteArray leadingOne = Encoded("text");
    leadingOne[0] = '\x01';
    QTest::newRow("first byte not zero") << SealWithTestKey(leadingOne);
    QByteArray noSeparator("\x00\x02", 2);
    noSeparator.append(QByteArray(254, '\x33'));
    QTest::newRow("no separator") << SealWithTestKey(noSeparator);
}

void TestTrailerBlock::rejects()
{
    QFETCH(QByteArray, rsaPart);
    QCOMPARE(rsaPart.size(), 256);
    QByteArray opened("stale");
    QVERIFY(Open(Block(rsaPart), &opened) != 0);
    QVERIFY(opened.isEmpty());
}

void TestTrailerBlock::bytesAfterTheRsaBlockDoNotMatter()
{
    const QByteArray sealed = SealWithTestKey(Encoded("payload"));
    QByteArray first, second;
    QCOMPARE(Open(Block(sealed, '\0'), &first), 0);
    QCOMPARE(Open(Block(sealed, '\xff'), &second), 0);
    QCOMPARE(first, QByteArray("payload"));
    QCOMPARE(second, first);
    QVERIFY(Open(Block(QByteArray(256, '\0'), '\x02'), &first) != 0);
}

void TestTrailerBlock::keysOutsideTheBlockSizeAreRefused_data()
{
    QTest::addColumn<QByteArray>("modulusHex");
    QTest::newRow("15 bytes") << QByteArray("F").repeated(30);
    QTest::newRow("513 bytes, larger than the block") << QByteArray("F").repeated(1026);
    QTest::newRow("even modulus") << QByteArray("F").repeated(511) + "E";
    QTest::newRow("not hexadecimal") << QByteArray("XYZ");
}

void TestTrailerBlock::keysOutsideTheBlockSizeAreRefused()
{
    QFETCH(QByteArray, modulusHex);
    const QByteArray block(512, '\x01');
    unsigned char out[kMaxPlaintextSize];
    size_t length = 7;
    QVERIFY(OpenTrailerWithKey(modulusHex.constData(), "010001",
                               reinterpret_cast<const unsigned char*>(block.constData()), out, &length) != 0);
    QCOMPARE(length, size_t(0));
}

QTEST_GUILESS_MAIN(TestTrailerBlock)
#include "TestTrailerBlock.moc"
