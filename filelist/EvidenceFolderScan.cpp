// SPDX-License-Identifier: Apache-2.0
#include "filelist/EvidenceFolderScan.h"

#include "engine/AsciiText.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

bool IsEvidenceFileName(const QString& fileName)
{
    const int dot = fileName.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    // Lowered as ASCII bytes, as the engine compares extensions: QString::toLower folds by Unicode
    // rules (the Kelvin sign becomes 'k'), which the engine does not.
    const std::string suffix = AsciiLower(fileName.mid(dot + 1).toStdString());
    return suffix == "mp4" || suffix == "mxg" || suffix == "avi" || suffix == "jpg";
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
