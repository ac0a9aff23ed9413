// SPDX-License-Identifier: Apache-2.0
#include "report/WholeFileSave.h"

#include "report/DescriptorDevice.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray FolderOf(const QByteArray& path)
{
    const int slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// A hidden name beside path; the descriptor is open for writing, -1 with errno set when none could be made.
int CreateTemporary(const QByteArray& path, QByteArray* temporary)
{
    const int slash = path.lastIndexOf('/');
    *temporary = path.left(slash + 1) + '.' + path.mid(slash + 1) + ".XXXXXX";
    return mkostemp(temporary->data(), O_CLOEXEC);
}

// What a new file gets from open(2) with 0666, or what the file it replaces had.
mode_t ModeFor(const QByteArray& path)
{
    struct stat status;
    if (stat(path.constData(), &status) == 0 && S_ISREG(status.st_mode))
        return status.st_mode & 07777;
    const mode_t mask = umask(022);
    umask(mask);
    return 0666 & ~mask;
}

// The rename is on the disk only once the folder is; a file system that cannot sync a folder loses nothing.
void SyncFolder(const QByteArray& path)
{
    const int folder = open(FolderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    fsync(folder);
    close(folder);
}

} // namespace

QString SystemErrorText(int errorNumber)
{
    char buffer[256];
    return QString::fromLocal8Bit(strerror_r(errorNumber, buffer, sizeof buffer));
}

bool CanCreateBeside(const QByteArray& path, QString* error)
{
    QByteArray temporary;
    const int descriptor = CreateTemporary(path, &temporary);
    if (descriptor < 0) {
        *error = SystemErrorText(errno);
        return false;
    }
    close(descriptor);
    unlink(temporary.constData());
    return true;
}

bool SaveWhole(const QByteArray& path, QString* error, const std::function<bool(DescriptorDevice*, QString*)>& write,
               const std::function<bool()>& keepGoing)
{
    QByteArray temporary;
    const int descriptor = CreateTemporary(path, &temporary);
    if (descriptor < 0) {
        *error = SystemErrorText(errno);
        return false;
    }
    const auto fail = [&](const QString& reason) {
        close(descriptor);
        unlink(temporary.constData());
        *error = reason;
        return false;
    };
    if (fchmod(descriptor, ModeFor(path)) != 0)
        return fail(SystemErrorText(errno));
    {
        DescriptorDevice device(descriptor);
        if (!write(&device, error)) {
            close(descriptor);
            unlink(temporary.constData());
            return false;
        }
        // The last bytes wait in the buffer: a full disk may show only when they reach the system.
        if (!device.Finish())
            return fail(device.errorString());
    }
    if (keepGoing && !keepGoing())
        return fail(QString());
    const int closed = close(descriptor);
    if (closed != 0) {
        const int closeError = errno;
        unlink(temporary.constData());
        *error = SystemErrorText(closeError);
        return false;
    }
    if (rename(temporary.constData(), path.constData()) != 0) {
        const int renameError = errno;
        unlink(temporary.constData());
        *error = SystemErrorText(renameError);
        return false;
    }
    SyncFolder(path);
    return true;
}
