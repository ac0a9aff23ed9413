// SPDX-License-Identifier: Apache-2.0
#include "engine/KeyRing.h"

bool AddKeySet(KeyRing* ring, std::shared_ptr<const KeySet> set)
{
    for (const std::shared_ptr<const KeySet>& present : ring->sets) {
        if (present->fingerprint == set->fingerprint)
            return false;
    }
    ring->sets.push_back(std::move(set));
    return true;
}

std::shared_ptr<const KeySet> SharedBuiltInKeySet()
{
    // Owns nothing: the built-in set is a static of its own.
    return std::shared_ptr<const KeySet>(std::shared_ptr<const KeySet>(), &BuiltInKeySet());
}

const KeyRing& BuiltInKeyRing()
{
    static const KeyRing ring{{SharedBuiltInKeySet()}};
    return ring;
}
