// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_POSIXSTATUS_H
#define QUORLITH_PLATFORM_POSIXSTATUS_H

#include "platform/FileStatus.h"

#include <sys/stat.h>

// The POSIX implementation's translation of stat(2) results.
FileKind KindOfMode(mode_t mode);
FileStatus StatusFromStat(const struct stat& found);

#endif
