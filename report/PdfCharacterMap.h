// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_PDFCHARACTERMAP_H
#define QUORLITH_REPORT_PDFCHARACTERMAP_H

#include <QByteArray>

#include <functional>

// Qt's PDF output names, for each glyph, the lowest code point the font draws with it, so that where a
// font draws two characters alike, the text taken back from the report can differ from the text drawn:
// the ideograph U+7247 comes back as the Kangxi radical U+2F5A. This writes a font's character map
// (ToUnicode) again with, for each glyph whose character drawnAlike names one drawn instead
// (GlyphCheck::DrawnAlike), that character; empty when nothing is to change. A glyph for which both were
// drawn keeps the character Qt named.
QByteArray DrawnCharacterMap(const QByteArray& content, const std::function<char32_t(char32_t)>& drawnAlike);

#endif
