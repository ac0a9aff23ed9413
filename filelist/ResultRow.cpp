// SPDX-License-Identifier: Apache-2.0
#include "filelist/ResultRow.h"

#include "filelist/CoverageMark.h"
#include "filelist/LocalPathBytes.h"
#include "filelist/ResultRole.h"
#include "ui/DrawableText.h"
#include "verdict/VerdictText.h"

#include <QColor>
#include <QStandardItem>
#include <QTextDocument>

void ResultRow::Fill(const QList<QStandardItem*>& items, const VerificationResult& result)
{
    items[0]->setData(DrawableText::Of(ShownFileName(QByteArray::fromStdString(result.path))), Qt::EditRole);
    items[1]->setData(VerdictText::Verdict(result.authentic), Qt::EditRole);
    items[1]->setData(QColor(result.authentic ? Qt::darkGreen : Qt::red), Qt::ForegroundRole);
    // Escaped as the details window shows them, so bytes that are not text read the same in both.
    items[2]->setData(DrawableText::Of(VerdictText::Display(result.startTime)), Qt::EditRole);
    items[3]->setData(DrawableText::Of(VerdictText::Display(result.endTime)), Qt::EditRole);
    items[4]->setData(DrawableText::Of(VerdictText::Display(result.rcSerial)), Qt::EditRole);
    const CoverageMark::Kind mark = CoverageMark::Of(result);
    items[0]->setData(mark == CoverageMark::Kind::None ? QVariant() : QVariant(CoverageMark::Icon(mark)),
                      Qt::DecorationRole);
    items[0]->setData(QVariant::fromValue(result), kResultRole);
    const QString toolTip = ToolTip(result);
    for (QStandardItem* item : items)
        item->setData(toolTip, Qt::ToolTipRole);
}

QString ResultRow::ToolTip(const VerificationResult& result)
{
    QString text = VerdictText::Display(result.path);
    const QString reason = VerdictText::ToolTip(result);
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    text = DrawableText::Of(text);
    // Qt decides by the first line whether a tooltip is rich text, and a name may hold "<b>" or "&lt;".
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") +
           text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>")) + QStringLiteral("</p>");
}
