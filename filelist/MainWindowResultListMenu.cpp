// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"

#include "filelist/ReportExport.h"
#include "filelist/ResultListMenu.h"

#include <QCoreApplication>
#include <QTreeView>

// Remove File(s) is the tool bar's command under its own name, run by the very same slot.
void MainWindow::CreateResultListMenu()
{
    resultListMenu = new ResultListMenu(listView);
    resultListMenu->AddCommand(ResultListMenu::tr("Details..."), this, &MainWindow::ShowDetailsOfSelection);
    resultListMenu->AddCommand(ResultListMenu::tr("Copy"), resultListMenu, &ResultListMenu::CopySelectedRows);
    resultListMenu->AddCommand(ResultListMenu::tr("Open Containing Folder"), resultListMenu,
                               &ResultListMenu::OpenContainingFolder);
    resultListMenu->AddCommand(ReportExport::CommandText(), this, &MainWindow::ExportReport);
    resultListMenu->AddCommand(QCoreApplication::translate("QObject", "Remove File(s)"), this,
                               &MainWindow::RemoveFiles);
}
