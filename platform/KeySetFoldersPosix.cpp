// SPDX-License-Identifier: Apache-2.0
#include "platform/KeySetFolders.h"

#include <cstdlib>
#include <unistd.h>

std::string SystemKeySetFolder()
{
    return "/etc/quorlith/keys.d";
}

std::string UserKeySetFolder()
{
    // The XDG base directory rules: a relative XDG_CONFIG_HOME is to be ignored.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return std::string(config) + "/quorlith/keys.d";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.config/quorlith/keys.d";
    return std::string();
}

int64_t CurrentUserId()
{
    return static_cast<int64_t>(geteuid());
}
