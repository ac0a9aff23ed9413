// SPDX-License-Identifier: Apache-2.0
// The C library's fortified openat is an inline function of the same name, which this file replaces. A
// program built with _FORTIFY_SOURCE calls __openat_2 where the flags are not known when it is compiled,
// so that symbol is replaced too.
#undef _FORTIFY_SOURCE
#include "tests/support/SwapAtOpen.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>

namespace {

std::atomic<bool> armed{false};
std::atomic<int> swaps{0};
QByteArray swappedPath;
QByteArray folder;
QByteArray other;

bool Exchange()
{
    return renameat2(AT_FDCWD, folder.constData(), AT_FDCWD, other.constData(), RENAME_EXCHANGE) == 0;
}

} // namespace

SwapAtOpen::SwapAtOpen(const QByteArray& path, const QByteArray& otherFolder)
{
    swappedPath = path;
    folder = path.left(path.lastIndexOf('/'));
    other = otherFolder;
    swaps = 0;
    armed = true;
}

SwapAtOpen::~SwapAtOpen()
{
    armed = false;
}

int SwapAtOpen::Swaps() const
{
    return swaps;
}

extern "C" int openat(int folderFd, const char* path, int flags, ...)
{
    mode_t mode = 0;
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list arguments;
        va_start(arguments, flags);
        mode = static_cast<mode_t>(va_arg(arguments, int));
        va_end(arguments);
    }
    static const auto next =
        reinterpret_cast<int (*)(int, const char*, int, ...)>(dlsym(RTLD_NEXT, "openat"));
    if (!armed || folderFd != AT_FDCWD || std::strcmp(path, swappedPath.constData()) != 0)
        return next(folderFd, path, flags, mode);
    const bool swapped = Exchange();
    const int fd = next(folderFd, path, flags, mode);
    const int openError = errno;
    if (swapped && Exchange())
        ++swaps;
    errno = openError;
    return fd;
}

extern "C" int __openat_2(int folderFd, const char* path, int flags)
{
    return openat(folderFd, path, flags);
}
