// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_SYSTEMERRORDETAIL_H
#define QUORLITH_VERDICT_SYSTEMERRORDETAIL_H

#include <string>

// The words for a system-error result: that the system failed, in the system's own words for error.
std::string SystemErrorDetail(int error);

#endif
