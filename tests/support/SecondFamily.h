// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_SUPPORT_SECONDFAMILY_H
#define QUORLITH_TESTS_SUPPORT_SECONDFAMILY_H

#include <QString>

// The tests' second recorder family (tests/keys/second-family*): its own RSA key pair and HMAC key.

// A copy of media (e.g. "still.jpg") at folder/name stamped with the second family's RSA key and
// hmacKey, by default the family's own; an empty text when stamping failed.
QString MakeSecondFamilyEvidence(const QString& folder, const QString& media, const QString& name,
                                 const char* hmacKey = "SecondFamilyHmacKey-2");

// Copies the family's key file and the public-key file it names into folder, writable by their owner
// alone, as a key folder must hold them; answers the key file's path, or an empty text on failure.
QString CopySecondFamilyKeyFile(const QString& folder);

#endif
