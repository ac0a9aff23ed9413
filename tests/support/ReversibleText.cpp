// SPDX-License-Identifier: Apache-2.0
#include "tests/support/ReversibleText.h"

#include <QString>

namespace {
bool IsUpperHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}
bool AreUpperHexDigits(const QByteArray& text, int from, int count)
{
    if (from + count > text.size())
        return false;
    for (int i = from; i < from + count; ++i) {
        if (!IsUpperHexDigit(text[i]))
            return false;
    }
    return true;
}
} // namespace

QByteArray FromReversibleText(const QByteArray& text, bool* ok)
{
    *ok = false;
    QByteArray bytes;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            bytes += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '\\') {
            bytes += '\\';
            i += 1;
        } else if (text.mid(i + 1, 1) == "x" && AreUpperHexDigits(text, i + 2, 2)) {
            bytes += static_cast<char>(text.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
        } else if (text.mid(i + 1, 2) == "u{" && AreUpperHexDigits(text, i + 3, 4)) {
            // Four hexadecimal digits, or five for a character beyond U+FFFF.
            const int digits = AreUpperHexDigits(text, i + 3, 5) ? 5 : 4;
            if (text.mid(i + 3 + digits, 1) != "}")
                return QByteArray();
            // QString::fromUcs4 would drop a leading U+FEFF as a byte order mark.
            const char32_t point = text.mid(i + 3, digits).toUInt(nullptr, 16);
            bytes += (point > 0xFFFF ? QString::fromUcs4(&point, 1) : QString(QChar(point))).toUtf8();
            i += 3 + digits;
        } else {
            return QByteArray();
        }
    }
    *ok = true;
    return bytes;
}
