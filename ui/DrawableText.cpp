// SPDX-License-Identifier: Apache-2.0
#include "ui/DrawableText.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QRawFont>
#include <QVector>

#include <vector>

namespace {

// Every installed family, opened when first needed: most names need none beyond the first.
class InstalledFonts
{
public:
    InstalledFonts() : families(QFontDatabase().families()), fonts(static_cast<size_t>(families.size())) {}

    bool AnyDraws(char32_t codePoint)
    {
        for (int i = 0; i < families.size(); ++i) {
            QRawFont& font = fonts[static_cast<size_t>(i)];
            if (!font.isValid()) {
                QFont family(families[i]);
                family.setStyleStrategy(QFont::NoFontMerging);
                font = QRawFont::fromFont(family);
            }
            if (font.isValid() && font.supportsCharacter(static_cast<uint>(codePoint)))
                return true;
        }
        return false;
    }

private:
    QStringList families;
    std::vector<QRawFont> fonts;
};

QString Escaped(char32_t codePoint)
{
    return QStringLiteral("\\u{") +
           QString::number(static_cast<uint>(codePoint), 16).toUpper().rightJustified(4, QLatin1Char('0')) +
           QLatin1Char('}');
}

} // namespace

bool DrawableText::Drawable(char32_t codePoint)
{
    // Every font the window can use draws printable ASCII; spaces and line ends are laid out, not drawn.
    if ((codePoint >= 0x20 && codePoint < 0x7F) || codePoint == U'\n' || codePoint == U'\t')
        return true;
    static InstalledFonts installed;
    static QHash<char32_t, bool> known;
    const auto found = known.constFind(codePoint);
    if (found != known.constEnd())
        return found.value();
    const bool drawable = installed.AnyDraws(codePoint);
    known.insert(codePoint, drawable);
    return drawable;
}

QString DrawableText::Of(const QString& text)
{
    const QVector<uint> codePoints = text.toUcs4();
    bool allDrawable = true;
    for (const uint codePoint : codePoints)
        allDrawable = allDrawable && Drawable(codePoint);
    if (allDrawable)
        return text;
    QString shown;
    for (const uint codePoint : codePoints)
        shown += Drawable(codePoint) ? QString::fromUcs4(&codePoint, 1) : Escaped(codePoint);
    return shown;
}
