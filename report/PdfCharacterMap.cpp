// SPDX-License-Identifier: Apache-2.0
#include "report/PdfCharacterMap.h"

#include <QRegularExpression>
#include <QString>

#include <map>

namespace {

QString Text(char32_t point)
{
    const uint code = point;
    return QString::fromUcs4(&code, 1);
}

// One code point from UTF-16BE in hexadecimal, or 0 when the hexadecimal is not one.
char32_t CodePoint(const QString& hex)
{
    QString text;
    for (int i = 0; i + 4 <= hex.size(); i += 4)
        text += QChar(hex.mid(i, 4).toUShort(nullptr, 16));
    const QVector<uint> points = text.toUcs4();
    return points.size() == 1 ? points.front() : 0;
}

QByteArray Hex(char32_t point)
{
    QByteArray hex;
    for (const QChar unit : Text(point))
        hex += QByteArray::number(unit.unicode() | 0x10000, 16).mid(1).toUpper();
    return hex;
}

} // namespace

QByteArray DrawnCharacterMap(const QByteArray& content, const std::function<char32_t(char32_t)>& drawnAlike)
{
    const QString text = QString::fromLatin1(content);
    const int rangesAt = text.indexOf(QLatin1String("endcodespacerange\n"));
    const int endAt = text.indexOf(QLatin1String("endcmap"));
    if (rangesAt < 0 || endAt < rangesAt)
        return QByteArray();
    std::map<uint, char32_t> glyphs;
    // One entry to a line: a range "<first> <last> <code>", a range with its codes listed
    // "<first> <last> [<code> ...]", or one glyph "<glyph> <code>".
    static const QRegularExpression range(
        QStringLiteral("^<([0-9A-Fa-f]{4})> <([0-9A-Fa-f]{4})> <([0-9A-Fa-f]+)>$"),
        QRegularExpression::MultilineOption);
    static const QRegularExpression single(QStringLiteral("^<([0-9A-Fa-f]{4})> <([0-9A-Fa-f]+)>$"),
                                           QRegularExpression::MultilineOption);
    const QString body = text.mid(rangesAt, endAt - rangesAt);
    for (auto it = range.globalMatch(body); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const uint first = match.captured(1).toUInt(nullptr, 16);
        const uint last = match.captured(2).toUInt(nullptr, 16);
        const char32_t start = CodePoint(match.captured(3));
        for (uint glyph = first; glyph <= last && start != 0; ++glyph)
            glyphs[glyph] = start + (glyph - first);
    }
    static const QRegularExpression listed(
        QStringLiteral("^<([0-9A-Fa-f]{4})> <[0-9A-Fa-f]{4}> \\[([^\\]]*)\\]"),
        QRegularExpression::MultilineOption);
    static const QRegularExpression each(QStringLiteral("<([0-9A-Fa-f]+)>"));
    for (auto it = listed.globalMatch(body); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        uint glyph = match.captured(1).toUInt(nullptr, 16);
        for (auto point = each.globalMatch(match.captured(2)); point.hasNext(); ++glyph)
            glyphs[glyph] = CodePoint(point.next().captured(1));
    }
    for (auto it = single.globalMatch(body); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        glyphs[match.captured(1).toUInt(nullptr, 16)] = CodePoint(match.captured(2));
    }

    bool changed = false;
    for (auto& glyph : glyphs) {
        const char32_t instead = glyph.second != 0 ? drawnAlike(glyph.second) : 0;
        if (instead != 0) {
            glyph.second = instead;
            changed = true;
        }
    }
    if (!changed)
        return QByteArray();

    QByteArray map = content.left(rangesAt + int(sizeof("endcodespacerange\n")) - 1);
    std::vector<std::pair<uint, char32_t>> entries;
    for (const auto& glyph : glyphs) {
        if (glyph.second != 0)
            entries.emplace_back(glyph.first, glyph.second);
    }
    // A character map takes at most 100 entries to a block.
    for (size_t first = 0; first < entries.size(); first += 100) {
        const size_t count = std::min<size_t>(100, entries.size() - first);
        map += QByteArray::number(static_cast<qulonglong>(count)) + " beginbfchar\n";
        for (size_t i = first; i < first + count; ++i)
            map += "<" + QByteArray::number(entries[i].first | 0x10000, 16).mid(1).toUpper() + "> <" +
                   Hex(entries[i].second) + ">\n";
        map += "endbfchar\n";
    }
    return map + content.mid(endAt);
}
