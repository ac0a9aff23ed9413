// SPDX-License-Identifier: Apache-2.0
#include "filelist/SelectedSourceRows.h"

#include <QItemSelectionModel>
#include <QSortFilterProxyModel>

#include <algorithm>

SelectedSourceRows::SelectedSourceRows(const QItemSelectionModel& selection,
                                       const QSortFilterProxyModel& proxy)
    : selection(selection), proxy(proxy)
{
    Reread();
}

void SelectedSourceRows::Reread()
{
    rows.clear();
    removed = 0;
    for (const QItemSelectionRange& range : selection.selection()) {
        for (int shownRow = range.top(); shownRow <= range.bottom(); ++shownRow) {
            const int row = proxy.mapToSource(proxy.index(shownRow, 0, range.parent())).row();
            if (row >= 0)
                rows.append(row);
        }
    }
    // Descending, so that the next row is taken off the end.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
}

int SelectedSourceRows::Next() const
{
    return rows.isEmpty() ? -1 : rows.last() - removed;
}

void SelectedSourceRows::Removed()
{
    rows.removeLast();
    ++removed;
}
