// SPDX-License-Identifier: Apache-2.0
#include "verdict/FileSnapshot.h"

#include "platform/ReadOnlyFile.h"

bool FileSnapshot::TakeOfPath(const char* path)
{
    return StatusOfPath(path, true, &status) == 0;
}

bool FileSnapshot::TakeOfDescriptor(int fd)
{
    return StatusOfFile(fd, &status) == 0;
}
