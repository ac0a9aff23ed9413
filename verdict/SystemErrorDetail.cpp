// SPDX-License-Identifier: Apache-2.0
#include "verdict/SystemErrorDetail.h"

#include <cstring>

std::string SystemErrorDetail(int error)
{
    char buffer[256];
    // The GNU strerror_r answers a pointer to the text, which need not be the buffer; it is thread-safe.
    const char* words = strerror_r(error, buffer, sizeof buffer);
    return std::string("the system failed while the file was checked (") + words +
           "); nothing is known about the file itself";
}
