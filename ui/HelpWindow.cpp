// SPDX-License-Identifier: Apache-2.0
#include "ui/HelpWindow.h"

#include "resources/LanguageCode.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLocale>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow() : QWidget(nullptr), windowClosed(true)
{
    textBrowser = new QTextBrowser;
    mainLayout = new QVBoxLayout;
    // Beside the program, not beside the working directory: the pages ship with the program.
    const QStringList searchPaths{QCoreApplication::applicationDirPath() + QStringLiteral("/help")};
    mainLayout->addWidget(textBrowser);
    setLayout(mainLayout);
    setWindowTitle(QCoreApplication::translate("QObject", "Help"));
    textBrowser->setSearchPaths(searchPaths);
    const QString page = QStringLiteral("help_%1.html").arg(GetLanguageCode(QLocale::system().name()));
    textBrowser->setSource(QUrl(page, QUrl::TolerantMode));
    resize(700, 500);
}

HelpWindow::~HelpWindow()
{
    delete mainLayout;
    delete textBrowser;
}

void HelpWindow::closeEvent(QCloseEvent* event)
{
    windowClosed = true;
    event->accept();
}
