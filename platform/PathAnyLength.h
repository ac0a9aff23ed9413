// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_PATHANYLENGTH_H
#define QUORLITH_PLATFORM_PATHANYLENGTH_H

#include <sys/stat.h>

// open(2) and stat(2) for paths of any length. The system refuses a path of PATH_MAX bytes or more
// with ENAMETOOLONG, yet folders nest deeper than that and evidence lies in them. Such a path is
// resolved in pieces shorter than PATH_MAX, each from the folder the one before it reached, with at
// most two descriptors open on the way, both closed again before the call returns. Below PATH_MAX
// these are the plain system calls. Symbolic links are followed as by one call over the whole
// path. Failure as the system calls: -1 with errno set.

// Opens an existing file (flags without O_CREAT or O_TMPFILE, which would need a mode).
int OpenAnyLength(const char* path, int flags);

// 0 or -1. Without followLinks a link at the end of the path is described itself, as by lstat(2).
int StatAnyLength(const char* path, struct stat* status, bool followLinks);

#endif
