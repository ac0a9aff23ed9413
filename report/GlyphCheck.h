// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_GLYPHCHECK_H
#define QUORLITH_REPORT_GLYPHCHECK_H

#include <QFont>
#include <QRawFont>
#include <QString>
#include <QStringList>

#include <map>
#include <set>
#include <utility>
#include <vector>

// Makes sure the report prints no empty box: a character that none of the report's fonts can draw is
// written in the escaped form \u{XXXX} instead, and remembered so that the program can say so.
class GlyphCheck
{
public:
    // The families of the fonts the report embeds, e.g. {"DejaVu Sans", "Noto Sans CJK JP"}; a family
    // that is not installed draws nothing.
    explicit GlyphCheck(const QStringList& families);

    // text with every character no font draws replaced by its escaped form; so is every character beyond
    // U+FFFF, which the PDF's text would not give back.
    QString Printable(const QString& text) const;

    // The one character drawn so far that a report font draws with the same glyph as point, where point
    // itself was not drawn; 0 when there is none, or more than one.
    char32_t DrawnAlike(char32_t point) const;
    // The characters replaced so far, in code point order.
    const std::set<char32_t>& Missing() const { return missing; }
    // "\u{10000} \u{1F600}": the missing characters in their escaped form.
    QString MissingText() const;

    static QString Escaped(char32_t codePoint);

private:
    bool Drawable(char32_t codePoint) const;

    std::vector<QRawFont> fonts;
    mutable std::set<char32_t> missing;
    // The characters beyond ASCII that went out as themselves so far, to be drawn.
    mutable std::set<char32_t> drawn;
    // For each font and glyph, the characters drawn with it; built when first asked.
    mutable std::map<std::pair<size_t, quint32>, std::set<char32_t>> drawnByGlyph;
};

#endif
