// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"
#include "ui/CMainToolBar.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>

namespace {

QAction* MakeAction(const char* iconPath, const char* text, QWidget* parent)
{
    return new QAction(QIcon(QString::fromLatin1(iconPath)), QCoreApplication::translate("QObject", text),
                       parent);
}

} // namespace

void MainWindow::CreateActions()
{
    openFilesAction =
        MakeAction(":/images/icon_add_file.png", QT_TRANSLATE_NOOP("QObject", "Open File(s)"), this);
    connect(openFilesAction, SIGNAL(triggered()), this, SLOT(OpenFiles()));
    openFolderAction =
        MakeAction(":/images/icon_add_folder.png", QT_TRANSLATE_NOOP("QObject", "Open Folder"), this);
    connect(openFolderAction, SIGNAL(triggered()), this, SLOT(OpenFolder()));
    removeFilesAction =
        MakeAction(":/images/icon_remove_file.png", QT_TRANSLATE_NOOP("QObject", "Remove File(s)"), this);
    connect(removeFilesAction, SIGNAL(triggered()), this, SLOT(RemoveFiles()));
    helpAction = MakeAction(":/images/icon_help.png", QT_TRANSLATE_NOOP("QObject", "Help"), this);
    connect(helpAction, SIGNAL(triggered()), this, SLOT(Help()));
    aboutAction = MakeAction(":/images/icon_about.png", QT_TRANSLATE_NOOP("QObject", "About"), this);
    connect(aboutAction, SIGNAL(triggered()), this, SLOT(About()));
}

void MainWindow::CreateToolBar()
{
    toolBar = new CMainToolBar(this);
    addToolBar(toolBar);
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->setStyleSheet(QStringLiteral("QToolButton {font-family: Verdana}"));
    toolBar->addAction(openFilesAction);
    toolBar->addAction(openFolderAction);
    toolBar->addAction(removeFilesAction);
    toolBar->addSeparator();
    toolBar->addAction(helpAction);
    toolBar->addAction(aboutAction);
}
