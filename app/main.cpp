#include "app/MainWindow.h"
#include "app/TerminationSignalWatcher.h"
#include "filelist/StaleCopySweep.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMetaType>
#include <QVector>

int main(int argc, char* argv[])
{
    Q_INIT_RESOURCE(resources);
    qRegisterMetaType<QVector<int>>("QVector<int>");

    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Trevalon"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("trevalon.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorlith"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/Authentication.png")));

    // Copies left here by an earlier run that was killed outright.
    RemoveStaleCopies(QDir::currentPath());

    MainWindow window;
    const TerminationSignalWatcher signalWatcher(&window);
    window.show();
    return application.exec();
}
