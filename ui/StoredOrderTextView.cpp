// SPDX-License-Identifier: Apache-2.0
#include "ui/StoredOrderTextView.h"

#include <QMimeData>
#include <QRegularExpression>
#include <QTextDocumentFragment>

QMimeData* StoredOrderTextView::createMimeDataFromSelection() const
{
    // The escaping of names writes these four characters as \u{XXXX}: raw, they can only be the marks.
    static const QRegularExpression marks(QStringLiteral("[\\x{2066}\\x{202D}\\x{202C}\\x{2069}]"));
    auto* data = new QMimeData;
    data->setText(textCursor().selection().toPlainText().remove(marks));
    return data;
}
