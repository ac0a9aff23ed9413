// SPDX-License-Identifier: Apache-2.0
#include "engine/WatermarkRecord.h"

#include <QtTest>

class TestWatermarkRecord : public QObject
{
    Q_OBJECT

private slots:
    void findValue_data();
    void findValue();
    void parseRecord_data();
    void parseRecord();
    void parseOverwritesEveryField();
};

void TestWatermarkRecord::findValue_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("plain") << QByteArray("A\r\nVersion: 1.0\r\n") << QByteArray("Version: ")
                           << QByteArray("1.0");
    QTest::newRow("empty key gives the first line")
        << QByteArray("Marker\r\nX") << QByteArray("") << QByteArray("Marker");
    QTest::newRow("missing key") << QByteArray("A\r\n") << QByteArray("HMAC: ") << QByteArray("");
    QTest::newRow("no CR LF after the key")
        << QByteArray("A\r\nHMAC: abc") << QByteArray("HMAC: ") << QByteArray("");
    QTest::newRow("empty value") << QByteArray("HMAC: \r\n") << QByteArray("HMAC: ") << QByteArray("");
    QTest::newRow("lone CR and LF stay in the value")
        << QByteArray("RCSerial: a\rb\nc\r\n") << QByteArray("RCSerial: ") << QByteArray("a\rb\nc");
    QTest::newRow("key inside another value wins")
        << QByteArray("StartTime: x Version: 9\r\nVersion: 1.0\r\n") << QByteArray("Version: ")
        << QByteArray("9");
    QTest::newRow("case-sensitive key")
        << QByteArray("version: 1.0\r\n") << QByteArray("Version: ") << QByteArray("");
    QTest::newRow("blanks are kept") << QByteArray("Version:  1.0 \r\n") << QByteArray("Version: ")
                                     << QByteArray(" 1.0 ");
    QTest::newRow("no blank after the colon")
        << QByteArray("Version:1.0\r\n") << QByteArray("Version: ") << QByteArray("");
}

void TestWatermarkRecord::findValue()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QCOMPARE(QByteArray::fromStdString(FindValue(text.toStdString(), key.toStdString())), value);
}

void TestWatermarkRecord::parseRecord_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArray>("rcSerial");
    const QByteArray lines = "Version: 1.1\r\nHMAC: 00ff\r\nStartTime: s\r\nEndTime: e\r\n"
                             "TimeSource: t\r\nRCSerial: r\r\nCamMAC: m\r\n";
    QTest::newRow("complete") << "Trevalon Digital Watermark\r\n" + lines << 0 << QByteArray("1.1")
                              << QByteArray("r");
    QTest::newRow("marker only") << QByteArray("Trevalon Digital Watermark\r\n") << 0 << QByteArray()
                                 << QByteArray();
    QTest::newRow("keys in another order")
        << QByteArray("Trevalon Digital Watermark\r\nRCSerial: r\r\nVersion: 1.1\r\n") << 0
        << QByteArray("1.1") << QByteArray("r");
    QTest::newRow("marker with trailing blank")
        << "Trevalon Digital Watermark \r\n" + lines << -1 << QByteArray("1.1") << QByteArray("r");
    QTest::newRow("marker in other case")
        << "trevalon digital watermark\r\n" + lines << -1 << QByteArray("1.1") << QByteArray("r");
    QTest::newRow("marker ended by LF alone") << QByteArray("Trevalon Digital Watermark\nVersion: 1.1\r\n")
                                              << -1 << QByteArray("1.1") << QByteArray();
    QTest::newRow("LF-only lines leave every field empty")
        << QByteArray("Trevalon Digital Watermark\nVersion: 1.1\nRCSerial: r\n") << -1 << QByteArray()
        << QByteArray();
    QTest::newRow("empty text") << QByteArray() << -1 << QByteArray() << QByteArray();
    QTest::newRow("last line without CR LF")
        << QByteArray("Trevalon Digital Watermark\r\nVersion: 1.0\r\nRCSerial: r") << 0 << QByteArray("1.0")
        << QByteArray();
}

void TestWatermarkRecord::parseRecord()
{
    QFETCH(QByteArray, text);
    QFETCH(int, result);
    QFETCH(QByteArray, version);
    QFETCH(QByteArray, rcSerial);
    WatermarkRecord record;
    QCOMPARE(ParseRecord(&record, text.toStdString()), result);
    QCOMPARE(QByteArray::fromStdString(record.Version), version);
    QCOMPARE(QByteArray::fromStdString(record.RCSerial), rcSerial);
}

void TestWatermarkRecord::parseOverwritesEveryField()
{
    WatermarkRecord record;
    QCOMPARE(ParseRecord(&record, "Trevalon Digital Watermark\r\nVersion: 1.0\r\nHMAC: h\r\nStartTime: s\r\n"
                                  "EndTime: e\r\nTimeSource: t\r\nRCSerial: r\r\nCamMAC: m\r\n"),
             0);
    QCOMPARE(QByteArray::fromStdString(record.Marker), QByteArray("Trevalon Digital Watermark"));
    QCOMPARE(QByteArray::fromStdString(record.HMAC + record.StartTime + record.EndTime + record.TimeSource +
                                       record.CamMAC),
             QByteArray("hsetm"));
    QCOMPARE(ParseRecord(&record, "Other\r\n"), -1);
    for (const std::string* field : {&record.Version, &record.HMAC, &record.StartTime, &record.EndTime,
                                     &record.TimeSource, &record.RCSerial, &record.CamMAC})
        QVERIFY(field->empty());
    QCOMPARE(QByteArray::fromStdString(record.Marker), QByteArray("Other"));
}

QTEST_GUILESS_MAIN(TestWatermarkRecord)
#include "TestWatermarkRecord.moc"
