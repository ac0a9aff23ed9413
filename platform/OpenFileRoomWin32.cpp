// SPDX-License-Identifier: Apache-2.0
#include "platform/OpenFileRoom.h"

// Windows sets no per-process limit on open files that a run could reach: a job holds one handle, and
// the C runtime's table of 2,048 descriptors is far above the largest number of jobs.
bool OpenFileRoom(long*)
{
    return false;
}
