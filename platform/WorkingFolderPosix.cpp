// SPDX-License-Identifier: Apache-2.0
#include "platform/WorkingFolder.h"

#include <cstdlib>
#include <memory>
#include <unistd.h>

std::string WorkingFolder()
{
    // getcwd with no buffer allocates one as long as the path needs.
    const std::unique_ptr<char, decltype(&free)> here(getcwd(nullptr, 0), &free);
    return here ? std::string(here.get()) : std::string();
}
