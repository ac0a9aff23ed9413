// SPDX-License-Identifier: Apache-2.0
#include "engine/BuiltInHmac.h"

#include "digest/HmacMd5.h"
#include "digest/SecureWipe.h"
#include "engine/BuiltInKeys.h"

void HmacMd5WithBuiltInKey(const unsigned char* message, uint32_t length, unsigned char mac[16])
{
    unsigned char key[kHmacKeyLength];
    AssembleHmacKey(key);
    HmacMd5(key, sizeof key, message, length, mac);
    SecureWipe(key, sizeof key);
}
