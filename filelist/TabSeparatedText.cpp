// SPDX-License-Identifier: Apache-2.0
#include "filelist/TabSeparatedText.h"

namespace {
// OWASP, CSV Injection: a spreadsheet runs a pasted cell that starts with = + - or @ as a formula.
// A "'" in front makes it text; a cell that already starts with "'" gets one as well, so that
// exactly one leading "'" is always the added one.
QString Guarded(const QString& text)
{
    if (!text.isEmpty() && QStringLiteral("=+-@'").contains(text.front()))
        return QLatin1Char('\'') + text;
    return text;
}

QString Cell(const QString& value)
{
    const QString text = Guarded(value);
    const bool needsQuotes = text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
                             text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('"'));
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
} // namespace

QString TabSeparatedText(const QVector<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells << Cell(cell);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}
