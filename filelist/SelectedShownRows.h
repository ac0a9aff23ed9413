// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_SELECTEDSHOWNROWS_H
#define QUORLITH_FILELIST_SELECTEDSHOWNROWS_H

#include <QModelIndexList>

class QAbstractItemView;

// The selected rows of view in the order it shows them, top to bottom, each as the index of its first
// column in the view's own model.
QModelIndexList SelectedShownRows(const QAbstractItemView* view);

#endif
