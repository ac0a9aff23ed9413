// SPDX-License-Identifier: Apache-2.0
// A build without the report module: without Qt (the Windows build here), there is no PDF to write.
#include "cli/LoadedReport.h"

std::unique_ptr<LoadedReport> LoadedReport::Start(const char*, std::string* error)
{
    *error = "this build of quorlith-verify has no PDF report (it was built without Qt)";
    return nullptr;
}

LoadedReport::~LoadedReport()
{
    entries->close(report);
}

void LoadedReport::Add(const VerificationResult& result)
{
    entries->add(report, result);
}

bool LoadedReport::Save(const std::string& path, std::string* error,
                        const std::function<bool()>& keepGoing) const
{
    return entries->save(report, path, error, keepGoing);
}
