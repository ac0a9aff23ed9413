// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"
#include "ui/StoredOrderDelegate.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTreeView>

void MainWindow::CreateResultList()
{
    sortProxy = new QSortFilterProxyModel;
    listView = new QTreeView;
    listView->setModel(sortProxy);

    listView->setRootIsDecorated(false);
    listView->setAlternatingRowColors(true);
    listView->setSortingEnabled(true);
    listView->setSelectionMode(QAbstractItemView::ContiguousSelection);
    listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView->setFocusPolicy(Qt::NoFocus);
    listView->sortByColumn(0, Qt::AscendingOrder);
    listView->setStyleSheet(QStringLiteral("QTreeView {border: 0px;}"));
    // A file name is drawn as stored: a right-to-left letter in it turns no part of it around.
    listView->setItemDelegateForColumn(0, new StoredOrderDelegate(listView));

    QHeaderView* header = listView->header();
    header->setCascadingSectionResizes(true);
    header->setStretchLastSection(true);
    header->setSectionsMovable(false);

    listModel = new QStandardItemModel(0, 5, listView);
    const char* const headers[] = {
        QT_TRANSLATE_NOOP("QObject", "File Name"), QT_TRANSLATE_NOOP("QObject", "Authentication Result"),
        QT_TRANSLATE_NOOP("QObject", "Start Time"), QT_TRANSLATE_NOOP("QObject", "Stop Time"),
        QT_TRANSLATE_NOOP("QObject", "Serial no")};
    for (int column = 0; column < 5; ++column)
        listModel->setHeaderData(column, Qt::Horizontal,
                                 QCoreApplication::translate("QObject", headers[column]), Qt::EditRole);

    totalCount = 0;
    succeededCount = 0;
    failedCount = 0;

    sortProxy->setSourceModel(listModel);

    const int widths[] = {200, 180, 150, 150, 150};
    for (int column = 0; column < 5; ++column)
        listView->setColumnWidth(column, widths[column]);

    setCentralWidget(listView);
}

void MainWindow::UpdateStatusBar()
{
    const QString separator = QStringLiteral(": ");
    const QString gap = QStringLiteral("  ");
    const QString line = QCoreApplication::translate("QObject", "Total files") + separator +
                         QString::number(totalCount) + gap +
                         QCoreApplication::translate("QObject", "Authentication succeeded") + separator +
                         QString::number(succeededCount) + gap +
                         QCoreApplication::translate("QObject", "Authentication failed") + separator +
                         QString::number(failedCount);
    statusBar()->showMessage(line, 0);
}
