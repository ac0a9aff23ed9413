// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_ENGINE_TESTKEY_H
#define QUORLITH_TESTS_ENGINE_TESTKEY_H

#include <QByteArray>

// The modulus of the test key, as the engine has it built in, read from the key file.
QByteArray TestKeyModulus();

// Raw RSA private operation with the test key on a 256-byte encoded block: the block a recorder
// would write for it. Empty on failure.
QByteArray SealWithTestKey(const QByteArray& encoded);

#endif
