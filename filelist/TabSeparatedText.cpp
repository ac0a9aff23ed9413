// SPDX-License-Identifier: Apache-2.0
#include "filelist/TabSeparatedText.h"

#include "verdict/TextEscaping.h"

namespace {
// A spreadsheet runs a pasted cell that starts like a formula; a "'" in front makes it text, as in
// the CSV reports.
QString Guarded(const QString& text)
{
    if (StartsLikeFormula(text.left(1).toStdString()))
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
