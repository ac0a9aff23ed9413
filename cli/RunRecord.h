// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_RUNRECORD_H
#define QUORLITH_CLI_RUNRECORD_H

#include "verdict/KeySetFacts.h"

#include <ctime>
#include <string>

// The first line of --json --run-record: one JSON object describing the run, {"run":{...}}, with the
// program, its version and source revision, when the run started (UTC, ISO 8601) and every key set it
// verifies with (name, fingerprint, where it came from, its key file and that file's SHA-256, the RSA
// modulus size). Only when asked for, so that readers of the per-file lines alone are not surprised.
std::string RunRecordLine(const char* version, const char* sourceRevision, std::time_t started,
                          const ReportKeySets& keySets);

#endif
