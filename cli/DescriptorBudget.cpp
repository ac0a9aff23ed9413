// SPDX-License-Identifier: Apache-2.0
#include "cli/DescriptorBudget.h"

#include <algorithm>
#include <dirent.h>
#include <sys/resource.h>

namespace {

// Besides standard input, output and error: the PDF report, the fonts it loads, a folder being read.
const long kReserve = 8;
// A job holds one descriptor for the file it verifies; the second is headroom for the system's own.
const long kPerJob = 2;

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

int JobsWithinDescriptorLimit(int requested)
{
    struct rlimit limit;
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return std::max(requested, 1);
    if (limit.rlim_cur < limit.rlim_max) {
        struct rlimit raised = limit;
        raised.rlim_cur = limit.rlim_max;
        if (setrlimit(RLIMIT_NOFILE, &raised) == 0)
            limit = raised;
    }
    if (limit.rlim_cur == RLIM_INFINITY)
        return std::max(requested, 1);
    const long room = static_cast<long>(limit.rlim_cur) - OpenDescriptors() - kReserve;
    return static_cast<int>(std::clamp<long>(room / kPerJob, 1, std::max(requested, 1)));
}
