// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_APP_TERMINATIONSIGNALWATCHER_H
#define QUORLITH_APP_TERMINATIONSIGNALWATCHER_H

#include <QObject>

#include <signal.h>

class QSocketNotifier;
class QWidget;

// Ends the program on SIGTERM, SIGINT and SIGHUP (kill, Ctrl+C in the terminal, logout) as closing
// its window does: the window's close cancels the rest of the run, whose file in work finishes
// and gets its row, and saves the settings. A signal handler may do next to
// nothing, so it only writes the signal's number to a pipe; a socket notifier reads it on the GUI
// thread, closes the window and quits the application, which other open windows (the help window)
// would otherwise keep running. One watcher at a time; it restores the earlier handlers when it goes.
class TerminationSignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignalWatcher(QWidget* mainWindow);
    ~TerminationSignalWatcher() override;

private:
    void EndProgram();

    QWidget* mainWindow;
    QSocketNotifier* notifier = nullptr;
    struct sigaction previous[3];
};

#endif
