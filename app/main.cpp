// SPDX-License-Identifier: Apache-2.0
#include "QuorlithVersion.h"
#include "app/MainWindow.h"
#include "app/NoDisplayExit.h"
#include "app/SelfTestRowListing.h"
#include "app/TerminationSignalWatcher.h"
#include "app/WindowCommandLine.h"
#include "app/WindowKeySets.h"
#include "engine/CryptoLibrarySetup.h"

#include <QApplication>
#include <QIcon>
#include <QMetaType>
#include <QVector>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (!SetUpCryptoLibrary()) {
        std::fputs("quorlith: the crypto library could not be set up\n", stderr);
        return 1;
    }
    switch (WindowCommandLine::FindRequest(argc, argv)) {
    case WindowCommandLine::Request::ShowHelp:
        std::fputs(WindowCommandLine::HelpText(), stdout);
        return 0;
    case WindowCommandLine::Request::ShowVersion:
        std::puts("quorlith " QUORLITH_VERSION);
        return 0;
    case WindowCommandLine::Request::OpenWindow:
        break;
    }

    // Before the window exists, so that nothing is verified with other sets than those reported.
    LoadWindowKeySets(stderr);

    Q_INIT_RESOURCE(resources);
    qRegisterMetaType<QVector<int>>("QVector<int>");

    const QtMessageHandler previousHandler = qInstallMessageHandler(EndWithoutDisplay);
    QApplication application(argc, argv);
    qInstallMessageHandler(previousHandler);
    QCoreApplication::setOrganizationName(QStringLiteral("Trevalon"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("trevalon.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorlith"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/Authentication.png")));

    MainWindow window;
    const TerminationSignalWatcher signalWatcher(&window);
    window.show();

    // Queued, so the paths are verified from inside the event loop with the window on screen.
    const QStringList paths = WindowCommandLine::Paths(QCoreApplication::arguments());
    const bool listRowsAndQuit = IsSelfTestRowListingRequested();
    if (!paths.isEmpty() || listRowsAndQuit) {
        QMetaObject::invokeMethod(
            &window,
            [&window, paths, listRowsAndQuit] {
                if (!paths.isEmpty())
                    window.AddPaths(paths);
                if (listRowsAndQuit) {
                    PrintShownRows(window);
                    QCoreApplication::quit();
                }
            },
            Qt::QueuedConnection);
    }
    return application.exec();
}
