// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_PROGRAMFOLDER_H
#define QUORLITH_PLATFORM_PROGRAMFOLDER_H

#include <string>

// The folder of the running program, from the system rather than argv[0], which may name it relatively
// or through a link; UTF-8 on Windows, the name's bytes elsewhere. Empty when it cannot be told.
std::string ProgramFolder();

#endif
