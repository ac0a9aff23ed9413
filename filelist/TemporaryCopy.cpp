// SPDX-License-Identifier: Apache-2.0
#include "filelist/TemporaryCopy.h"

#include "filelist/PrivateCopyName.h"

#include <QDir>
#include <QFile>
#include <QIODevice>

#include <vector>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const qint64 kCopyBufferSize = 16000;

// A sweep that took the lock in the instant between the creation and our lock has removed the
// name; a copy nobody can open by its name is no copy.
bool NameStillLeadsTo(const QTemporaryFile& file)
{
    struct stat opened;
    struct stat named;
    return fstat(file.handle(), &opened) == 0 &&
           stat(QFile::encodeName(file.fileName()).constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}
} // namespace

TemporaryCopy::TemporaryCopy(const QFileInfo& original)
    : copy(QDir::current().filePath(PrivateCopyTemplate(original.completeSuffix())))
{
    copy.setAutoRemove(false);
    madeInFull = MakeCopy(original);
    if (madeInFull) {
        pathToVerify = copy.fileName();
    } else {
        Remove();
        pathToVerify = original.filePath();
    }
}

TemporaryCopy::~TemporaryCopy()
{
    Remove();
}

// The name goes before the descriptor closes, so the lock that tells a sweep the copy is in use
// lasts as long as the copy can be found.
void TemporaryCopy::Remove()
{
    if (copy.isOpen()) {
        unlink(QFile::encodeName(copy.fileName()).constData());
        copy.close();
    }
}

bool TemporaryCopy::MakeCopy(const QFileInfo& original)
{
    QFile source(original.filePath());
    if (!source.open(QIODevice::ReadOnly))
        return false;
    if (!copy.open())
        return false;
    // Held until the copy is removed: a start-up sweep, perhaps on another machine sharing this
    // folder, leaves a locked copy alone whatever its name says about the owner.
    if (flock(copy.handle(), LOCK_EX | LOCK_NB) != 0 || !NameStillLeadsTo(copy))
        return false;
    return CopyAll(source, copy) && copy.flush() && copy.error() == QFileDevice::NoError;
}

bool TemporaryCopy::CopyAll(QIODevice& from, QIODevice& to)
{
    std::vector<char> buffer(kCopyBufferSize);
    for (;;) {
        const qint64 got = from.read(buffer.data(), kCopyBufferSize);
        if (got < 0)
            return false;
        if (got == 0)
            return from.atEnd();
        if (to.write(buffer.data(), got) != got)
            return false;
    }
}
