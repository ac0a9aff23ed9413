// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_APP_TERMINATIONSIGNALWATCHER_H
#define QUORLITH_APP_TERMINATIONSIGNALWATCHER_H

#include <QObject>

#include <memory>

class QWidget;

// Ends the program when the system or the user asks it to from outside the window as closing its
// window does: the window's close cancels the rest of the run, whose file in work finishes and gets
// its row, and saves the settings; then the application quits, which other open windows (the help
// window) would otherwise keep running. What is watched depends on the system: SIGTERM, SIGINT and
// SIGHUP on POSIX systems (kill, Ctrl+C in the terminal, logout), the console's Ctrl+C, Ctrl+Break
// and close on Windows. One watcher at a time; it restores the earlier handlers when it goes.
class TerminationSignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignalWatcher(QWidget* mainWindow);
    ~TerminationSignalWatcher() override;

private:
    struct SystemHandlers;

    void EndProgram();

    QWidget* mainWindow;
    std::unique_ptr<SystemHandlers> handlers;
};

#endif
