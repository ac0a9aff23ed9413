// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_COMMANDLINEOPTIONS_H
#define QUORLITH_CLI_COMMANDLINEOPTIONS_H

#include "report/CaseDetails.h"

#include <string>
#include <vector>

enum class ReportFormat
{
    Text,
    JsonLines,
    Csv,
};

// What the command line asks for. Paths are kept as the bytes given, whatever their encoding.
struct CommandLineOptions
{
    enum class Action
    {
        Verify,
        ShowHelp,
        ShowVersion,
        ListKeys,
    };

    Action action = Action::Verify;
    ReportFormat format = ReportFormat::Text;
    bool sha256 = false;
    // --list-skipped: the text output ends with the folder entries the search did not take.
    bool listSkipped = false;
    // --run-record: --json begins with one line describing the run.
    bool runRecord = false;
    int jobs = 0; // 0: one per processor
    std::vector<std::string> paths;
    // Where --report writes its PDF; empty: no report.
    std::string reportPath;
    // --rehash: the report computes each file's SHA-256 again when it is written.
    bool rehash = false;
    // --overwrite: a report may replace an earlier one of its name, and the digest file beside it.
    bool overwrite = false;
    // --keys: key files or folders of key files, tried after the installed sets, in this order.
    std::vector<std::string> keyPaths;
    // --only-keys: the sets of --keys alone, without the built-in set and the key folders.
    bool onlyKeys = false;
    // What --case, --exhibit, --examiner, --organisation and --note give the report.
    CaseDetails caseDetails;
};

#endif
