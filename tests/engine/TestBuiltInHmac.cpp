// SPDX-License-Identifier: Apache-2.0
#include "digest/HmacMd5.h"
#include "engine/BuiltInHmac.h"

#include <QtTest>

class TestBuiltInHmac : public QObject
{
    Q_OBJECT

private slots:
    void builtInKeyIsTheRecordersKey();
};

static QByteArray Mac(const QByteArray& key, const QByteArray& message)
{
    unsigned char mac[16];
    HmacMd5(reinterpret_cast<const unsigned char*>(key.constData()), static_cast<size_t>(key.size()),
            reinterpret_cast<const unsigned char*>(message.constData()),
            static_cast<uint32_t>(message.size()), mac);
    return QByteArray(reinterpret_cast<const char*>(mac), 16).toHex();
}

// The built-in key is the 22-byte text the recorders use; digests in stored evidence depend on it.
void TestBuiltInHmac::builtInKeyIsTheRecordersKey()
{
    const QByteArray message = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    unsigned char mac[16];
    HmacMd5WithBuiltInKey(reinterpret_cast<const unsigned char*>(message.constData()), 16, mac);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(mac), 16).toHex(),
             Mac(QByteArray("TrevalonQuorlithHmac01"), message));
}

QTEST_GUILESS_MAIN(TestBuiltInHmac)
#include "TestBuiltInHmac.moc"
