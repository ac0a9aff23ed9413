// SPDX-License-Identifier: Apache-2.0
#include "tests/support/ReversibleText.h"
#include "verdict/TextEscaping.h"

#include <QtTest>

class TestTextEscaping : public QObject
{
    Q_OBJECT

private slots:
    void escaping_data();
    void escaping();
    void everySpaceButU0020IsEscaped();
    void base64_data();
    void base64();
};

void TestTextEscaping::escaping_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("reversible");

    QTest::newRow("plain") << QByteArray("clip.mp4") << QByteArray("\"clip.mp4\"") << QByteArray("clip.mp4")
                           << QByteArray("clip.mp4") << QByteArray("clip.mp4");
    // RFC 4180, 2.6 and 2.7: fields with commas or quotes are quoted, inner quotes doubled.
    QTest::newRow("comma and quote") << QByteArray("a, \"b\".jpg") << QByteArray("\"a, \\\"b\\\".jpg\"")
                                     << QByteArray("\"a, \"\"b\"\".jpg\"") << QByteArray("a, \"b\".jpg")
                                     << QByteArray("a, \"b\".jpg");
    QTest::newRow("non-ASCII letters") << QByteArray("\xc3\x86r\xc3\xb8 \xe6\x9d\xb1.avi")
                                       << QByteArray("\"\xc3\x86r\xc3\xb8 \xe6\x9d\xb1.avi\"")
                                       << QByteArray("\xc3\x86r\xc3\xb8 \xe6\x9d\xb1.avi")
                                       << QByteArray("\xc3\x86r\xc3\xb8 \xe6\x9d\xb1.avi")
                                       << QByteArray("\xc3\x86r\xc3\xb8 \xe6\x9d\xb1.avi");
    QTest::newRow("four-byte letter")
        << QByteArray("\xf0\x9f\x93\xb7.jpg") << QByteArray("\"\xf0\x9f\x93\xb7.jpg\"")
        << QByteArray("\xf0\x9f\x93\xb7.jpg") << QByteArray("\xf0\x9f\x93\xb7.jpg")
        << QByteArray("\xf0\x9f\x93\xb7.jpg");
    // RFC 8259, 7: control characters must be escaped. CSV writes them as \xNN too, so that no
    // control byte reaches a spreadsheet or a terminal raw.
    QTest::newRow("newline and tab") << QByteArray("a\nb\tc") << QByteArray("\"a\\nb\\tc\"")
                                     << QByteArray("a\\x0Ab\\x09c") << QByteArray("a\\x0Ab\\x09c")
                                     << QByteArray("a\\x0Ab\\x09c");
    QTest::newRow("CR LF in a record value")
        << QByteArray("x\r\ny") << QByteArray("\"x\\r\\ny\"") << QByteArray("x\\x0D\\x0Ay")
        << QByteArray("x\\x0D\\x0Ay") << QByteArray("x\\x0D\\x0Ay");
    QTest::newRow("other control and backslash")
        << QByteArray("\x01\\") << QByteArray("\"\\u0001\\\\\"") << QByteArray("\\x01\\\\")
        << QByteArray("\\x01\\") << QByteArray("\\x01\\\\");
    QTest::newRow("terminal escape sequence and DEL")
        << QByteArray("\x1b[2Jx\x7f.jpg") << QByteArray("\"\\u001b[2Jx\\u007f.jpg\"")
        << QByteArray("\\x1B[2Jx\\x7F.jpg") << QByteArray("\\x1B[2Jx\\x7F.jpg")
        << QByteArray("\\x1B[2Jx\\x7F.jpg");
    QTest::newRow("NUL in a record value")
        << QByteArray("a\0b", 3) << QByteArray("\"a\\u0000b\"") << QByteArray("a\\x00b")
        << QByteArray("a\\x00b") << QByteArray("a\\x00b");
    // Two names that the display form shows alike, and the reversible form keeps apart.
    QTest::newRow("a name that spells a newline")
        << QByteArray("n\\x0Al.jpg") << QByteArray("\"n\\\\x0Al.jpg\"") << QByteArray("n\\\\x0Al.jpg")
        << QByteArray("n\\x0Al.jpg") << QByteArray("n\\\\x0Al.jpg");
    QTest::newRow("a name with a newline")
        << QByteArray("n\nl.jpg") << QByteArray("\"n\\nl.jpg\"") << QByteArray("n\\x0Al.jpg")
        << QByteArray("n\\x0Al.jpg") << QByteArray("n\\x0Al.jpg");
    // RFC 3629, 3 and 10: bytes outside a valid sequence, overlong forms, surrogates and
    // truncated sequences are not UTF-8.
    QTest::newRow("Latin-1 name") << QByteArray("caf\xe9.jpg") << QByteArray("\"caf\\\\xE9.jpg\"")
                                  << QByteArray("caf\\xE9.jpg") << QByteArray("caf\\xE9.jpg")
                                  << QByteArray("caf\\xE9.jpg");
    QTest::newRow("a name that spells byte FF")
        << QByteArray("u\\xFF.jpg") << QByteArray("\"u\\\\xFF.jpg\"") << QByteArray("u\\\\xFF.jpg")
        << QByteArray("u\\xFF.jpg") << QByteArray("u\\\\xFF.jpg");
    QTest::newRow("a name with byte FF")
        << QByteArray("u\xff.jpg") << QByteArray("\"u\\\\xFF.jpg\"") << QByteArray("u\\xFF.jpg")
        << QByteArray("u\\xFF.jpg") << QByteArray("u\\xFF.jpg");
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << QByteArray("\"\\\\xC0\\\\xAF\"")
                                    << QByteArray("\\xC0\\xAF") << QByteArray("\\xC0\\xAF")
                                    << QByteArray("\\xC0\\xAF");
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << QByteArray("\"\\\\xED\\\\xA0\\\\x80\"")
                               << QByteArray("\\xED\\xA0\\x80") << QByteArray("\\xED\\xA0\\x80")
                               << QByteArray("\\xED\\xA0\\x80");
    QTest::newRow("truncated at the end")
        << QByteArray("a\xe2\x82") << QByteArray("\"a\\\\xE2\\\\x82\"") << QByteArray("a\\xE2\\x82")
        << QByteArray("a\\xE2\\x82") << QByteArray("a\\xE2\\x82");
    QTest::newRow("above U+10FFFF") << QByteArray("\xf4\x90\x80\x80")
                                    << QByteArray("\"\\\\xF4\\\\x90\\\\x80\\\\x80\"")
                                    << QByteArray("\\xF4\\x90\\x80\\x80")
                                    << QByteArray("\\xF4\\x90\\x80\\x80")
                                    << QByteArray("\\xF4\\x90\\x80\\x80");
    // OWASP, CSV Injection: a cell starting with = + - or @ is a formula to a spreadsheet. The "'"
    // in front makes it text; a cell already starting with "'" gets one too, so that a reader
    // always drops exactly one.
    QTest::newRow("formula") << QByteArray("=HYPERLINK(\"http://x\",\"y\").jpg")
                             << QByteArray("\"=HYPERLINK(\\\"http://x\\\",\\\"y\\\").jpg\"")
                             << QByteArray("\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\").jpg\"")
                             << QByteArray("=HYPERLINK(\"http://x\",\"y\").jpg")
                             << QByteArray("=HYPERLINK(\"http://x\",\"y\").jpg");
    QTest::newRow("plus") << QByteArray("+1.jpg") << QByteArray("\"+1.jpg\"") << QByteArray("\"'+1.jpg\"")
                          << QByteArray("+1.jpg") << QByteArray("+1.jpg");
    QTest::newRow("minus alone") << QByteArray("-") << QByteArray("\"-\"") << QByteArray("\"'-\"")
                                 << QByteArray("-") << QByteArray("-");
    QTest::newRow("at sign") << QByteArray("@SUM(1+1)") << QByteArray("\"@SUM(1+1)\"")
                             << QByteArray("\"'@SUM(1+1)\"") << QByteArray("@SUM(1+1)")
                             << QByteArray("@SUM(1+1)");
    QTest::newRow("apostrophe") << QByteArray("'a'.jpg") << QByteArray("\"'a'.jpg\"")
                                << QByteArray("\"''a'.jpg\"") << QByteArray("'a'.jpg")
                                << QByteArray("'a'.jpg");
    QTest::newRow("formula character further in")
        << QByteArray("a=b+c-d@e.jpg") << QByteArray("\"a=b+c-d@e.jpg\"") << QByteArray("a=b+c-d@e.jpg")
        << QByteArray("a=b+c-d@e.jpg") << QByteArray("a=b+c-d@e.jpg");
    QTest::newRow("tab before a formula")
        << QByteArray("\t=1") << QByteArray("\"\\t=1\"") << QByteArray("\\x09=1") << QByteArray("\\x09=1")
        << QByteArray("\\x09=1");
    // Characters that show nothing or change how the text around them is shown: a right-to-left
    // override makes the first name read "photo4pm.jpg", a zero-width space makes the second read
    // "zw.jpg", a line separator breaks a line, a C1 control acts on a terminal. JSON writes them as its
    // own escapes, the other forms as \u{XXXX}.
    QTest::newRow("right-to-left override")
        << QByteArray("photo\xe2\x80\xaegpj.mp4") << QByteArray("\"photo\\u202egpj.mp4\"")
        << QByteArray("photo\\u{202E}gpj.mp4") << QByteArray("photo\\u{202E}gpj.mp4")
        << QByteArray("photo\\u{202E}gpj.mp4");
    QTest::newRow("zero-width space")
        << QByteArray("zw\xe2\x80\x8b.jpg") << QByteArray("\"zw\\u200b.jpg\"")
        << QByteArray("zw\\u{200B}.jpg") << QByteArray("zw\\u{200B}.jpg") << QByteArray("zw\\u{200B}.jpg");
    QTest::newRow("line separator") << QByteArray("a\xe2\x80\xa8"
                                                  "b.jpg")
                                    << QByteArray("\"a\\u2028b.jpg\"") << QByteArray("a\\u{2028}b.jpg")
                                    << QByteArray("a\\u{2028}b.jpg") << QByteArray("a\\u{2028}b.jpg");
    QTest::newRow("C1 next line") << QByteArray("n\xc2\x85l.jpg") << QByteArray("\"n\\u0085l.jpg\"")
                                  << QByteArray("n\\u{0085}l.jpg") << QByteArray("n\\u{0085}l.jpg")
                                  << QByteArray("n\\u{0085}l.jpg");
    QTest::newRow("byte order mark before a formula")
        << QByteArray("\xef\xbb\xbf=1") << QByteArray("\"\\ufeff=1\"") << QByteArray("\\u{FEFF}=1")
        << QByteArray("\\u{FEFF}=1") << QByteArray("\\u{FEFF}=1");
    // U+0080, U+009F, U+061C, U+200B, U+200F, U+2028, U+2029, U+202A, U+202E, U+2060, U+2064, U+2066,
    // U+2069, U+FEFF: the first and last of the ranges of controls and zero-width characters.
    QTest::newRow("ends of the ranges")
        << QByteArray("\xc2\x80\xc2\x9f\xd8\x9c\xe2\x80\x8b\xe2\x80\x8f\xe2\x80\xa8\xe2\x80\xa9\xe2\x80\xaa"
                      "\xe2\x80\xae\xe2\x81\xa0\xe2\x81\xa4\xe2\x81\xa6\xe2\x81\xa9\xef\xbb\xbf")
        << QByteArray("\"\\u0080\\u009f\\u061c\\u200b\\u200f\\u2028\\u2029\\u202a\\u202e\\u2060\\u2064"
                      "\\u2066\\u2069\\ufeff\"")
        << QByteArray("\\u{0080}\\u{009F}\\u{061C}\\u{200B}\\u{200F}\\u{2028}\\u{2029}\\u{202A}\\u{202E}"
                      "\\u{2060}\\u{2064}\\u{2066}\\u{2069}\\u{FEFF}")
        << QByteArray("\\u{0080}\\u{009F}\\u{061C}\\u{200B}\\u{200F}\\u{2028}\\u{2029}\\u{202A}\\u{202E}"
                      "\\u{2060}\\u{2064}\\u{2066}\\u{2069}\\u{FEFF}")
        << QByteArray("\\u{0080}\\u{009F}\\u{061C}\\u{200B}\\u{200F}\\u{2028}\\u{2029}\\u{202A}\\u{202E}"
                      "\\u{2060}\\u{2064}\\u{2066}\\u{2069}\\u{FEFF}");
    // Ignorable characters that print as nothing: the soft hyphen, a Hangul filler, a Mongolian free
    // variation selector, a deprecated format character, a variation selector, and a tag character
    // beyond U+FFFF, which JSON writes as a surrogate pair.
    QTest::newRow("ignorable by default")
        << QByteArray("a\xc2\xad\xe3\x85\xa4\xe1\xa0\x8b\xe2\x81\xaf\xef\xb8\x8f\xf3\xa0\x80\x81.jpg")
        << QByteArray("\"a\\u00ad\\u3164\\u180b\\u206f\\ufe0f\\udb40\\udc01.jpg\"")
        << QByteArray("a\\u{00AD}\\u{3164}\\u{180B}\\u{206F}\\u{FE0F}\\u{E0001}.jpg")
        << QByteArray("a\\u{00AD}\\u{3164}\\u{180B}\\u{206F}\\u{FE0F}\\u{E0001}.jpg")
        << QByteArray("a\\u{00AD}\\u{3164}\\u{180B}\\u{206F}\\u{FE0F}\\u{E0001}.jpg");
    // U+00A1, U+00AE, U+061B, U+2010, U+2027, U+2030, U+2070, U+3165, U+FEFE, next to the ranges, are
    // shown as they are.
    const QByteArray besideTheRanges("\xc2\xa1\xc2\xae\xd8\x9b\xe2\x80\x90\xe2\x80\xa7\xe2\x80\xb0"
                                     "\xe2\x81\xb0\xe3\x85\xa5\xef\xbb\xbe");
    QTest::newRow("beside the ranges") << besideTheRanges << "\"" + besideTheRanges + "\"" << besideTheRanges
                                       << besideTheRanges << besideTheRanges;
    // A no-break, thin or ideographic space prints as a plain space would: "a b.jpg" and "a" U+00A0
    // "b.jpg" must not read alike. JSON keeps them as text, which its reader takes back exactly.
    QTest::newRow("spaces other than U+0020")
        << QByteArray("a b\xc2\xa0"
                      "c\xe2\x80\x8a"
                      "d\xe2\x80\xaf"
                      "e\xe3\x80\x80"
                      "f.jpg")
        << QByteArray("\"a b\xc2\xa0"
                      "c\xe2\x80\x8a"
                      "d\xe2\x80\xaf"
                      "e\xe3\x80\x80"
                      "f.jpg\"")
        << QByteArray("a b\\u{00A0}c\\u{200A}d\\u{202F}e\\u{3000}f.jpg")
        << QByteArray("a b\\u{00A0}c\\u{200A}d\\u{202F}e\\u{3000}f.jpg")
        << QByteArray("a b\\u{00A0}c\\u{200A}d\\u{202F}e\\u{3000}f.jpg");
    // A name that spells the escape of a zero-width space reads apart from the name holding one.
    QTest::newRow("a name that spells U+200B")
        << QByteArray("zw\\u{200B}.jpg") << QByteArray("\"zw\\\\u{200B}.jpg\"")
        << QByteArray("zw\\\\u{200B}.jpg") << QByteArray("zw\\u{200B}.jpg")
        << QByteArray("zw\\\\u{200B}.jpg");
    QTest::newRow("a backslash before an unfinished escape")
        << QByteArray("a\\u{20") << QByteArray("\"a\\\\u{20\"") << QByteArray("a\\\\u{20")
        << QByteArray("a\\u{20") << QByteArray("a\\\\u{20");
    QTest::newRow("empty") << QByteArray() << QByteArray("\"\"") << QByteArray() << QByteArray()
                           << QByteArray();
}

void TestTextEscaping::escaping()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, json);
    QFETCH(QByteArray, csv);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, reversible);
    const std::string input = bytes.toStdString();
    QCOMPARE(QByteArray::fromStdString(JsonString(input)), json);
    QCOMPARE(QByteArray::fromStdString(CsvField(input)), csv);
    QCOMPARE(QByteArray::fromStdString(ToDisplayText(input)), display);
    QCOMPARE(QByteArray::fromStdString(ToReversibleText(input)), reversible);

    // Whatever came in, what goes out is text that a strict JSON reader takes back.
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson("[" + json + "]", &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(document.array().at(0).toString().toUtf8(), QByteArray::fromStdString(ToValidUtf8(input)));

    // The reversible form is valid UTF-8 without a control character, and gives the bytes back.
    QCOMPARE(QString::fromUtf8(reversible).toUtf8(), reversible);
    for (const char c : reversible)
        QVERIFY(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    // Nor a character that shows nothing or reorders the text: Unicode's format characters, the C1
    // controls and the line and paragraph separators, in these rows' names.
    for (const QString& text : {QString::fromUtf8(reversible), QString::fromUtf8(json)}) {
        for (const QChar c : text) {
            const QChar::Category category = c.category();
            QVERIFY2(category != QChar::Other_Control && category != QChar::Other_Format &&
                         category != QChar::Separator_Line && category != QChar::Separator_Paragraph,
                     qPrintable(QString::number(c.unicode(), 16)));
        }
    }
    bool ok = false;
    QCOMPARE(FromReversibleText(reversible, &ok), bytes);
    QVERIFY(ok);
}

// Every space separator Unicode knows besides U+0020, as Qt's character tables classify them, leaves the
// display forms escaped, so that no name reads as another with a plain space in its place.
void TestTextEscaping::everySpaceButU0020IsEscaped()
{
    int spaces = 0;
    for (uint point = 0x21; point <= 0x10FFFF; ++point) {
        if (QChar::category(point) != QChar::Separator_Space)
            continue;
        ++spaces;
        const std::string utf8 = QString::fromUcs4(&point, 1).toStdString();
        const QString escaped =
            QStringLiteral("\\u{%1}").arg(QString::number(point, 16).toUpper().rightJustified(4, '0'));
        QCOMPARE(QString::fromStdString(ToDisplayText("a" + utf8 + "b")), "a" + escaped + "b");
        QCOMPARE(QString::fromStdString(ToReversibleText("a" + utf8 + "b")), "a" + escaped + "b");
    }
    QVERIFY(spaces >= 16);
    QCOMPARE(ToDisplayText("a b"), std::string("a b"));
}

void TestTextEscaping::base64_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("base64");

    // RFC 4648, 10: test vectors.
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("f") << QByteArray("f") << QByteArray("Zg==");
    QTest::newRow("fo") << QByteArray("fo") << QByteArray("Zm8=");
    QTest::newRow("foo") << QByteArray("foo") << QByteArray("Zm9v");
    QTest::newRow("foob") << QByteArray("foob") << QByteArray("Zm9vYg==");
    QTest::newRow("fooba") << QByteArray("fooba") << QByteArray("Zm9vYmE=");
    QTest::newRow("foobar") << QByteArray("foobar") << QByteArray("Zm9vYmFy");
    // The last two letters of the alphabet (RFC 4648, 4), high bits and NUL bytes.
    QTest::newRow("plus and slash") << QByteArray("\xfb\xff") << QByteArray("+/8=");
    QTest::newRow("high bytes") << QByteArray("\xff\xfe\xfd") << QByteArray("//79");
    QTest::newRow("NUL bytes") << QByteArray("\0\0\0\0", 4) << QByteArray("AAAAAA==");
    QTest::newRow("a name with byte FF") << QByteArray("u\xff.jpg") << QByteArray("df8uanBn");
}

void TestTextEscaping::base64()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, base64);
    QCOMPARE(QByteArray::fromStdString(Base64(bytes.toStdString())), base64);
}

QTEST_GUILESS_MAIN(TestTextEscaping)
#include "TestTextEscaping.moc"
