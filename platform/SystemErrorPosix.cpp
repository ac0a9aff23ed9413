// SPDX-License-Identifier: Apache-2.0
#include "platform/SystemError.h"

#include <cstring>

std::string SystemErrorText(int error)
{
    char buffer[256];
    // The GNU strerror_r answers a pointer to the text, which need not be the buffer; it is thread-safe.
    return strerror_r(error, buffer, sizeof buffer);
}
