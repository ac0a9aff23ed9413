// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_COMMANDLINEREPORT_H
#define QUORLITH_CLI_COMMANDLINEREPORT_H

#include "report/PdfReportWriter.h"

#include <QTranslator>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QGuiApplication;

// The PDF that --report writes beside the usual output: laid out without a display, in the language
// the environment's locale selects through the window's locale table (English without a catalogue).
class CommandLineReport
{
public:
    // Makes the Qt application the report needs. The report names the command line and the files
    // below the paths given on it, the case it belongs to and the key sets the tool verified with.
    CommandLineReport(const char* version, int argc, const char* const* argv,
                      const std::vector<std::string>& givenPaths, const CaseDetails& caseDetails,
                      const ReportKeySets& keySets);
    ~CommandLineReport();

    void Add(const VerificationResult& result);
    // The entries of the folders given that the search did not take, for the report's appendix.
    void LeftOut(const std::vector<SkippedEntry>& skipped);
    // Notes the end of the verification, the start being the making of this report.
    void VerificationEnded();
    void RehashAtReportTime();
    // false with the reason in error; nothing is then left under path. keepGoing, asked once the report
    // is laid out, can still drop it: false then with error empty.
    bool Save(const std::string& path, std::string* error, const std::function<bool()>& keepGoing = {}) const;
    // After Save: the characters no font of the report can draw, shown escaped; empty when there are none.
    std::string MissingCharacters() const;
    // Reads the saved report back and writes its SHA-256 beside it (path + ".sha256", in sha256sum's
    // format); false with the reason in error.
    static bool Seal(const std::string& path, std::string* hexDigest, std::string* error);

private:
    // Qt sees the program's name alone: the paths to verify are not Qt's options, even when one
    // is named like one ("-platform").
    int qtArgc = 1;
    char programName[16] = "quorlith-verify";
    char* qtArgv[2] = {programName, nullptr};
    std::unique_ptr<QGuiApplication> application;
    QTranslator translator;
    std::unique_ptr<PdfReportWriter> writer;
    // The paths given, of which a folder may hold the report itself.
    std::vector<std::string> givenPaths;
};

#endif
