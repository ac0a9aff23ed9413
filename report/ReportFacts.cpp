// SPDX-License-Identifier: Apache-2.0
#include "report/ReportFacts.h"

#include "QuorlithBuild.h"
#include "engine/CryptoLibraryVersion.h"
#include "platform/UserName.h"
#include "platform/WorkingFolder.h"
#include "verdict/PathText.h"
#include "verdict/SelfTest.h"

#include <QSysInfo>
#include <QTimeZone>
#include <QUuid>

#include <cstring>

namespace {

bool PlainForTheShell(const std::string& text)
{
    if (text.empty())
        return false;
    for (const char c : text) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           std::strchr("-_./=+,:@%", c) != nullptr;
        if (!plain)
            return false;
    }
    return true;
}

// The system's zone by its IANA name, with the abbreviation in force: "Europe/Berlin (CET)".
QString TimeZoneName(const QDateTime& now)
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QString id = QString::fromUtf8(zone.id());
    const QString abbreviation = zone.abbreviation(now);
    return abbreviation.isEmpty() || abbreviation == id
               ? id
               : id + QStringLiteral(" (") + abbreviation + QLatin1Char(')');
}

} // namespace

ReportFacts ReportFactsNow(const QString& programName, const QString& programVersion,
                           const ReportKeySets& keySets)
{
    ReportFacts facts;
    facts.programName = programName;
    facts.programVersion = programVersion;
    facts.computerName = QSysInfo::machineHostName();
    facts.runningUser = RunningUser();
    facts.timeZone = TimeZoneName(QDateTime::currentDateTime());
    facts.keySets = keySets;
    facts.operatingSystem = QSysInfo::prettyProductName() + QStringLiteral(", ") + QSysInfo::kernelType() +
                            QLatin1Char(' ') + QSysInfo::kernelVersion() + QStringLiteral(", ") +
                            QSysInfo::currentCpuArchitecture();
    facts.qtVersion = QString::fromLatin1(qVersion());
    facts.cryptoLibrary = QString::fromStdString(CryptoLibraryVersion());
    facts.sourceRevision = QStringLiteral(QUORLITH_SOURCE_REVISION);
    const SelfTestOutcome selfTest = RunSelfTest();
    facts.selfTestRun = true;
    facts.selfTestPassed = selfTest.passed;
    facts.selfTestFailed = selfTest.failed;
    facts.reportId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    facts.verificationStarted = QDateTime::currentDateTime();
    facts.workingFolder = WorkingFolder();
    return facts;
}

std::string QuotedCommandLine(int argc, const char* const* argv)
{
    std::string line;
    for (int i = 0; i < argc; ++i) {
        const std::string argument = argv[i];
        if (i > 0)
            line += ' ';
        if (PlainForTheShell(argument)) {
            line += argument;
            continue;
        }
        line += '\'';
        for (const char c : argument)
            line += c == '\'' ? std::string("'\\''") : std::string(1, c);
        line += '\'';
    }
    return line;
}

std::string AbsolutePath(const std::string& path, const std::string& workingFolder)
{
    return JoinedPath(workingFolder, path, NativePathStyle());
}

std::string PathBelowGiven(const std::string& path, const std::vector<std::string>& givenPaths)
{
    const PathStyle style = NativePathStyle();
    size_t longest = 0;
    for (std::string folder : givenPaths) {
        while (folder.size() > 1 && IsPathSeparator(folder.back(), style))
            folder.pop_back();
        if (folder.empty() || path.size() <= folder.size() || path.compare(0, folder.size(), folder) != 0)
            continue;
        // The folder's own separator when it is a root (/, C:\), else the one that follows it in path.
        size_t below = folder.size();
        if (!IsPathSeparator(folder.back(), style)) {
            if (!IsPathSeparator(path[below], style))
                continue;
            ++below;
        }
        if (below > longest && below < path.size())
            longest = below;
    }
    return path.substr(longest);
}
