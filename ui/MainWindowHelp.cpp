// SPDX-License-Identifier: Apache-2.0
#include "QuorlithVersion.h"
#include "app/MainWindow.h"
#include "ui/AboutVersion.h"
#include "ui/HelpWindow.h"

#include <QCoreApplication>
#include <QMessageBox>

// An open help window is left alone: not raised, not reloaded, so the user keeps their place in it.
void MainWindow::Help()
{
    if (helpWindow->windowClosed) {
        helpWindow->show();
        helpWindow->windowClosed = false;
    }
}

void MainWindow::About()
{
    const QString year = QStringLiteral("2015");
    const QString rights =
        QCoreApplication::translate("QObject", "Copyright (C) %1 Trevalon Inc. All rights reserved.")
            .arg(year);
    const QString version = AboutVersion(QStringLiteral(QUORLITH_VERSION));
    const QString text = QStringLiteral("<H3>%1 %2 %3</H3><p>%4")
                             .arg(QCoreApplication::translate("QObject", "Trevalon Quorlith"))
                             .arg(QCoreApplication::translate("QObject", "Version"))
                             .arg(version)
                             .arg(rights);
    // Stays on the window after the box closes, so later message boxes parented to it match.
    setStyleSheet(QStringLiteral("QMessageBox {font-size:10pt}"));
    QMessageBox::about(this, QCoreApplication::translate("QObject", "About Trevalon Quorlith"), text);
}
