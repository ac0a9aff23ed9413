// SPDX-License-Identifier: Apache-2.0
#include "tests/support/DeepFolders.h"

#include <QFile>
#include <QProcess>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kLevelName(200, 'l');

} // namespace

QByteArray DeepFolders::Make(const QByteArray& root, int length)
{
    int fd = Open(root);
    QByteArray path = root;
    while (fd >= 0 && path.size() < length) {
        const int next = mkdirat(fd, kLevelName.constData(), 0755) == 0
                             ? openat(fd, kLevelName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                             : -1;
        close(fd);
        fd = next;
        path += "/" + kLevelName;
    }
    if (fd < 0)
        return QByteArray();
    close(fd);
    return path;
}

int DeepFolders::Open(const QByteArray& path)
{
    int fd = open(path.startsWith('/') ? "/" : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (const QByteArray& name : path.split('/')) {
        if (fd < 0 || name.isEmpty())
            continue;
        const int next = openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        close(fd);
        fd = next;
    }
    return fd;
}

bool DeepFolders::MoveInto(const QByteArray& from, const QByteArray& folder, const QByteArray& name)
{
    const int fd = Open(folder);
    if (fd < 0)
        return false;
    const bool moved = renameat(AT_FDCWD, from.constData(), fd, name.constData()) == 0;
    close(fd);
    return moved;
}

bool DeepFolders::Remove(const QByteArray& path)
{
    QProcess rm;
    rm.start("rm", {"-rf", "--", QFile::decodeName(path)});
    struct stat status;
    return rm.waitForFinished(60000) && rm.exitCode() == 0 && lstat(path.constData(), &status) != 0;
}
