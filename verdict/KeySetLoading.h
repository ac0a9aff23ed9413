// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_KEYSETLOADING_H
#define QUORLITH_VERDICT_KEYSETLOADING_H

#include "engine/KeyRing.h"

#include <string>
#include <vector>

// Where a loaded key set came from, in the order they are tried.
enum class KeySetSource
{
    BuiltIn,
    SystemFolder,
    UserFolder,
    CommandLine,
};

// A key file that was not loaded, and why: the line is 0 where the fault is not on one line.
struct KeySetProblem
{
    std::string file;
    int line = 0;
    std::string words;
};

// The key sets a program verifies with, and the key files it could not take.
struct LoadedKeySets
{
    KeyRing ring;
    std::vector<KeySetSource> sources; // one per set of the ring
    std::vector<KeySetProblem> problems;
};

// "FILE: line N: words", or "FILE: words"; the file name as its bytes (callers escape it for display).
std::string KeySetProblemText(const KeySetProblem& problem);

// A key set decides what counts as authentic, so a planted one would make forged evidence pass: a key
// file, its public-key file, and the folder holding them are refused when a user other than the owner
// can write them, or when they belong to neither root nor the user running the program, as OpenSSH
// refuses such keys. Windows keeps neither numeric owners nor permission bits: nothing is checked there.
//
// Reads one key file (and the public-key file it names, beside it). Answers 0 and *set, or -1 and
// *problem; nothing is kept of a file that fails.
int LoadKeySetFile(const std::string& path, std::shared_ptr<const KeySet>* set, KeySetProblem* problem);

// Adds the sets of a key file, or of every "*.key" file of a folder (not hidden, in byte order of their
// names), to *sets with source, after those present; a set whose fingerprint is there already counts
// once. A file that cannot be taken adds a problem and the others go on. A folder that does not exist
// adds nothing when missingIsFine, else a problem.
void LoadKeySets(const std::string& path, KeySetSource source, bool missingIsFine, LoadedKeySets* sets);

// The built-in set, then the system's and the user's key folders.
LoadedKeySets LoadInstalledKeySets();

// The built-in set alone, as a start for a run that adds its own.
LoadedKeySets BuiltInKeySetsOnly();

// The sets this program verifies with: set once at start, before any verification begins, and only read
// afterwards. The built-in set alone until then.
const LoadedKeySets& ProgramKeySets();
void SetProgramKeySets(LoadedKeySets sets);

#endif
