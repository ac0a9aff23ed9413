// SPDX-License-Identifier: Apache-2.0
#include "verdict/TextEscaping.h"

#include <QtTest>

class TestTextEscaping : public QObject
{
    Q_OBJECT

private slots:
    void escaping_data();
    void escaping();
};

void TestTextEscaping::escaping_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QByteArray>("display");

    QTest::newRow("plain") << QByteArray("clip.mp4") << QByteArray("\"clip.mp4\"") << QByteArray("clip.mp4")
                           << QByteArray("clip.mp4");
    // RFC 4180, 2.6 and 2.7: fields with commas or quotes are quoted, inner quotes doubled.
    QTest::newRow("comma and quote") << QByteArray("a, \"b\".jpg") << QByteArray("\"a, \\\"b\\\".jpg\"")
                                     << QByteArray("\"a, \"\"b\"\".jpg\"") << QByteArray("a, \"b\".jpg");
    QTest::newRow("non-ASCII letters") << QByteArray("\xc3\x86r\xc3\xb8 \xe6\x9d\xb1.avi")
                                       << QByteArray("\"\xc3\x86r\xc3\xb8 \xe6\x9d\xb1.avi\"")
                                       << QByteArray("\xc3\x86r\xc3\xb8 \xe6\x9d\xb1.avi")
                                       << QByteArray("\xc3\x86r\xc3\xb8 \xe6\x9d\xb1.avi");
    QTest::newRow("four-byte letter")
        << QByteArray("\xf0\x9f\x93\xb7.jpg") << QByteArray("\"\xf0\x9f\x93\xb7.jpg\"")
        << QByteArray("\xf0\x9f\x93\xb7.jpg") << QByteArray("\xf0\x9f\x93\xb7.jpg");
    // RFC 8259, 7: control characters must be escaped; RFC 4180 2.6: line breaks are quoted.
    QTest::newRow("newline and tab") << QByteArray("a\nb\tc") << QByteArray("\"a\\nb\\tc\"")
                                     << QByteArray("\"a\nb\tc\"") << QByteArray("a\\x0Ab\\x09c");
    QTest::newRow("CR LF in a record value") << QByteArray("x\r\ny") << QByteArray("\"x\\r\\ny\"")
                                             << QByteArray("\"x\r\ny\"") << QByteArray("x\\x0D\\x0Ay");
    QTest::newRow("other control and backslash") << QByteArray("\x01\\") << QByteArray("\"\\u0001\\\\\"")
                                                 << QByteArray("\x01\\") << QByteArray("\\x01\\");
    // RFC 3629, 3 and 10: bytes outside a valid sequence, overlong forms, surrogates and
    // truncated sequences are not UTF-8.
    QTest::newRow("Latin-1 name") << QByteArray("caf\xe9.jpg") << QByteArray("\"caf\\\\xE9.jpg\"")
                                  << QByteArray("caf\\xE9.jpg") << QByteArray("caf\\xE9.jpg");
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << QByteArray("\"\\\\xC0\\\\xAF\"")
                                    << QByteArray("\\xC0\\xAF") << QByteArray("\\xC0\\xAF");
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << QByteArray("\"\\\\xED\\\\xA0\\\\x80\"")
                               << QByteArray("\\xED\\xA0\\x80") << QByteArray("\\xED\\xA0\\x80");
    QTest::newRow("truncated at the end") << QByteArray("a\xe2\x82") << QByteArray("\"a\\\\xE2\\\\x82\"")
                                          << QByteArray("a\\xE2\\x82") << QByteArray("a\\xE2\\x82");
    QTest::newRow("above U+10FFFF") << QByteArray("\xf4\x90\x80\x80")
                                    << QByteArray("\"\\\\xF4\\\\x90\\\\x80\\\\x80\"")
                                    << QByteArray("\\xF4\\x90\\x80\\x80")
                                    << QByteArray("\\xF4\\x90\\x80\\x80");
    QTest::newRow("empty") << QByteArray() << QByteArray("\"\"") << QByteArray() << QByteArray();
}

void TestTextEscaping::escaping()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, json);
    QFETCH(QByteArray, csv);
    QFETCH(QByteArray, display);
    const std::string input = bytes.toStdString();
    QCOMPARE(QByteArray::fromStdString(JsonString(input)), json);
    QCOMPARE(QByteArray::fromStdString(CsvField(input)), csv);
    QCOMPARE(QByteArray::fromStdString(ToDisplayText(input)), display);

    // Whatever came in, what goes out is text that a strict JSON reader takes back.
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson("[" + json + "]", &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(document.array().at(0).toString().toUtf8(), QByteArray::fromStdString(ToValidUtf8(input)));
}

QTEST_GUILESS_MAIN(TestTextEscaping)
#include "TestTextEscaping.moc"
