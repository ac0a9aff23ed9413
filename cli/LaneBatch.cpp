// SPDX-License-Identifier: Apache-2.0
#include "cli/LaneBatch.h"

void LaneBatch::Start(size_t index, const VerificationTarget& target)
{
    Counted& entry = counted[index];
    entry.counter = {readInWork, 0};
    entry.progress = {InWorkCounter::Add, &entry.counter};
    verifier.Add(index, target, &entry.progress);
}

std::vector<std::pair<size_t, VerificationResult>> LaneBatch::Next()
{
    std::vector<std::pair<size_t, VerificationResult>> answer;
    for (BatchFileVerifier::Finished& finished : verifier.Next()) {
        const auto entry = counted.find(finished.tag);
        *readInWork -= entry->second.counter.mine;
        counted.erase(entry);
        answer.emplace_back(finished.tag, std::move(finished.result));
    }
    return answer;
}
