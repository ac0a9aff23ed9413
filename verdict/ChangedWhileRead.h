// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_CHANGEDWHILEREAD_H
#define QUORLITH_VERDICT_CHANGEDWHILEREAD_H

#include "verdict/FileSnapshot.h"
#include "verdict/VerificationResult.h"

// A verdict holds only when the file was one version from the first snapshot to the end of its
// reading: a file edited, replaced or removed meanwhile fails, whatever the bytes read said.

// Whether path still names the file, in the state, that before saw.
bool ReadSawOneVersion(const FileSnapshot& before, const char* path);

// Fails result because the file changed while it was read; the record fields and the coverage
// that the reading found stay, so the details still show what was read.
void FailAsChangedWhileRead(VerificationResult* result);

#endif
