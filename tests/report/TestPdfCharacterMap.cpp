// SPDX-License-Identifier: Apache-2.0
#include "report/PdfCharacterMap.h"

#include <QtTest>

// A font's character map written again from the characters drawn: every form of entry Qt writes is
// read, only the glyphs whose character was drawn as another change, and what comes out is a map a
// reader takes.
class TestPdfCharacterMap : public QObject
{
    Q_OBJECT

private slots:
    void mendsOnlyWhatWasDrawnAsAnother_data();
    void mendsOnlyWhatWasDrawnAsAnother();
};

namespace {

const QByteArray kHead = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                         "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                         "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n1 begincodespacerange\n"
                         "<0000> <FFFF>\nendcodespacerange\n";
const QByteArray kFoot = "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";

// Each glyph's code in a map of single entries, as "glyph:code" in hexadecimal.
QStringList Entries(const QByteArray& map)
{
    QStringList entries;
    const QRegularExpression entry("^<([0-9A-F]{4})> <([0-9A-F]+)>$", QRegularExpression::MultilineOption);
    const QByteArray body = map.mid(map.indexOf("endcodespacerange"));
    for (auto it = entry.globalMatch(QString::fromLatin1(body)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        entries << match.captured(1) + ":" + match.captured(2);
    }
    return entries;
}

} // namespace

void TestPdfCharacterMap::mendsOnlyWhatWasDrawnAsAnother_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("mended"); // empty: the map stays as Qt wrote it
    // The radical U+2F5A stands for the ideograph U+7247 that was drawn; U+2F2D for U+5C71.
    const QByteArray listed =
        "2 beginbfrange\n<0000> <0000> <0000>\n<0001> <0004> [<8B49> <64DA> <5F71> <2F5A> ]\n"
        "endbfrange\n";
    QTest::newRow("listed range") << listed
                                  << QStringList{"0001:8B49", "0002:64DA", "0003:5F71", "0004:7247"};
    QTest::newRow("range by its first code")
        << QByteArray("1 beginbfrange\n<0005> <0006> <2F2D>\nendbfrange\n")
        << QStringList{"0005:5C71", "0006:2F2E"};
    QTest::newRow("single glyphs") << QByteArray("2 beginbfchar\n<0007> <2F5A>\n<0008> <0041>\nendbfchar\n")
                                   << QStringList{"0007:7247", "0008:0041"};
    // Codes listed in rising order inside brackets are no range of their own.
    QTest::newRow("rising codes in a list")
        << QByteArray("1 beginbfrange\n<0001> <0003> [<4E00> <4E01> <2F5A> ]\nendbfrange\n")
        << QStringList{"0001:4E00", "0002:4E01", "0003:7247"};
    QTest::newRow("nothing drawn as another")
        << QByteArray("1 beginbfrange\n<0001> <0002> [<8B49> <64DA> ]\nendbfrange\n") << QStringList();
}

void TestPdfCharacterMap::mendsOnlyWhatWasDrawnAsAnother()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, mended);
    const auto drawnAlike = [](char32_t point) -> char32_t {
        switch (point) {
        case 0x2F5A:
            return 0x7247;
        case 0x2F2D:
            return 0x5C71;
        default:
            return 0;
        }
    };
    const QByteArray map = DrawnCharacterMap(kHead + body + kFoot, drawnAlike);
    if (mended.isEmpty()) {
        QVERIFY(map.isEmpty());
        return;
    }
    QVERIFY(map.startsWith(kHead));
    QVERIFY(map.endsWith(kFoot));
    QCOMPARE(Entries(map), mended);
    const QRegularExpression block("(\\d+) beginbfchar\\n((?:<[0-9A-F]{4}> <[0-9A-F]+>\\n)*)endbfchar\\n");
    const QRegularExpressionMatch match = block.match(QString::fromLatin1(map));
    QVERIFY(match.hasMatch());
    QCOMPARE(match.captured(1).toInt(), mended.size());
}

QTEST_GUILESS_MAIN(TestPdfCharacterMap)
#include "TestPdfCharacterMap.moc"
