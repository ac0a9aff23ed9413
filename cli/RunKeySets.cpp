// SPDX-License-Identifier: Apache-2.0
#include "cli/RunKeySets.h"

#include "verdict/TextEscaping.h"

bool LoadRunKeySets(const CommandLineOptions& options, LoadedKeySets* sets, std::string* error)
{
    *sets = options.onlyKeys ? LoadedKeySets() : LoadInstalledKeySets();
    for (const std::string& path : options.keyPaths) {
        LoadedKeySets given;
        LoadKeySets(path, KeySetSource::CommandLine, false, &given);
        if (!given.problems.empty()) {
            *error = "the key set " + ToReversibleText(KeySetProblemText(given.problems.front())) +
                     (given.problems.size() > 1
                          ? " (and " + std::to_string(given.problems.size() - 1) + " more faults)"
                          : std::string());
            return false;
        }
        if (given.ring.sets.empty()) {
            *error = "the key folder " + ToReversibleText(path) + " holds no key file (*.key)";
            return false;
        }
        for (size_t i = 0; i < given.ring.sets.size(); ++i) {
            if (AddKeySet(&sets->ring, given.ring.sets[i]))
                sets->sources.push_back(KeySetSource::CommandLine);
        }
    }
    return true;
}

const char* KeySetSourceWords(KeySetSource source)
{
    switch (source) {
    case KeySetSource::BuiltIn:
        return "built in";
    case KeySetSource::SystemFolder:
        return "system folder";
    case KeySetSource::UserFolder:
        return "user folder";
    case KeySetSource::CommandLine:
        return "--keys";
    }
    return "";
}

void PrintKeySets(const LoadedKeySets& sets, FILE* out)
{
    for (size_t i = 0; i < sets.ring.sets.size(); ++i) {
        const KeySet& set = *sets.ring.sets[i];
        std::fprintf(out, "%s  fingerprint %s  %s", ToReversibleText(set.name).c_str(),
                     set.fingerprint.c_str(), KeySetSourceWords(sets.sources[i]));
        if (!set.file.empty())
            std::fprintf(out, " %s (SHA-256 %s)", ToReversibleText(set.file).c_str(), set.fileSha256.c_str());
        std::fprintf(out, "  RSA %zu bits\n", set.publicKey.modulusBytes * 8);
    }
}

void PrintKeySetProblems(const LoadedKeySets& sets, FILE* errors)
{
    for (const KeySetProblem& problem : sets.problems)
        std::fprintf(errors, "quorlith-verify: key set not loaded: %s\n",
                     ToReversibleText(KeySetProblemText(problem)).c_str());
}
