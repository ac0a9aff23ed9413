// SPDX-License-Identifier: Apache-2.0
#include "digest/HmacMd5.h"

#include <QtTest>

class TestHmacMd5 : public QObject
{
    Q_OBJECT

private slots:
    void rfc2202_data();
    void rfc2202();
};

static QByteArray Mac(const QByteArray& key, const QByteArray& message)
{
    unsigned char mac[16];
    HmacMd5(reinterpret_cast<const unsigned char*>(key.constData()), static_cast<size_t>(key.size()),
            reinterpret_cast<const unsigned char*>(message.constData()),
            static_cast<uint32_t>(message.size()), mac);
    return QByteArray(reinterpret_cast<const char*>(mac), 16).toHex();
}

// RFC 2202, section 2: HMAC-MD5 test cases 1 to 5 (keys of at most one block).
void TestHmacMd5::rfc2202_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("mac");
    QTest::newRow("case 1") << QByteArray(16, '\x0b') << QByteArray("Hi There")
                            << QByteArray("9294727a3638bb1c13f48ef8158bfc9d");
    QTest::newRow("case 2") << QByteArray("Jefe") << QByteArray("what do ya want for nothing?")
                            << QByteArray("750c783e6ab0b503eaa86e310a5db738");
    QTest::newRow("case 3") << QByteArray(16, '\xaa') << QByteArray(50, '\xdd')
                            << QByteArray("56be34521d144c88dbb8c733f0e8b3f6");
    QTest::newRow("case 4") << QByteArray::fromHex("0102030405060708090a0b0c0d0e0f10111213141516171819")
                            << QByteArray(50, '\xcd') << QByteArray("697eaf0aca3a3aea3a75164746ffaa79");
    QTest::newRow("case 5") << QByteArray(16, '\x0c') << QByteArray("Test With Truncation")
                            << QByteArray("56461ef2342edc00f9bab995690efd4c");
}

void TestHmacMd5::rfc2202()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, mac);
    QCOMPARE(Mac(key, message), mac);
}

QTEST_GUILESS_MAIN(TestHmacMd5)
#include "TestHmacMd5.moc"
