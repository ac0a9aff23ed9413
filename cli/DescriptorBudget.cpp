// SPDX-License-Identifier: Apache-2.0
#include "cli/DescriptorBudget.h"

#include "platform/OpenFileRoom.h"

#include <algorithm>

namespace {

// Besides standard input, output and error: the PDF report, the fonts it loads, a folder being read.
const long kReserve = 8;
// A job holds one descriptor for the file it verifies; the second is headroom for the system's own.
const long kPerJob = 2;

} // namespace

int JobsWithinDescriptorLimit(int requested)
{
    long room = 0;
    if (!OpenFileRoom(&room))
        return std::max(requested, 1);
    return static_cast<int>(std::clamp<long>((room - kReserve) / kPerJob, 1, std::max(requested, 1)));
}
