// SPDX-License-Identifier: Apache-2.0
#include "app/SelfTestRowListing.h"

#include <QAbstractItemModel>
#include <QStringList>
#include <QTreeView>
#include <QtGlobal>

#include <cstdio>

bool IsSelfTestRowListingRequested()
{
    return qgetenv("QUORLITH_SELF_TEST_LIST_ROWS") == "1";
}

void PrintShownRows(const QWidget& window)
{
    const QTreeView* list = window.findChild<QTreeView*>();
    if (!list)
        return;
    const QAbstractItemModel* shown = list->model();
    for (int row = 0; row < shown->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < shown->columnCount(); ++column)
            cells << shown->index(row, column).data().toString();
        std::puts(cells.join(QLatin1Char('\t')).toUtf8().constData());
    }
    std::fflush(stdout);
}
