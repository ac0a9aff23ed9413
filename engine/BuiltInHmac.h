// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_BUILTINHMAC_H
#define QUORLITH_ENGINE_BUILTINHMAC_H

#include <cstdint>

// HMAC-MD5 under the recorders' built-in key: the keyed content digest the watermark carries.
void HmacMd5WithBuiltInKey(const unsigned char* message, uint32_t length, unsigned char mac[16]);

#endif
