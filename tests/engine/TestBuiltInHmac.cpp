// SPDX-License-Identifier: Apache-2.0
#include "engine/BuiltInHmac.h"

#include <QMessageAuthenticationCode>
#include <QtTest>

class TestBuiltInHmac : public QObject
{
    Q_OBJECT

private slots:
    void builtInKeyIsTheRecordersKey();
};

// The built-in key is the 22-byte text the recorders use; digests in stored evidence depend on it. Qt's
// HMAC-MD5 is the reference, made apart from ours.
void TestBuiltInHmac::builtInKeyIsTheRecordersKey()
{
    const QByteArray message = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    unsigned char mac[16];
    HmacMd5WithBuiltInKey(reinterpret_cast<const unsigned char*>(message.constData()), 16, mac);
    QCOMPARE(
        QByteArray(reinterpret_cast<const char*>(mac), 16).toHex(),
        QMessageAuthenticationCode::hash(message, "TrevalonQuorlithHmac01", QCryptographicHash::Md5).toHex());
}

QTEST_GUILESS_MAIN(TestBuiltInHmac)
#include "TestBuiltInHmac.moc"
