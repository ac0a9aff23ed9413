// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FUZZ_CSVREADER_H
#define QUORLITH_FUZZ_CSVREADER_H

#include <string>
#include <vector>

// Reads text as RFC 4180 CSV: records each ending in CR LF, fields split by commas, a field in double
// quotes holding anything with each quote doubled. Strict: a quote inside an unquoted field, a bare CR
// or LF outside quotes, anything between a closing quote and the next comma or line end, or a last
// record without its CR LF make it false.
bool ReadCsv(const std::string& text, std::vector<std::vector<std::string>>* records);

#endif
