// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_STOREDORDERTEXTVIEW_H
#define QUORLITH_UI_STOREDORDERTEXTVIEW_H

#include <QPlainTextEdit>

// A read-only text view whose paths are drawn in their stored order (VerdictText::InStoredOrder): a
// selection copied from it gives the text without the marks that set the drawing order.
class StoredOrderTextView : public QPlainTextEdit
{
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

#endif
