// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_KEYRING_H
#define QUORLITH_ENGINE_KEYRING_H

#include "engine/KeySet.h"

#include <memory>
#include <vector>

// The key sets a verification tries, in order. Made before verification starts and only read while
// it runs, by any number of threads.
struct KeyRing
{
    std::vector<std::shared_ptr<const KeySet>> sets;
};

// Adds set at the end unless a set with its fingerprint is there already, since two sets of the same
// keys would be tried twice and name one family twice. Answers whether it was added.
bool AddKeySet(KeyRing* ring, std::shared_ptr<const KeySet> set);

// A ring holding the built-in set alone: what verifies when nothing else is loaded.
const KeyRing& BuiltInKeyRing();

// The built-in set as a ring's member; it lives as long as the program.
std::shared_ptr<const KeySet> SharedBuiltInKeySet();

#endif
