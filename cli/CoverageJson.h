#ifndef QUORLITH_CLI_COVERAGEJSON_H
#define QUORLITH_CLI_COVERAGEJSON_H

#include "cli/Coverage.h"

#include <string>

// {"protected_bytes":N,"unprotected_ranges":[[from,to],...],"notes":[...]}, compact.
std::string CoverageJson(const Coverage& coverage);

#endif
