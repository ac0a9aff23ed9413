// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"

#include "filelist/FileDialogHistory.h"

#include "filelist/EvidenceDropFilter.h"
#include "ui/CMainToolBar.h"
#include "ui/HelpWindow.h"
#include "ui/ProgressWidget.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPoint>
#include <QSettings>
#include <QSize>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>

MainWindow::MainWindow() : QMainWindow(nullptr)
{
    LoadTranslator();
    CreateResultList();
    CreateActions();
    CreateToolBar();
    ConnectDetails();
    CreateResultListMenu();
    CreateExportShortcut();
    UpdateStatusBar();
    LoadSettings();
    helpWindow = new HelpWindow;
    setWindowTitle(QCoreApplication::translate("QObject", "Trevalon Quorlith"));
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::EndWork);
    // Files and folders dropped onto the window or its list are added; the filter goes with the window.
    auto* dropFilter = new EvidenceDropFilter(this, {listView->viewport()});
    connect(dropFilter, &EvidenceDropFilter::PathsDropped, this, &MainWindow::AddPaths);
}

MainWindow::~MainWindow()
{
    delete helpWindow;
    helpWindow = nullptr;
    delete toolBar;
    toolBar = nullptr;
    delete aboutAction;
    aboutAction = nullptr;
    delete helpAction;
    helpAction = nullptr;
    delete removeFilesAction;
    removeFilesAction = nullptr;
    delete openFolderAction;
    openFolderAction = nullptr;
    delete openFilesAction;
    openFilesAction = nullptr;
    delete listModel;
    listModel = nullptr;
    delete listView;
    listView = nullptr;
    delete sortProxy;
    sortProxy = nullptr;
}

void MainWindow::ShowMessage(const QString& text)
{
    QMessageBox::information(nullptr, QString(), text, QMessageBox::Ok);
}

void MainWindow::LoadSettings()
{
    QSettings settings(QStringLiteral("Trevalon Inc."), QStringLiteral("Trevalon Quorlith"));
    const QPoint position = settings.value(QStringLiteral("Pos"), QPoint(200, 200)).toPoint();
    const QSize size = settings.value(QStringLiteral("Size"), QSize(840, 450)).toSize();
    resize(size);
    move(position);
}

void MainWindow::SaveSettings()
{
    QSettings settings(QStringLiteral("Trevalon Inc."), QStringLiteral("Trevalon Quorlith"));
    settings.setValue(QStringLiteral("Pos"), pos());
    settings.setValue(QStringLiteral("Size"), size());
}

// Closing never waits for the run: the file in work finishes, the rest is dropped as on Cancel,
// so no run goes on after the window is gone.
void MainWindow::closeEvent(QCloseEvent* event)
{
    SaveSettings();
    // Also what the export's file dialog left.
    ForgetFileDialogFolders();
    EndWork();
    event->accept();
}

QMenu* MainWindow::createPopupMenu()
{
    return nullptr;
}
