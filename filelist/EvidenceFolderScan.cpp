#include "filelist/EvidenceFolderScan.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

bool IsEvidenceFileName(const QString& fileName)
{
    const int dot = fileName.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QString suffix = fileName.mid(dot + 1).toLower();
    return suffix == QLatin1String("mp4") || suffix == QLatin1String("mxg") || suffix == QLatin1String("avi") ||
           suffix == QLatin1String("jpg");
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
