// SPDX-License-Identifier: Apache-2.0
#include "digest/Md5LaneWidth.h"

#include <cstdlib>

namespace {

int DetectWidth()
{
#ifdef QUORLITH_MD5_LANE_KERNELS
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vl"))
        return 16;
    if (__builtin_cpu_supports("avx2"))
        return 8;
#endif
    return 1;
}

} // namespace

int Md5LaneWidthAvailable()
{
    static const int width = DetectWidth();
    return width;
}

int Md5LaneWidthFor(const char* asked, int available)
{
    if (!asked || *asked == '\0')
        return available;
    char* end = nullptr;
    const long wanted = std::strtol(asked, &end, 10);
    if (*end != '\0' || wanted < 1)
        return available;
    const long capped = wanted < available ? wanted : available;
    return capped >= 16 ? 16 : capped >= 8 ? 8 : 1;
}

int Md5LaneWidth()
{
    static const int width = Md5LaneWidthFor(std::getenv("QUORLITH_MD5_LANES"), Md5LaneWidthAvailable());
    return width;
}
