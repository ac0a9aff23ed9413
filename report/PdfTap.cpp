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
    FindPages(data, length);
    return length;
}

void PdfTap::FindPages(const char* data, qint64 length)
{
    // Qt writes each page as "N 0 obj\n<<\n/Type /Page\n/Parent P 0 R\n...>>\nendobj".
    static const QRegularExpression page(
        QStringLiteral("\\n(\\d+) 0 obj\\n<<\\n/Type /Page\\n/Parent (\\d+) 0 R\\n(.*?)>>\\nendobj\\n"),
        QRegularExpression::DotMatchesEverythingOption);
    QByteArray window = carry;
    window.append(data, static_cast<int>(length));
    if (!window.contains("/Type /Page\n")) {
        Keep(window, 0);
        return;
    }
    const QString text = QString::fromLatin1(window.constData(), window.size());
    int used = 0;
    for (QRegularExpressionMatchIterator it = page.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        PdfPageObject object;
        object.number = match.captured(1).toInt();
        object.parent = match.captured(2).toInt();
        object.rest = match.captured(3).toLatin1();
        pages.push_back(object);
        used = match.capturedEnd(0);
    }
    Keep(window, used);
}

void PdfTap::Keep(const QByteArray& window, int used)
{
    // From a line's start, so that an object's number is never cut and read as a shorter one.
    const int start = std::max(used - 1, window.size() - kCarryBytes);
    if (start <= 0) {
        carry = window;
        return;
    }
    const int line = window.lastIndexOf('\n', start);
    carry = window.mid(line >= 0 && line >= start - kCarryBytes ? line : start);
}
