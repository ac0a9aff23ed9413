// SPDX-License-Identifier: Apache-2.0
#include "ui/StoredOrderDelegate.h"

#include "verdict/VerdictText.h"

void StoredOrderDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!option->text.isEmpty())
        option->text = VerdictText::InStoredOrder(option->text);
}
