// SPDX-License-Identifier: Apache-2.0
#include "app/WindowKeySets.h"

#include "verdict/KeySetLoading.h"
#include "verdict/TextEscaping.h"

#include <utility>

void LoadWindowKeySets(FILE* errors)
{
    LoadedKeySets sets = LoadInstalledKeySets();
    for (const KeySetProblem& problem : sets.problems)
        std::fprintf(errors, "quorlith: key set not loaded: %s\n",
                     ToReversibleText(KeySetProblemText(problem)).c_str());
    SetProgramKeySets(std::move(sets));
}
