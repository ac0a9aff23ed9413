// SPDX-License-Identifier: Apache-2.0
#include "platform/UserName.h"

// Windows names owners by security identifier, not by a number: the status carries no owner id.
std::string UserNameOf(int64_t)
{
    return std::string();
}
