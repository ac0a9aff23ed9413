// SPDX-License-Identifier: Apache-2.0
#include "report/PdfTap.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// Qt writes the document information and the metadata stream first, and ends with the cross-reference
// table, whose last lines are the trailer.
constexpr int kHeadBytes = 16 * 1024;
constexpr int kTailBytes = 4 * 1024;
// Far more than one page object takes ("N 0 obj", type, parent, contents, resources, annotations and
// media box), so that one begun at the end of a write is still whole after the next.
constexpr int kCarryBytes = 1024;
// A font's character map of many thousand glyphs stays below this.
constexpr int kMaxKeptBytes = 4 * 1024 * 1024;

} // namespace

PdfTap::PdfTap(QIODevice* device) : device(device)
{
    open(QIODevice::WriteOnly);
}

qint64 PdfTap::writeData(const char* data, qint64 length)
{
    qint64 done = 0;
    while (done < length) {
        const qint64 step = device->write(data + done, length - done);
        if (step <= 0)
            return -1;
        done += step;
    }
    if (head.size() < kHeadBytes)
        head.append(data, static_cast<int>(std::min<qint64>(kHeadBytes - head.size(), length)));
    const qint64 kept = std::min<qint64>(length, kTailBytes);
    tail.append(data + length - kept, static_cast<int>(kept));
    if (tail.size() > kTailBytes)
        tail.remove(0, tail.size() - kTailBytes);
    written += length;
    FindObjects(data, length);
    return length;
}

void PdfTap::FindObjects(const char* data, qint64 length)
{
    // Qt writes each page as "N 0 obj\n<<\n/Type /Page\n/Parent P 0 R\n...>>\nendobj", and each font's
    // character map uncompressed as "N 0 obj\n<< /Length L >>\nstream\n/CIDInit ...".
    static const QRegularExpression page(
        QStringLiteral("\\n(\\d+) 0 obj\\n<<\\n/Type /Page\\n/Parent (\\d+) 0 R\\n(.*?)>>\\nendobj\\n"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression characterMap(
        QStringLiteral("\\n(\\d+) 0 obj\\n<< /Length (\\d+) >>\\nstream\\n(?=/CIDInit )"));
    QByteArray window = carry;
    window.append(data, static_cast<int>(length));
    const bool hasPage = window.contains("/Type /Page\n");
    const bool hasMap = window.contains("/CIDInit ");
    if (!hasPage && !hasMap) {
        Keep(window, 0);
        return;
    }
    const QString text = QString::fromLatin1(window.constData(), window.size());
    int used = 0;
    for (QRegularExpressionMatchIterator it = page.globalMatch(text); hasPage && it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        PdfPageObject object;
        object.number = match.captured(1).toInt();
        object.parent = match.captured(2).toInt();
        object.rest = match.captured(3).toLatin1();
        pages.push_back(object);
        used = std::max(used, match.capturedEnd(0));
    }
    for (QRegularExpressionMatchIterator it = characterMap.globalMatch(text); hasMap && it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const int start = match.capturedEnd(0);
        const int size = match.captured(2).toInt();
        const int end = window.indexOf("endobj\n", start + size);
        if (start < used || end < 0)
            continue;
        characterMaps.push_back({match.captured(1).toInt(), window.mid(start, size)});
        used = std::max(used, end + 7);
    }
    Keep(window, used);
}

void PdfTap::Keep(const QByteArray& window, int used)
{
    // From a line's start, so that an object's number is never cut and read as a shorter one; an object
    // begun and not yet ended is kept whole, up to a bound.
    int start = std::max(used - 1, window.size() - kCarryBytes);
    const int open = window.lastIndexOf(" 0 obj\n");
    if (open >= used && window.indexOf("endobj", open) < 0 && window.size() - open <= kMaxKeptBytes)
        start = std::min(start, open);
    if (start <= 0) {
        carry = window;
        return;
    }
    const int line = window.lastIndexOf('\n', start);
    carry = window.mid(line >= 0 && line >= start - kCarryBytes ? line : start);
}
