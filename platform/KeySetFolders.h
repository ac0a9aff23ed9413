// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_KEYSETFOLDERS_H
#define QUORLITH_PLATFORM_KEYSETFOLDERS_H

#include <cstdint>
#include <string>

// The folders key sets are loaded from, the machine's first, then the user's: /etc/quorlith/keys.d
// and $XDG_CONFIG_HOME/quorlith/keys.d (~/.config/quorlith/keys.d when the variable is unset or not an
// absolute path); on Windows the program data and the roaming application data folders, each with
// "Trevalon Quorlith\keys.d". Empty when the system names no such folder. UTF-8 on Windows.
std::string SystemKeySetFolder();
std::string UserKeySetFolder();

// The numeric id of the user the program runs as, to compare with a file's owner; -1 on a system
// whose files have no numeric owner (Windows).
int64_t CurrentUserId();

#endif
