// SPDX-License-Identifier: Apache-2.0
#include "verdict/KeySetJson.h"

#include "verdict/TextEscaping.h"

std::string KeySetJson(const VerificationResult& result)
{
    if (result.keySetFingerprint.empty())
        return "null";
    return "{\"name\":" + JsonString(result.keySetName) +
           ",\"fingerprint\":" + JsonString(result.keySetFingerprint) + "}";
}
