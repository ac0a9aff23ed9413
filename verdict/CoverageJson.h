// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_COVERAGEJSON_H
#define QUORLITH_VERDICT_COVERAGEJSON_H

#include "verdict/Coverage.h"

#include <string>

// {"protected_bytes":N,"unprotected_ranges":[[from,to],...],"notes":[...]}, compact.
std::string CoverageJson(const Coverage& coverage);

#endif
