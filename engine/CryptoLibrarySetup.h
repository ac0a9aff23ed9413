// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_CRYPTOLIBRARYSETUP_H
#define QUORLITH_ENGINE_CRYPTOLIBRARYSETUP_H

// Sets libcrypto up without the machine's OpenSSL configuration file, so that nothing local (a
// provider list, a FIPS-only set-up, or on Windows a file planted where the library looks for one)
// can change how a watermark block opens or a digest is made, and no program start pays for reading
// it. Takes effect only as the process's first use of libcrypto: each program calls it first thing.
// Answers false when libcrypto could not be set up.
bool SetUpCryptoLibrary();

#endif
