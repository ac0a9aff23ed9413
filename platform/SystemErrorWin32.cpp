// SPDX-License-Identifier: Apache-2.0
#include "platform/SystemError.h"

#include <cstring>

std::string SystemErrorText(int error)
{
    char buffer[256];
    if (strerror_s(buffer, sizeof buffer, error) != 0)
        return "error " + std::to_string(error);
    return buffer;
}
