// SPDX-License-Identifier: Apache-2.0
#include "filelist/PrivateCopyName.h"

#include "engine/AsciiText.h"

#include <cstring>
#include <limits>

#include <unistd.h>

namespace {
const char kPrefix[] = ".quorlith-";
const int kRandomLength = 6;

bool IsAsciiLetterOrDigit(char c)
{
    return IsAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
} // namespace

QString PrivateCopyTemplate(const QString& completeSuffix)
{
    return QLatin1String(kPrefix) + QString::number(getpid()) + QStringLiteral("-XXXXXX.") + completeSuffix;
}

pid_t PrivateCopyOwner(const char* name)
{
    if (std::strncmp(name, kPrefix, sizeof kPrefix - 1) != 0)
        return 0;
    const char* at = name + sizeof kPrefix - 1;
    if (!IsAsciiDigit(*at) || *at == '0')
        return 0;
    long long owner = 0;
    for (; IsAsciiDigit(*at); ++at) {
        owner = owner * 10 + (*at - '0');
        if (owner > std::numeric_limits<pid_t>::max())
            return 0;
    }
    if (*at++ != '-')
        return 0;
    for (int i = 0; i < kRandomLength; ++i, ++at) {
        if (!IsAsciiLetterOrDigit(*at))
            return 0;
    }
    if (*at != '.')
        return 0;
    return static_cast<pid_t>(owner);
}
