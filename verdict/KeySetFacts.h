// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_KEYSETFACTS_H
#define QUORLITH_VERDICT_KEYSETFACTS_H

#include "verdict/KeySetLoading.h"

#include <string>
#include <vector>

// What a report states about one key set a program verified with; never its HMAC key. Plain values, so
// that the report module, with its own copy of the key-set code, takes them as the program saw them.
struct KeySetFacts
{
    std::string name;
    std::string fingerprint;
    KeySetSource source = KeySetSource::BuiltIn;
    // The key file's path and its SHA-256; both empty for the built-in set.
    std::string file;
    std::string fileSha256;
    int modulusBits = 0;
};

// The key sets of a run, in the order they were tried, and the key files that were not loaded.
struct ReportKeySets
{
    std::vector<KeySetFacts> sets;
    std::vector<KeySetProblem> problems;
};

ReportKeySets ReportKeySetsOf(const LoadedKeySets& loaded);

#endif
