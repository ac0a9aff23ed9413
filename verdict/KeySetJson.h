// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_KEYSETJSON_H
#define QUORLITH_VERDICT_KEYSETJSON_H

#include "verdict/VerificationResult.h"

#include <string>

// The key set a verdict rests on as a JSON object, {"name":...,"fingerprint":...}, or null when no set
// opened the watermark block; the JSON Lines and the CSV output both write it.
std::string KeySetJson(const VerificationResult& result);

#endif
