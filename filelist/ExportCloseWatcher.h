// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_EXPORTCLOSEWATCHER_H
#define QUORLITH_FILELIST_EXPORTCLOSEWATCHER_H

#include <QObject>

#include <functional>

class QWidget;

// Keeps the user's hands off the main window while an export runs, as a window-modal dialog would,
// but lets the window be closed: Qt drops a close request from the window manager to a window that a
// modal dialog blocks, so the export's progress dialog is not modal and this stands in for it. Input
// to the window (mouse, keys, wheel, drops, shortcuts) is swallowed; closing it calls onClose, which
// cancels the export as its Cancel button does, and the window then closes as usual.
class ExportCloseWatcher : public QObject
{
    Q_OBJECT

public:
    ExportCloseWatcher(QWidget* window, std::function<void()> onClose);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window;
    std::function<void()> onClose;
};

#endif
