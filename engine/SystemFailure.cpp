// SPDX-License-Identifier: Apache-2.0
#include "engine/SystemFailure.h"

#include <cerrno>

bool IsSystemFailure(int error)
{
    switch (error) {
    case EMFILE:
    case ENFILE:
    case ENOMEM:
    case ENOBUFS:
    case EIO:
    // Another program holds the file locked (Windows): checking again once it lets go may succeed.
    case EBUSY:
        return true;
    default:
        return false;
    }
}
