// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"
#include "app/ToolkitTranslator.h"
#include "resources/LanguageCode.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

QString MainWindow::catalogueFolder = QStringLiteral(":/translations/");

// Runs before any other construction step, because every text is translated once, when it is made.
void MainWindow::LoadTranslator()
{
    const QString code = GetLanguageCode(QLocale::system().name());
    // Qt's own texts in the same language; installed first, so the program's catalogue is asked first.
    // It goes with the window, and Qt then stops asking it.
    auto* toolkit = new ToolkitTranslator(this);
    if (toolkit->Load(code, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit);
    translator.load(catalogueFolder + code);
    if (translator.isEmpty()) {
        ShowMessage(QStringLiteral("Error: Can't Read local i18n File."));
    }
    // Installed even when empty: the texts then simply stay in English.
    QCoreApplication::installTranslator(&translator);
}
