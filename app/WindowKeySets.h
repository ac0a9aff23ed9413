// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_APP_WINDOWKEYSETS_H
#define QUORLITH_APP_WINDOWKEYSETS_H

#include <cstdio>

// Loads the installed key sets (the built-in set, then the system's and the user's key folders) as the
// sets the window verifies with, and writes one line on errors per key file that was not loaded, as
// quorlith-verify does. Called once at start, before the window verifies anything.
void LoadWindowKeySets(FILE* errors);

#endif
