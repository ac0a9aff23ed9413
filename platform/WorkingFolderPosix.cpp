// SPDX-License-Identifier: Apache-2.0
#include "platform/WorkingFolder.h"

#include <cerrno>
#include <unistd.h>
#include <vector>

std::string WorkingFolder()
{
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return std::string();
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data());
}
