// SPDX-License-Identifier: Apache-2.0
#include "resources/LanguageCode.h"

#include <QLocale>
#include <QtTest>

// The locale table and its two lookup passes: an exact match first, then the first key (in key order)
// that the locale name begins with, then English.
class TestLanguageCode : public QObject
{
    Q_OBJECT

private slots:
    void mapsLocaleNameToCatalogueCode_data();
    void mapsLocaleNameToCatalogueCode();
    void systemLocaleOfEachLanguage_data();
    void systemLocaleOfEachLanguage();
};

void TestLanguageCode::mapsLocaleNameToCatalogueCode_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QString>("code");

    // Country-specific keys win over their language's key only on an exact match.
    QTest::newRow("zh_TW exact") << "zh_TW"
                                 << "cht";
    QTest::newRow("zh_CN exact") << "zh_CN"
                                 << "chs";
    QTest::newRow("zh_HK reads Traditional") << "zh_HK"
                                             << "cht";
    QTest::newRow("zh_MO reads Traditional") << "zh_MO"
                                             << "cht";
    QTest::newRow("zh_SG by the language") << "zh_SG"
                                           << "chs";
    QTest::newRow("pt_BR exact") << "pt_BR"
                                 << "ptb";
    QTest::newRow("pt_PT by the language") << "pt_PT"
                                           << "ptg";
    QTest::newRow("de_AT") << "de_AT"
                           << "ger";
    QTest::newRow("de_CH") << "de_CH"
                           << "ger";
    QTest::newRow("de_DE") << "de_DE"
                           << "ger";
    QTest::newRow("en_US") << "en_US"
                           << "enu";
    QTest::newRow("en_GB") << "en_GB"
                           << "enu";
    // Matching is case-sensitive: zh_tw is not the key zh_TW and falls to the prefix pass.
    QTest::newRow("zh_tw lower case") << "zh_tw"
                                      << "chs";
    QTest::newRow("PT_BR upper case") << "PT_BR"
                                      << "enu";
    // A bare language name, as QLocale gives for some locales.
    QTest::newRow("bare ko") << "ko"
                             << "krn";
    QTest::newRow("bare zh") << "zh"
                             << "chs";
    // Every other language of the table, by its usual country.
    QTest::newRow("cs_CZ") << "cs_CZ"
                           << "csy";
    QTest::newRow("da_DK") << "da_DK"
                           << "dan";
    QTest::newRow("es_MX") << "es_MX"
                           << "spn";
    QTest::newRow("fr_CA") << "fr_CA"
                           << "fre";
    QTest::newRow("hu_HU") << "hu_HU"
                           << "hun";
    QTest::newRow("it_IT") << "it_IT"
                           << "ita";
    QTest::newRow("ja_JP") << "ja_JP"
                           << "jpn";
    QTest::newRow("ko_KR") << "ko_KR"
                           << "krn";
    QTest::newRow("nl_BE") << "nl_BE"
                           << "nld";
    QTest::newRow("no_NO") << "no_NO"
                           << "nor";
    // Qt's own names for Norwegian Bokmål and Nynorsk.
    QTest::newRow("nb_NO") << "nb_NO"
                           << "nor";
    QTest::newRow("nn_NO") << "nn_NO"
                           << "nor";
    QTest::newRow("bare nb") << "nb"
                             << "nor";
    QTest::newRow("pl_PL") << "pl_PL"
                           << "plk";
    QTest::newRow("ru_RU") << "ru_RU"
                           << "rus";
    QTest::newRow("sv_SE") << "sv_SE"
                           << "sve";
    QTest::newRow("tr_TR") << "tr_TR"
                           << "trk";
    // Languages without a catalogue, and names that are no locale at all, fall back to English.
    QTest::newRow("fi_FI") << "fi_FI"
                           << "enu";
    QTest::newRow("C") << "C"
                       << "enu";
    QTest::newRow("empty") << ""
                           << "enu";
    QTest::newRow("shorter than a key") << "z"
                                        << "enu";
}

void TestLanguageCode::mapsLocaleNameToCatalogueCode()
{
    QFETCH(QString, localeName);
    QFETCH(QString, code);
    QCOMPARE(GetLanguageCode(localeName), code);
}

// What Qt itself names the locales our readers set: the table must reach their catalogue from that name.
void TestLanguageCode::systemLocaleOfEachLanguage_data()
{
    QTest::addColumn<QString>("localeSetting");
    QTest::addColumn<QString>("code");
    QTest::newRow("no_NO") << "no_NO"
                           << "nor";
    QTest::newRow("nb_NO") << "nb_NO"
                           << "nor";
    QTest::newRow("nn_NO") << "nn_NO"
                           << "nor";
    QTest::newRow("zh_HK") << "zh_HK"
                           << "cht";
    QTest::newRow("zh_MO") << "zh_MO"
                           << "cht";
    QTest::newRow("zh_TW") << "zh_TW"
                           << "cht";
    QTest::newRow("zh_CN") << "zh_CN"
                           << "chs";
    QTest::newRow("zh_SG") << "zh_SG"
                           << "chs";
    QTest::newRow("pt_BR") << "pt_BR"
                           << "ptb";
    QTest::newRow("tr_TR") << "tr_TR"
                           << "trk";
}

void TestLanguageCode::systemLocaleOfEachLanguage()
{
    QFETCH(QString, localeSetting);
    QFETCH(QString, code);
    QCOMPARE(GetLanguageCode(QLocale(localeSetting).name()), code);
}

QTEST_GUILESS_MAIN(TestLanguageCode)
#include "TestLanguageCode.moc"
