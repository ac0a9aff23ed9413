// SPDX-License-Identifier: Apache-2.0
#include "platform/OpenFileRoom.h"

#include <dirent.h>
#include <sys/resource.h>

namespace {

long OpenDescriptors()
{
    DIR* dir = opendir("/proc/self/fd");
    if (!dir)
        return 3;
    long count = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] != '.')
            ++count;
    }
    closedir(dir);
    return count - 1; // the folder's own descriptor
}

} // namespace

bool OpenFileRoom(long* room)
{
    struct rlimit limit;
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return false;
    if (limit.rlim_cur < limit.rlim_max) {
        struct rlimit raised = limit;
        raised.rlim_cur = limit.rlim_max;
        if (setrlimit(RLIMIT_NOFILE, &raised) == 0)
            limit = raised;
    }
    if (limit.rlim_cur == RLIM_INFINITY)
        return false;
    *room = static_cast<long>(limit.rlim_cur) - OpenDescriptors();
    return true;
}
