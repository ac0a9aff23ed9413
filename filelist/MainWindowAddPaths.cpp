// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"

#include "filelist/LocalPathBytes.h"
#include "platform/ReadOnlyFile.h"

// A folder stands for the evidence files below it, and what could not be searched, found as "Open
// Folder" finds them; anything else, a missing path included, goes to the run as it is, which skips
// what is not a file then.
void MainWindow::AddPaths(const QStringList& paths)
{
    QList<VerificationTarget> targets;
    for (const QString& given : paths) {
        for (const QByteArray& bytes : LocalPathBytes(given)) {
            const QByteArray path = AbsolutePathBytes(bytes);
            FileStatus status;
            if (StatusOfPath(path.constData(), true, &status) == 0 && status.kind == FileKind::Folder) {
                targets += ScanFolder(path);
                continue;
            }
            VerificationTarget target;
            target.path = path.toStdString();
            targets.append(target);
        }
    }
    VerifyTargets(targets);
}
