// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_CRYPTOLIBRARYVERSION_H
#define QUORLITH_ENGINE_CRYPTOLIBRARYVERSION_H

#include <string>

// The name and version of the crypto library the program runs with, as the library itself reports it
// at run time (not the headers it was built against), e.g. "OpenSSL 3.0.17 1 Jul 2025".
std::string CryptoLibraryVersion();

#endif
