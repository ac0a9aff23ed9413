// SPDX-License-Identifier: Apache-2.0
#include "QuorlithVersion.h"
#include "app/MainWindow.h"
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
    const QString version = QStringLiteral("1.1-015");
    const QString text =
        QStringLiteral("<H3>%1 %2 %3</H3><p>%4")
            .arg(QCoreApplication::translate("QObject", "Trevalon Quorlith"))
            .arg(QCoreApplication::translate("QObject", "Version"))
            .arg(version)
            .arg(rights) +
        // What this build is and under which licence; the lines above are the product's own.
        QStringLiteral("<p>") +
        QCoreApplication::translate("AboutBox", "This build: version %1, under the Apache License, "
                                                "version 2.0.")
            .arg(QStringLiteral(QUORLITH_VERSION));
    // Stays on the window after the box closes, so later message boxes parented to it match.
    setStyleSheet(QStringLiteral("QMessageBox {font-size:10pt}"));
    QMessageBox::about(this, QCoreApplication::translate("QObject", "About Trevalon Quorlith"), text);
}
