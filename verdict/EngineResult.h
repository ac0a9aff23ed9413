// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_ENGINERESULT_H
#define QUORLITH_VERDICT_ENGINERESULT_H

#include "engine/WatermarkVerifier.h"
#include "verdict/VerificationResult.h"

// Puts what the engine left after Verify into result: the verdict, the reason of a failure, the eight
// record fields, the digest mode and, once the record was read, the coverage. result->file.size must hold the
// verified file's size already. Both programs turn the engine's answer into a result through this one
// function, so the window and the command line cannot disagree about a file.
void TakeEngineResult(const WatermarkVerifier& verifier, int verdict, VerificationResult* result);

#endif
