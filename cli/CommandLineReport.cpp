// SPDX-License-Identifier: Apache-2.0
#include "cli/CommandLineReport.h"

#include "platform/HeadlessGui.h"
#include "platform/LocaleSettings.h"
#include "report/ReportSeal.h"
#include "resources/LanguageCode.h"
#include "verdict/FolderHolding.h"

#include <QGuiApplication>
#include <QLocale>

#include <cstdio>

namespace {

// Qt's notes about its platform (no runtime folder, no session) are not for the examiner: standard
// error carries the tool's own errors only.
void DropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "quorlith-verify: %s\n", message.toLocal8Bit().constData());
}

} // namespace

CommandLineReport::CommandLineReport(const char* version, int argc, const char* const* argv,
                                     const std::vector<std::string>& givenPaths,
                                     const CaseDetails& caseDetails, const ReportKeySets& keySets)
{
    qInstallMessageHandler(DropQtNotes);
    // Laying out text needs a platform; the headless one needs no display, and the tool must run
    // on servers and over ssh whatever the user's environment asks for.
    qputenv("QT_QPA_PLATFORM", HeadlessGuiPlugin());
    application = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
    // The application hands the user's locale to the C library; the usual output must read as without
    // a report.
    KeepCMessagesAndNumbers();
    if (translator.load(QStringLiteral(":/translations/") + GetLanguageCode(QLocale::system().name())))
        QCoreApplication::installTranslator(&translator);

    ReportFacts facts =
        ReportFactsNow(QStringLiteral("quorlith-verify"), QString::fromLatin1(version), keySets);
    facts.commandLine = QuotedCommandLine(argc, argv);
    facts.givenPaths = givenPaths;
    this->givenPaths = givenPaths;
    facts.caseDetails = caseDetails;
    writer = std::make_unique<PdfReportWriter>(facts);
}

CommandLineReport::~CommandLineReport()
{
    writer.reset();
    QCoreApplication::removeTranslator(&translator);
}

void CommandLineReport::Add(const VerificationResult& result)
{
    writer->Add(result);
}

void CommandLineReport::LeftOut(const std::vector<SkippedEntry>& skipped)
{
    writer->LeftOut(skipped);
}

void CommandLineReport::RehashAtReportTime()
{
    writer->RehashAtReportTime();
}

void CommandLineReport::VerificationEnded()
{
    writer->VerificationEnded();
}

std::string CommandLineReport::MissingCharacters() const
{
    return writer->MissingCharacters().toStdString();
}

bool CommandLineReport::Save(const std::string& path, std::string* error,
                             const std::function<bool()>& keepGoing) const
{
    QString reason;
    writer->WrittenInside(GivenFolderHolding(path, givenPaths));
    if (writer->Save(QByteArray(path.data(), static_cast<int>(path.size())), &reason, keepGoing))
        return true;
    *error = reason.toLocal8Bit().toStdString();
    return false;
}

bool CommandLineReport::Seal(const std::string& path, std::string* hexDigest, std::string* error)
{
    QString reason;
    if (SealReport(QByteArray(path.data(), static_cast<int>(path.size())), hexDigest, &reason))
        return true;
    *error = reason.toLocal8Bit().toStdString();
    return false;
}
