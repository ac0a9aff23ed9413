// SPDX-License-Identifier: Apache-2.0
#include "report/PdfDocumentInfo.h"

#include "report/PdfCharacterMap.h"
#include "report/PdfPageTree.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace {

// Bytes as text of the same length: a PDF holds NUL bytes, where QString::fromLatin1(QByteArray) stops.
QString Latin1(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.constData(), bytes.size());
}

// A text string as PDF takes any character: UTF-16BE after its byte order mark, in hexadecimal.
QByteArray PdfText(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode() | 0x10000, 16).mid(1).toUpper();
    return hex + '>';
}

// U+FFFE and U+FFFF, which the escaping of names lets through but XML does not take, written as the page
// writes a character no font draws, the same in the document information and in the XMP.
QString Storable(QString text)
{
    return text.replace(QChar(0xFFFE), QLatin1String("\\u{FFFE}"))
        .replace(QChar(0xFFFF), QLatin1String("\\u{FFFF}"));
}

QByteArray XmlText(const QString& text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\''), QLatin1String("&apos;")).toUtf8();
}

// The body of object number between "<<" and ">>" of its dictionary, as found in head; empty when absent.
QByteArray DictionaryOf(const QByteArray& head, int number)
{
    const QByteArray opening = "\n" + QByteArray::number(number) + " 0 obj\n<<\n";
    const int start = head.indexOf(opening);
    if (start < 0)
        return QByteArray();
    const int bodyStart = start + opening.size();
    const int end = head.indexOf("\n>>\nendobj", bodyStart);
    return end < 0 ? QByteArray() : head.mid(bodyStart, end - bodyStart + 1);
}

struct Metadata
{
    int number = -1;
    QByteArray dictionary; // without its /Length
    QByteArray xmp;
};

// The XMP metadata stream object, which Qt writes uncompressed near the start.
Metadata MetadataOf(const QByteArray& head)
{
    Metadata found;
    const QRegularExpression object(QStringLiteral(
        "\\n(\\d+) 0 obj\\n<<\\n(/Type /Metadata /Subtype /XML)\\n/Length (\\d+)\\n>>\\nstream\\r?\\n"));
    const QRegularExpressionMatch match = object.match(Latin1(head));
    if (!match.hasMatch())
        return found;
    const int length = match.captured(3).toInt();
    const int start = match.capturedEnd(0);
    if (start + length > head.size())
        return found;
    found.number = match.captured(1).toInt();
    found.dictionary = match.captured(2).toLatin1();
    found.xmp = head.mid(start, length);
    return found;
}

bool WriteAll(QIODevice* device, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 step = device->write(bytes.constData() + done, bytes.size() - done);
        if (step <= 0)
            return false;
        done += step;
    }
    return true;
}

} // namespace

bool AppendDocumentInfo(QIODevice* device, const PdfTap& tap, const PdfDocumentInfo& info)
{
    const QString tail = Latin1(tap.Tail());
    const int trailerAt = tail.lastIndexOf(QLatin1String("trailer"));
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("/Size (\\d+)")).match(tail, trailerAt);
    const QRegularExpressionMatch root =
        QRegularExpression(QStringLiteral("/Root (\\d+ \\d+ R)")).match(tail, trailerAt);
    const QRegularExpressionMatch infoRef =
        QRegularExpression(QStringLiteral("/Info (\\d+) 0 R")).match(tail, trailerAt);
    const QRegularExpressionMatch id =
        QRegularExpression(QStringLiteral("/ID \\[[^\\]]*\\]")).match(tail, trailerAt);
    const QRegularExpressionMatch previous =
        QRegularExpression(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$")).match(tail);
    if (trailerAt < 0 || !size.hasMatch() || !root.hasMatch() || !infoRef.hasMatch() || !id.hasMatch() ||
        !previous.hasMatch())
        return false;
    const int infoNumber = infoRef.captured(1).toInt();
    QByteArray infoBody = DictionaryOf(tap.Head(), infoNumber);
    Metadata metadata = MetadataOf(tap.Head());
    const int titleEnd = metadata.xmp.indexOf("</dc:title>");
    if (infoBody.isEmpty() || metadata.number < 0 || titleEnd < 0)
        return false;

    // The same facts in both places: PDF/A-1 has the XMP's dc:description and dc:creator agree with the
    // document information's Subject and Author.
    const QString subject = Storable(info.subject);
    const QString author = Storable(info.author);
    QByteArray dcAdded =
        "\n      <dc:description>\n        <rdf:Alt>\n          <rdf:li xml:lang=\"x-default\">" +
        XmlText(subject) + "</rdf:li>\n        </rdf:Alt>\n      </dc:description>";
    QByteArray infoAdded = "/Subject " + PdfText(subject) + "\n";
    if (!author.isEmpty()) {
        dcAdded += "\n      <dc:creator>\n        <rdf:Seq>\n          <rdf:li>" + XmlText(author) +
                   "</rdf:li>\n        </rdf:Seq>\n      </dc:creator>";
        infoAdded += "/Author " + PdfText(author) + "\n";
    }
    metadata.xmp.insert(titleEnd + int(sizeof("</dc:title>")) - 1, dcAdded);

    // No standard property names the organisation, the note or the report's identifier. PDF/A-1 takes a
    // property of its own in the XMP only with its schema described there.
    QByteArray ownProperties;
    QByteArray ownDescriptions;
    const std::pair<const char*, QString> own[] = {
        {"Organisation", info.organisation}, {"Note", info.note}, {"ReportIdentifier", info.reportId}};
    for (const auto& property : own) {
        if (property.second.isEmpty())
            continue;
        const QString value = Storable(property.second);
        infoAdded += "/" + QByteArray(property.first) + " " + PdfText(value) + "\n";
        ownProperties += "\n      <qreport:" + QByteArray(property.first) + ">" + XmlText(value) +
                         "</qreport:" + QByteArray(property.first) + ">";
        ownDescriptions += "\n              <rdf:li rdf:parseType=\"Resource\">\n"
                           "                <pdfaProperty:name>" +
                           QByteArray(property.first) +
                           "</pdfaProperty:name>\n"
                           "                <pdfaProperty:valueType>Text</pdfaProperty:valueType>\n"
                           "                <pdfaProperty:category>external</pdfaProperty:category>\n"
                           "                <pdfaProperty:description>The verification report's " +
                           QByteArray(property.first) +
                           "</pdfaProperty:description>\n              </rdf:li>";
    }
    const int rdfEnd = metadata.xmp.lastIndexOf("  </rdf:RDF>");
    if (!ownProperties.isEmpty() && rdfEnd >= 0) {
        const QByteArray ns = "http://example.trevalon/ns/quorlith-report/1.0/";
        metadata.xmp.insert(
            rdfEnd,
            "    <rdf:Description rdf:about=\"\" "
            "xmlns:pdfaExtension=\"http://www.aiim.org/pdfa/ns/extension/\" "
            "xmlns:pdfaSchema=\"http://www.aiim.org/pdfa/ns/schema#\" "
            "xmlns:pdfaProperty=\"http://www.aiim.org/pdfa/ns/property#\">\n"
            "      <pdfaExtension:schemas>\n        <rdf:Bag>\n          <rdf:li "
            "rdf:parseType=\"Resource\">\n"
            "            <pdfaSchema:schema>Verification report</pdfaSchema:schema>\n"
            "            <pdfaSchema:namespaceURI>" +
                ns +
                "</pdfaSchema:namespaceURI>\n"
                "            <pdfaSchema:prefix>qreport</pdfaSchema:prefix>\n"
                "            <pdfaSchema:property>\n              <rdf:Seq>" +
                ownDescriptions +
                "\n              </rdf:Seq>\n            </pdfaSchema:property>\n          </rdf:li>\n"
                "        </rdf:Bag>\n      </pdfaExtension:schemas>\n    </rdf:Description>\n"
                "    <rdf:Description rdf:about=\"\" xmlns:qreport=\"" +
                ns + "\">" + ownProperties + "\n    </rdf:Description>\n");
    }
    // Qt takes its own clock's time when the painting starts, seconds after the instant the pages name.
    if (info.written.isValid()) {
        const QDateTime utc = info.written.toUTC();
        infoBody = Latin1(infoBody)
                       .replace(QRegularExpression(QStringLiteral("/CreationDate \\([^)]*\\)")),
                                QStringLiteral("/CreationDate (D:%1Z)")
                                    .arg(utc.toString(QStringLiteral("yyyyMMddHHmmss"))))
                       .toLatin1();
        metadata.xmp =
            QString::fromUtf8(metadata.xmp)
                .replace(QRegularExpression(QStringLiteral("xmp:(CreateDate|ModifyDate)=\"[^\"]*\"")),
                         QStringLiteral("xmp:\\1=\"%1\"").arg(utc.toString(Qt::ISODate)))
                .toUtf8();
    }

    // An incremental update: the two objects again under their numbers, a cross-reference section for
    // them alone and a trailer that points back to Qt's.
    const qint64 base = tap.Written();
    std::map<int, qint64> offsets;
    QByteArray update = "\n";
    offsets[infoNumber] = base + update.size();
    update += QByteArray::number(infoNumber) + " 0 obj\n<<\n" + infoBody + infoAdded + ">>\nendobj\n";
    offsets[metadata.number] = base + update.size();
    update += QByteArray::number(metadata.number) + " 0 obj\n<<\n" + metadata.dictionary + "\n/Length " +
              QByteArray::number(metadata.xmp.size()) + "\n>>\nstream\n" + metadata.xmp +
              "\nendstream\nendobj\n";
    const int oldSize = size.captured(1).toInt();
    int newSize = oldSize;
    for (const auto& object : BalancedPageTree(tap.Pages(), oldSize)) {
        offsets[object.first] = base + update.size();
        update += QByteArray::number(object.first) + " 0 obj\n" + object.second + "endobj\n";
        newSize = std::max(newSize, object.first + 1);
    }
    for (const PdfCharacterMap& map : tap.CharacterMaps()) {
        const QByteArray mended =
            info.drawnAlike ? DrawnCharacterMap(map.content, info.drawnAlike) : QByteArray();
        if (mended.isEmpty())
            continue;
        offsets[map.number] = base + update.size();
        update += QByteArray::number(map.number) + " 0 obj\n<< /Length " + QByteArray::number(mended.size()) +
                  " >>\nstream\n" + mended + "\nendstream\nendobj\n";
    }
    const qint64 crossReference = base + update.size();
    update += "xref\n";
    // One subsection for each run of consecutive object numbers.
    for (auto entry = offsets.begin(); entry != offsets.end();) {
        auto runEnd = entry;
        int count = 0;
        while (runEnd != offsets.end() && runEnd->first == entry->first + count) {
            ++runEnd;
            ++count;
        }
        update += QByteArray::number(entry->first) + " " + QByteArray::number(count) + "\n";
        for (; entry != runEnd; ++entry)
            update += QByteArray::number(entry->second).rightJustified(10, '0') + " 00000 n \n";
    }
    update += "trailer\n<<\n/Size " + QByteArray::number(newSize) + "\n/Info " +
              QByteArray::number(infoNumber) + " 0 R\n/Root " + root.captured(1).toLatin1() + "\n" +
              id.captured(0).toLatin1() + "\n/Prev " + previous.captured(1).toLatin1() + "\n>>\nstartxref\n" +
              QByteArray::number(crossReference) + "\n%%EOF\n";
    return WriteAll(device, update);
}
