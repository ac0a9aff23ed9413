// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_STOREDORDERDELEGATE_H
#define QUORLITH_UI_STOREDORDERDELEGATE_H

#include <QStyledItemDelegate>

// Paints a cell's text left to right in the order its characters are stored, whatever its letters: a
// file name with a right-to-left letter cannot be drawn as another name. The model's text, which
// sorting, tooltips and Copy use, stays as it is.
class StoredOrderDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

#endif
