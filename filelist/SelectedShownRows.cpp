// SPDX-License-Identifier: Apache-2.0
#include "filelist/SelectedShownRows.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include <algorithm>

QModelIndexList SelectedShownRows(const QAbstractItemView* view)
{
    QModelIndexList rows = view->selectionModel()->selectedRows(0);
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    return rows;
}
