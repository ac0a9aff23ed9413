// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_WORKINGFOLDER_H
#define QUORLITH_PLATFORM_WORKINGFOLDER_H

#include <string>

// The process's working folder, at any length (UTF-8 on Windows, the name's bytes elsewhere); empty when
// it cannot be told, as when it was removed.
std::string WorkingFolder();

#endif
