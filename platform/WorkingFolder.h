// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_WORKINGFOLDER_H
#define QUORLITH_PLATFORM_WORKINGFOLDER_H

#include <string>

// The process's working folder, of any length and any bytes (UTF-8 on Windows), which Qt's own
// answer does not keep; empty when the system cannot tell it.
std::string WorkingFolder();

#endif
