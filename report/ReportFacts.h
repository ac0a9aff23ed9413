// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_REPORTFACTS_H
#define QUORLITH_REPORT_REPORTFACTS_H

#include "report/CaseDetails.h"
#include "verdict/KeySetFacts.h"

#include <QDateTime>
#include <QString>

#include <string>
#include <vector>

// What a report says about its own making, beside the files.
struct ReportFacts
{
    QString programName; // the program's command name, e.g. "quorlith-verify"
    QString programVersion;
    QString computerName;
    // Who ran the program ("1000 (alice)"), and the time zone the local times are in, by name.
    std::string runningUser;
    QString timeZone;
    // The key sets the program verified with and the key files it could not load, as the program that
    // verified hands them over: the report code may be a module with a copy of its own.
    ReportKeySets keySets;
    // A random UUID that names this report on every one of its pages.
    QString reportId;
    CaseDetails caseDetails;
    // What the report was made with, read at run time: the system and its version, the Qt and crypto
    // libraries, and the source revision the program was built from.
    QString operatingSystem;
    QString qtVersion;
    QString cryptoLibrary;
    QString sourceRevision;
    // The known-answer self-test run as the report's verification began, and what failed in it; a report
    // whose facts were made without it says nothing about it.
    bool selfTestRun = false;
    bool selfTestPassed = false;
    std::string selfTestFailed;
    // Bytes as the system names them: the folder relative paths start from, the command line as typed
    // (empty for the window), and the paths that were given, under which the summary names each file.
    std::string workingFolder;
    std::string commandLine;
    std::vector<std::string> givenPaths;
    // The folder being verified that holds the report itself, as given; empty when none does.
    std::string reportInsideFolder;
    // Local times: when the verification of the report's files began and ended, and when the report
    // was written (set by the writer as it writes).
    QDateTime verificationStarted;
    QDateTime verificationEnded;
    QDateTime written;
};

// The facts of a report whose verification starts now, by the named program on this computer, with the
// key sets it verifies with.
ReportFacts ReportFactsNow(const QString& programName, const QString& programVersion,
                           const ReportKeySets& keySets);

// The arguments as a shell would take them again: each one that holds anything but letters, digits and
// "-_./=+,:@%" in single quotes.
std::string QuotedCommandLine(int argc, const char* const* argv);

// The absolute form of path: as it is when it is rooted (IsRootedPath), else below the working folder.
std::string AbsolutePath(const std::string& path, const std::string& workingFolder);

// path below the longest of the given folders that holds it; path itself when none does.
std::string PathBelowGiven(const std::string& path, const std::vector<std::string>& givenPaths);

#endif
