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
        } else if (text.mid(i + 1, 2) == "u{" && AreUpperHexDigits(text, i + 3, 4) &&
                   text.mid(i + 7, 1) == "}") {
            bytes += QString(QChar(text.mid(i + 3, 4).toUShort(nullptr, 16))).toUtf8();
            i += 7;
        } else {
            return QByteArray();
        }
    }
    *ok = true;
    return bytes;
}
