// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"

#include <QFileInfo>

// A folder stands for the evidence files below it, found as "Open Folder" finds them; anything
// else, a missing path included, goes to the run as it is, which skips what is not a file then.
void MainWindow::AddPaths(const QStringList& paths)
{
    QStringList files;
    for (const QString& path : paths) {
        // Absolute, so that a row's details and reports name the file wherever the program runs later.
        const QFileInfo entry(path);
        if (entry.isDir())
            files += ScanFolder(entry.absoluteFilePath());
        else
            files.append(entry.absoluteFilePath());
    }
    VerifyFiles(files);
}
