// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_PATHSTYLE_H
#define QUORLITH_PLATFORM_PATHSTYLE_H

// How a system writes paths. POSIX: only / separates names, and a backslash is a byte of a name like
// any other. Windows: \ and / both separate names, no name holds either, and a path may start with a
// drive (C:\), a server's share (\\server\share) or the extended-length mark (\\?\).
enum class PathStyle
{
    Posix,
    Windows
};

PathStyle NativePathStyle();

#endif
