// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_USERNAME_H
#define QUORLITH_PLATFORM_USERNAME_H

#include <cstdint>
#include <string>

// The name the system gives the user with the numeric id ownerId, as its bytes; empty when it knows
// none (an id from another system's disk, or a system without numeric owners).
std::string UserNameOf(int64_t ownerId);

// The user this program runs as, for a report's facts: "1000 (alice)" on POSIX, the account's name on
// Windows, as UTF-8 bytes.
std::string RunningUser();

#endif
