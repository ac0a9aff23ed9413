// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_RUNKEYSETS_H
#define QUORLITH_CLI_RUNKEYSETS_H

#include "cli/CommandLineOptions.h"
#include "verdict/KeySetLoading.h"

#include <cstdio>
#include <string>

// The key sets of one run: the built-in set and the key folders' (none with --only-keys), then those of
// --keys in the order given. A --keys file that cannot be used, or a --keys folder without a key file,
// makes the run a usage error before any file is verified: false and *error naming the file, the line
// and the fault. A key folder's fault is kept in sets->problems and does not stop the run.
bool LoadRunKeySets(const CommandLineOptions& options, LoadedKeySets* sets, std::string* error);

// Where a set came from, in words: "built in", "system folder", "user folder", "--keys".
const char* KeySetSourceWords(KeySetSource source);

// One line per set for --list-keys: name, fingerprint, where it came from (with the key file and its
// SHA-256) and the modulus size; never the HMAC key. Names and paths in the reversible escaping.
void PrintKeySets(const LoadedKeySets& sets, FILE* out);

// One line on errors per key file that was not loaded, and why.
void PrintKeySetProblems(const LoadedKeySets& sets, FILE* errors);

#endif
