// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_GLYPHCHECK_H
#define QUORLITH_REPORT_GLYPHCHECK_H

#include <QFont>
#include <QRawFont>
#include <QString>
#include <QStringList>

#include <set>
#include <vector>

// Makes sure the report prints no empty box: a character that none of the report's fonts can draw is
// written in the escaped form \u{XXXX} instead, and remembered so that the program can say so.
class GlyphCheck
{
public:
    // The families of the fonts the report embeds, e.g. {"DejaVu Sans", "Noto Sans CJK JP"}; a family
    // that is not installed draws nothing.
    explicit GlyphCheck(const QStringList& families);

    // text with every character no font draws replaced by its escaped form.
    QString Printable(const QString& text) const;

    // The characters replaced so far, in code point order.
    const std::set<char32_t>& Missing() const { return missing; }
    // "\u{10000} \u{1F600}": the missing characters in their escaped form.
    QString MissingText() const;

    static QString Escaped(char32_t codePoint);

private:
    bool Drawable(char32_t codePoint) const;

    std::vector<QRawFont> fonts;
    mutable std::set<char32_t> missing;
};

#endif
