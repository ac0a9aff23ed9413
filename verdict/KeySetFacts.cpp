// SPDX-License-Identifier: Apache-2.0
#include "verdict/KeySetFacts.h"

ReportKeySets ReportKeySetsOf(const LoadedKeySets& loaded)
{
    ReportKeySets facts;
    for (size_t i = 0; i < loaded.ring.sets.size(); ++i) {
        const KeySet& set = *loaded.ring.sets[i];
        KeySetFacts one;
        one.name = set.name;
        one.fingerprint = set.fingerprint;
        one.source = i < loaded.sources.size() ? loaded.sources[i] : KeySetSource::BuiltIn;
        one.file = set.file;
        one.fileSha256 = set.fileSha256;
        one.modulusBits = static_cast<int>(set.publicKey.modulusBytes * 8);
        facts.sets.push_back(one);
    }
    facts.problems = loaded.problems;
    return facts;
}
