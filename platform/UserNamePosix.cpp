// SPDX-License-Identifier: Apache-2.0
#include "platform/UserName.h"

#include <cerrno>
#include <pwd.h>
#include <unistd.h>
#include <vector>

std::string UserNameOf(int64_t ownerId)
{
    if (ownerId < 0)
        return std::string();
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 1024);
    struct passwd entry;
    struct passwd* found = nullptr;
    int error = 0;
    while ((error = getpwuid_r(static_cast<uid_t>(ownerId), &entry, buffer.data(), buffer.size(), &found)) ==
               ERANGE &&
           buffer.size() < (1u << 20))
        buffer.resize(buffer.size() * 2);
    return error == 0 && found != nullptr && found->pw_name != nullptr ? std::string(found->pw_name)
                                                                       : std::string();
}

std::string RunningUser()
{
    const uid_t id = geteuid();
    const std::string name = UserNameOf(id);
    return std::to_string(id) + (name.empty() ? std::string() : " (" + name + ")");
}
