// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_SELECTEDSOURCEROWS_H
#define QUORLITH_FILELIST_SELECTEDSOURCEROWS_H

#include <QVector>

class QItemSelectionModel;
class QSortFilterProxyModel;

// The rows of the model behind a sorted view that are selected in the view, in part or in full,
// lowest model row first. That is the order in which a standard item model removes rows cheaply:
// an item looks for its own place starting where it last knew it to be, and the window puts every
// new row in at the top, so the search for a row is as long as the number of rows above it. Read
// once, the list stays right as long as only the caller removes rows, and only the rows it was
// given; after anything else may have happened (events were processed), read it again.
class SelectedSourceRows
{
public:
    SelectedSourceRows(const QItemSelectionModel& selection, const QSortFilterProxyModel& proxy);

    void Reread();
    // The lowest selected model row not yet removed, or -1 when none is left.
    int Next() const;
    // The row Next gave is gone: each row after it moved up by one.
    void Removed();

private:
    const QItemSelectionModel& selection;
    const QSortFilterProxyModel& proxy;
    QVector<int> rows;
    int removed = 0;
};

#endif
