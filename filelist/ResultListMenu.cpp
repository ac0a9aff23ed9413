// SPDX-License-Identifier: Apache-2.0
#include "filelist/ResultListMenu.h"

#include "filelist/LocalPathBytes.h"
#include "filelist/ResultRole.h"
#include "filelist/SelectedShownRows.h"
#include "filelist/TabSeparatedText.h"
#include "ui/DrawableText.h"
#include "verdict/PathText.h"
#include "verdict/VerdictText.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QHeaderView>
#include <QMessageBox>
#include <QTreeView>
#include <QUrl>

ResultListMenu::ResultListMenu(QTreeView* view) : QObject(view), view(view), menu(new QMenu(view))
{
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, &ResultListMenu::Popup);
}

void ResultListMenu::Popup(const QPoint& position)
{
    if (!view->indexAt(position).isValid())
        return;
    menu->popup(view->viewport()->mapToGlobal(position));
}

void ResultListMenu::CopySelectedRows()
{
    const QAbstractItemModel* shown = view->model();
    const QHeaderView* header = view->header();
    QVector<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical))
            columns << logical;
    }

    QVector<QStringList> rows;
    QStringList headerLine;
    for (const int column : columns)
        headerLine << shown->headerData(column, Qt::Horizontal).toString();
    // The list shows names only: the full path tells files of one name in different folders apart.
    headerLine << VerdictText::Label(VerdictText::Field::Path);
    rows << headerLine;
    for (const QModelIndex& row : SelectedShownRows(view)) {
        QStringList cells;
        for (const int column : columns)
            cells << row.sibling(row.row(), column).data().toString();
        cells << DrawableText::Of(
            VerdictText::Display(row.siblingAtColumn(0).data(kResultRole).value<VerificationResult>().path));
        rows << cells;
    }
    QApplication::clipboard()->setText(TabSeparatedText(rows));
}

void ResultListMenu::OpenContainingFolder()
{
    const QModelIndexList rows = SelectedShownRows(view);
    if (rows.isEmpty())
        return;
    const VerificationResult result = rows.first().data(kResultRole).value<VerificationResult>();
    const QByteArray path = AbsolutePathBytes(QByteArray::fromStdString(result.path));
    const QByteArray folder =
        QByteArray::fromStdString(ContainingFolder(path.toStdString(), NativePathStyle()));
    // Windows names are UTF-8 here; elsewhere the URL is percent-encoded from the bytes, so that a
    // folder whose name is not UTF-8 is named as it is.
    const QUrl url = NativePathStyle() == PathStyle::Windows
                         ? QUrl::fromLocalFile(QString::fromUtf8(folder))
                         : QUrl::fromEncoded("file://" + folder.toPercentEncoding("/"));
    if (!QDesktopServices::openUrl(url)) {
        QMessageBox::information(view->window(), QString(),
                                 tr("No file manager answered, so the folder cannot be shown: %1")
                                     .arg(VerdictText::DisplayPath(folder.toStdString())));
    }
}
