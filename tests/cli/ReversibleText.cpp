// SPDX-License-Identifier: Apache-2.0
#include "ReversibleText.h"

namespace {
bool IsUpperHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
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
        } else if (i + 3 < text.size() && text[i + 1] == 'x' && IsUpperHexDigit(text[i + 2]) &&
                   IsUpperHexDigit(text[i + 3])) {
            bytes += static_cast<char>(text.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
        } else {
            return QByteArray();
        }
    }
    *ok = true;
    return bytes;
}
