// SPDX-License-Identifier: Apache-2.0
// A report module of the entry table's first layout, which began with the beside check and stated no
// build: exported under that layout's name, which the tool no longer looks for.
#include <string>

namespace {
bool AnswerYes(const std::string&, std::string*)
{
    return true;
}

struct OlderEntries
{
    bool (*canCreateBeside)(const std::string& path, std::string* reason);
};
} // namespace

extern "C" __attribute__((visibility("default"))) const OlderEntries* QuorlithReportModuleEntries()
{
    static const OlderEntries entries = {AnswerYes};
    return &entries;
}
