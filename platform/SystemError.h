// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_SYSTEMERROR_H
#define QUORLITH_PLATFORM_SYSTEMERROR_H

#include <string>

// The system's own words for an errno value, from any thread.
std::string SystemErrorText(int error);

#endif
