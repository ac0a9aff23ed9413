// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_REPORTSEAL_H
#define QUORLITH_REPORT_REPORTSEAL_H

#include <QByteArray>
#include <QString>

#include <string>

// The name of the file that carries a report's SHA-256: the report's own name with ".sha256" added.
QByteArray SealPath(const QByteArray& reportPath);

// The line sha256sum writes for a file of that base name, so that "sha256sum -c" checks it. A name with
// a backslash or a line break is written escaped, with a backslash before the digest, as sha256sum does.
QByteArray SealLine(const std::string& hexDigest, const QByteArray& baseName);

// Reads the report under reportPath as it lies on the disk, answers its SHA-256 in hexDigest and writes
// the sealing line whole beside it. false with the system's words in error.
bool SealReport(const QByteArray& reportPath, std::string* hexDigest, QString* error);

#endif
