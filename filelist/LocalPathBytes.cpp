// SPDX-License-Identifier: Apache-2.0
#include "filelist/LocalPathBytes.h"

#include "platform/PathAnyLength.h"
#include "verdict/VerdictText.h"

#include <QFile>
#include <QStringList>

#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Exists(const QByteArray& path)
{
    struct stat status;
    return StatAnyLength(path.constData(), &status, false) == 0;
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
    const int fd =
        OpenAnyLength(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return matches;
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        close(fd);
        return matches;
    }
    while (const dirent* entry = readdir(dir)) {
        const QByteArray entryName(entry->d_name);
        if (QFile::decodeName(entryName) == name)
            matches.append(Join(folder, entryName));
    }
    closedir(dir);
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
    if (path.isEmpty() || path.startsWith('/'))
        return path;
    // getcwd names a working folder of any length and any bytes, which QDir::currentPath does not.
    const std::unique_ptr<char, decltype(&free)> here(getcwd(nullptr, 0), &free);
    if (!here)
        return path;
    return Join(QByteArray(here.get()), path);
}

QString ShownFileName(const QByteArray& path)
{
    return VerdictText::Display(path.mid(path.lastIndexOf('/') + 1).toStdString());
}
