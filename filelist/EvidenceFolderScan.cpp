// SPDX-License-Identifier: Apache-2.0
#include "filelist/EvidenceFolderScan.h"

#include "verdict/EvidenceName.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

bool IsEvidenceFileName(const QString& fileName)
{
    return IsEvidenceName(fileName.toStdString());
}

QStringList ScanEvidenceFolder(const QString& folder, const std::function<bool()>& afterEachEntry)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo entry = it.fileInfo();
        if (IsEvidenceFileName(entry.fileName()))
            found.append(entry.filePath());
        if (afterEachEntry && !afterEachEntry())
            break;
    }
    return found;
}
