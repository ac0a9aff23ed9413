// SPDX-License-Identifier: Apache-2.0
#include "engine/AsciiText.h"
#include "engine/WatermarkVerifier.h"
#include "tools/EvidenceStamper.h"

#include <QtTest>

#include <clocale>

// Stamping and verifying under the locales whose case rules differ from ASCII. Under tr_TR and az_AZ
// the C library's toupper('i') is not 'I', which once made every authentic ".avi" fail. The
// set-up script generates these locales: a missing one fails the test instead of skipping it.
class TestLocaleIndependence : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void asciiCase_data();
    void asciiCase();
    void parseAsciiDecimal_data();
    void parseAsciiDecimal();
    void stampAndVerify_data();
    void stampAndVerify();

private:
    QTemporaryDir dir;
};

void TestLocaleIndependence::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestLocaleIndependence::cleanup()
{
    std::setlocale(LC_ALL, "C");
}

void TestLocaleIndependence::asciiCase_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("upper");
    QTest::addColumn<QByteArray>("lower");
    QTest::newRow("extensions") << QByteArray("avi.Mp4.MXG.jpg") << QByteArray("AVI.MP4.MXG.JPG")
                                << QByteArray("avi.mp4.mxg.jpg");
    QTest::newRow("edges of the alphabet")
        << QByteArray("@AZ[`az{") << QByteArray("@AZ[`AZ{") << QByteArray("@az[`az{");
    // UTF-8 of dotted capital I and dotless small i: bytes above 0x7F never change.
    QTest::newRow("Turkish letters stay")
        << QByteArray("\xC4\xB0\xC4\xB1") << QByteArray("\xC4\xB0\xC4\xB1") << QByteArray("\xC4\xB0\xC4\xB1");
    QTest::newRow("Latin-1 bytes stay")
        << QByteArray("\xE9\xC9") << QByteArray("\xE9\xC9") << QByteArray("\xE9\xC9");
}

void TestLocaleIndependence::asciiCase()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, upper);
    QFETCH(QByteArray, lower);
    QVERIFY(std::setlocale(LC_ALL, "tr_TR.UTF-8"));
    QCOMPARE(QByteArray::fromStdString(AsciiUpper(text.toStdString())), upper);
    QCOMPARE(QByteArray::fromStdString(AsciiLower(text.toStdString())), lower);
}

void TestLocaleIndependence::parseAsciiDecimal_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<long>("value");
    QTest::newRow("one") << QByteArray("1") << true << 1L;
    QTest::newRow("the maximum") << QByteArray("256") << true << 256L;
    QTest::newRow("leading zeros") << QByteArray("0007") << true << 7L;
    QTest::newRow("above the maximum") << QByteArray("257") << false << 0L;
    QTest::newRow("far above, no overflow") << QByteArray("99999999999999999999999") << false << 0L;
    QTest::newRow("empty") << QByteArray("") << false << 0L;
    QTest::newRow("sign") << QByteArray("+4") << false << 0L;
    QTest::newRow("space") << QByteArray(" 4") << false << 0L;
    QTest::newRow("trailing text") << QByteArray("4x") << false << 0L;
    // Arabic-Indic digit four: a digit to some locales, not to the format.
    QTest::newRow("non-ASCII digit") << QByteArray("\xD9\xA4") << false << 0L;
}

void TestLocaleIndependence::parseAsciiDecimal()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, accepted);
    QFETCH(long, value);
    long parsed = 0;
    QCOMPARE(ParseAsciiDecimal(text.toStdString(), 256, &parsed), accepted);
    if (accepted)
        QCOMPARE(parsed, value);
}

void TestLocaleIndependence::stampAndVerify_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("name");
    for (const char* locale : {"tr_TR.UTF-8", "az_AZ.UTF-8", "de_DE.UTF-8", "ja_JP.UTF-8"}) {
        QTest::addRow("%s avi", locale) << QByteArray(locale) << "clip.avi"
                                        << "clip.avi";
        QTest::addRow("%s AVI", locale) << QByteArray(locale) << "clip.avi"
                                        << "CLIP.AVI";
        QTest::addRow("%s mp4", locale) << QByteArray(locale) << "clip-mdat-first.mp4"
                                        << "clip.mp4";
        QTest::addRow("%s mxg", locale) << QByteArray(locale) << "clip-mdat-first.mp4"
                                        << "clip.mxg";
        QTest::addRow("%s jpg", locale) << QByteArray(locale) << "still.jpg"
                                        << "photo.jpg";
    }
}

void TestLocaleIndependence::stampAndVerify()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, media);
    QFETCH(QString, name);
    QVERIFY2(std::setlocale(LC_ALL, locale.constData()), "locale not generated: run scripts/install-deps.sh");

    const QString out = dir.filePath(QString::fromLatin1(locale) + QLatin1Char('-') + name);
    QFile::remove(out);
    const QString source = QStringLiteral(QUORLITH_TEST_DATA_DIR "/media/") + media;
    QCOMPARE(StampEvidence(QUORLITH_TEST_KEY, StampRecord(), source.toStdString(), out.toStdString()), 0);

    WatermarkVerifier verifier;
    QCOMPARE(verifier.Verify(out.toUtf8().constData()), 0);
    QCOMPARE(verifier.GetFailure(), VerifyFailure::None);
}

QTEST_GUILESS_MAIN(TestLocaleIndependence)
#include "TestLocaleIndependence.moc"
