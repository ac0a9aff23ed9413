// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_EXISTINGREPORT_H
#define QUORLITH_CLI_EXISTINGREPORT_H

#include <string>

// The report file or the SHA-256 file beside it (reportPath + ".sha256") that exists already, also as
// a link or anything else that is not a file; empty when neither does. A report replaces them only when
// asked to, since an earlier report may be the record of a case.
std::string ExistingReportFile(const std::string& reportPath);

#endif
