// SPDX-License-Identifier: Apache-2.0
#include "filelist/LocalPathBytes.h"

#include "platform/FolderListing.h"
#include "platform/ReadOnlyFile.h"
#include "platform/WorkingFolder.h"
#include "verdict/PathText.h"
#include "verdict/VerdictText.h"

#include <QFile>
#include <QStringList>

#include <string>
#include <vector>

namespace {

bool Exists(const QByteArray& path)
{
    FileStatus status;
    return StatusOfPath(path.constData(), false, &status) == 0;
}

QByteArray Join(const QByteArray& folder, const QByteArray& name)
{
    if (folder.isEmpty() || folder.endsWith('/'))
        return folder + name;
    return folder + '/' + name;
}

// The entries of folder whose names Qt decodes as name.
QList<QByteArray> EntriesDecodedAs(const QByteArray& folder, const QString& name)
{
    QList<QByteArray> matches;
    FileStatus status;
    std::vector<FolderEntry> entries;
    int listError = 0;
    if (ListFolder(
            folder.isEmpty() ? "." : folder.constData(), true, [](const std::string&) { return false; },
            &status, &entries, &listError) != 0)
        return matches;
    for (const FolderEntry& entry : entries) {
        const QByteArray entryName = QByteArray::fromStdString(entry.name);
        if (QFile::decodeName(entryName) == name)
            matches.append(Join(folder, entryName));
    }
    return matches;
}

} // namespace

QList<QByteArray> LocalPathBytes(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (!path.contains(QChar::ReplacementCharacter) || Exists(encoded))
        return {encoded};

    QList<QByteArray> candidates = {path.startsWith(QLatin1Char('/')) ? QByteArray("/") : QByteArray()};
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        QList<QByteArray> next;
        for (const QByteArray& folder : candidates) {
            const QByteArray joined = Join(folder, QFile::encodeName(part));
            if (!part.contains(QChar::ReplacementCharacter) || Exists(joined))
                next.append(joined);
            else
                next += EntriesDecodedAs(folder, part);
        }
        candidates = next;
    }
    if (candidates.isEmpty())
        return {encoded};
    return candidates;
}

QByteArray AbsolutePathBytes(const QByteArray& path)
{
    return QByteArray::fromStdString(JoinedPath(WorkingFolder(), path.toStdString(), NativePathStyle()));
}

QString ShownFileName(const QByteArray& path)
{
    return VerdictText::DisplayName(path.toStdString());
}
