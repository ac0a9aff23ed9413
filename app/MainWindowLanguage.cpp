// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"
#include "resources/LanguageCode.h"

#include <QCoreApplication>
#include <QLocale>

QString MainWindow::catalogueFolder = QStringLiteral(":/translations/");

// Runs before any other construction step, because every text is translated once, when it is made.
void MainWindow::LoadTranslator()
{
    const QString code = GetLanguageCode(QLocale::system().name());
    translator.load(catalogueFolder + code);
    if (translator.isEmpty()) {
        ShowMessage(QStringLiteral("Error: Can't Read local i18n File."));
    }
    // Installed even when empty: the texts then simply stay in English.
    QCoreApplication::installTranslator(&translator);
}
