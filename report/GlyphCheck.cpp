// SPDX-License-Identifier: Apache-2.0
#include "report/GlyphCheck.h"

#include <QVector>

GlyphCheck::GlyphCheck(const QStringList& families)
{
    for (const QString& family : families) {
        QFont font(family);
        font.setStyleStrategy(QFont::NoFontMerging);
        const QRawFont raw = QRawFont::fromFont(font);
        // The font system stands another font in for a family it lacks; that one is not embedded.
        if (raw.isValid() && raw.familyName().compare(family, Qt::CaseInsensitive) == 0)
            fonts.push_back(raw);
    }
}

bool GlyphCheck::Drawable(char32_t codePoint) const
{
    // Spaces and line ends are laid out, not drawn; so is the override that keeps a path in its stored
    // order, which the escaping of names never lets through raw.
    if (codePoint == U' ' || codePoint == U'\n' || codePoint == U'\t' || codePoint == 0x2066 ||
        codePoint == 0x202D || codePoint == 0x202C || codePoint == 0x2069)
        return true;
    for (const QRawFont& font : fonts) {
        if (font.supportsCharacter(static_cast<uint>(codePoint)))
            return true;
    }
    return false;
}

QString GlyphCheck::Escaped(char32_t codePoint)
{
    return QStringLiteral("\\u{") +
           QString::number(static_cast<uint>(codePoint), 16).toUpper().rightJustified(4, QLatin1Char('0')) +
           QLatin1Char('}');
}

QString GlyphCheck::Printable(const QString& text) const
{
    QString printable;
    printable.reserve(text.size());
    const QVector<uint> codePoints = text.toUcs4();
    bool changed = false;
    for (const uint codePoint : codePoints) {
        const bool drawable = Drawable(codePoint);
        if (drawable && codePoint <= 0xFFFF) {
            if (codePoint >= 0x80)
                drawn.insert(codePoint);
            printable.append(QString::fromUcs4(&codePoint, 1));
            continue;
        }
        // Qt's PDF output names no character beyond U+FFFF in the text a reader copies: an emoji drawn
        // would come back as nothing. It is written in its escaped form, so that what is copied is what
        // is shown.
        if (!drawable)
            missing.insert(codePoint);
        printable.append(Escaped(codePoint));
        changed = true;
    }
    return changed ? printable : text;
}

char32_t GlyphCheck::DrawnAlike(char32_t point) const
{
    if (drawn.count(point))
        return 0;
    const auto glyph = [this](size_t font, char32_t character) {
        const uint code = character;
        const QVector<quint32> indexes = fonts[font].glyphIndexesForString(QString::fromUcs4(&code, 1));
        return indexes.size() == 1 ? indexes.front() : 0;
    };
    if (drawnByGlyph.empty()) {
        for (size_t font = 0; font < fonts.size(); ++font) {
            for (const char32_t character : drawn) {
                if (const quint32 index = glyph(font, character))
                    drawnByGlyph[{font, index}].insert(character);
            }
        }
    }
    std::set<char32_t> alike;
    for (size_t font = 0; font < fonts.size(); ++font) {
        const auto same = drawnByGlyph.find({font, glyph(font, point)});
        if (same != drawnByGlyph.end())
            alike.insert(same->second.begin(), same->second.end());
    }
    return alike.size() == 1 ? *alike.begin() : 0;
}

QString GlyphCheck::MissingText() const
{
    QStringList escaped;
    for (const char32_t codePoint : missing)
        escaped << Escaped(codePoint);
    return escaped.join(QLatin1Char(' '));
}
