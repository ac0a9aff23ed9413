// SPDX-License-Identifier: Apache-2.0
#include "filelist/ReportExport.h"

#include "filelist/ExportCloseWatcher.h"
#include "platform/DuplicateStream.h"
#include "report/DescriptorDevice.h"
#include "report/PdfReportWriter.h"
#include "report/ReportSeal.h"
#include "report/WholeFileSave.h"
#include "ui/BackgroundTask.h"
#include "ui/DrawableText.h"
#include "verdict/BatchFileVerifier.h"
#include "verdict/CsvWriter.h"
#include "verdict/FileStateCheck.h"
#include "verdict/FileVerifier.h"
#include "verdict/FolderHolding.h"
#include "verdict/JsonLinesWriter.h"
#include "verdict/PathText.h"
#include "verdict/VerdictText.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

struct ReportExport::Job
{
    std::vector<VerificationResult>* results = nullptr;
    // What verifying the files again found, in the list's order; fewer when the export was stopped.
    std::vector<VerificationResult> checked;
    QString path;
    Format format = Format::Pdf;
    ReportFacts facts;
    std::optional<std::vector<SkippedEntry>> leftOut;
    std::optional<ReportAccount> account;
    long long bytesToHash = 0;
    // Counted by the work alone: the dialog hears of it through Progress().
    long long bytesHashed = 0;
    int permille = 0;
    ReportExport* exporter = nullptr;
    bool written = false;
    QString error;
    QString missingCharacters;
    // The written PDF's SHA-256 in hex, and why the file that holds it beside the report is missing.
    std::string digest;
    bool sealed = false;
    QString sealError;

    bool KeepGoing() const { return !exporter->StopRequested(); }
    void CountRead(int64_t count)
    {
        bytesHashed += count;
        const long long now = bytesToHash > 0 ? std::min(bytesHashed * 1000 / bytesToHash, 1000LL) : 0;
        if (now > permille)
            emit exporter->Progress(permille = static_cast<int>(now));
    }
};

namespace {

struct FormatName
{
    ReportExport::Format format;
    const char* suffix;
};

const FormatName kFormats[] = {
    {ReportExport::Format::Pdf, "pdf"},
    {ReportExport::Format::Csv, "csv"},
    {ReportExport::Format::JsonLines, "jsonl"},
};

QString SuffixOf(ReportExport::Format format)
{
    for (const FormatName& name : kFormats) {
        if (name.format == format)
            return QString::fromLatin1(name.suffix);
    }
    return QString();
}

// The deepest folder that holds every row's file: the summary names the files below it.
std::string CommonFolder(const std::vector<VerificationResult>& results)
{
    const PathStyle style = NativePathStyle();
    std::string common;
    bool first = true;
    for (const VerificationResult& result : results) {
        const std::string folder =
            result.path.substr(0, FolderPartLength(result.path, result.path.size(), style));
        if (first) {
            common = folder;
            first = false;
            continue;
        }
        size_t same = 0;
        while (same < common.size() && same < folder.size() && common[same] == folder[same])
            ++same;
        common.resize(FolderPartLength(common, same, style));
    }
    return common;
}

} // namespace

ReportExport::ReportExport(QWidget* window, const ReportFacts& facts)
    : QObject(window), window(window), facts(facts)
{
}

void ReportExport::LeftOut(const std::vector<SkippedEntry>& skipped)
{
    leftOut = skipped;
}

void ReportExport::Account(const ReportAccount& given)
{
    account = given;
}

QString ReportExport::CommandText()
{
    return tr("Export Report...");
}

ReportExport::Format ReportExport::FormatOfName(const QString& path, Format fallback)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const FormatName& name : kFormats) {
        if (suffix.compare(QLatin1String(name.suffix), Qt::CaseInsensitive) == 0)
            return name.format;
    }
    return fallback;
}

bool ReportExport::AskForFile()
{
    const QStringList filters = {tr("PDF report (*.pdf)"), tr("CSV (*.csv)"), tr("JSON Lines (*.jsonl)")};
    const auto formatOfFilter = [filters](const QString& filter) {
        return kFormats[std::max(0, static_cast<int>(filters.indexOf(filter)))].format;
    };
    QFileDialog dialog(window, tr("Export Report"), QString(), filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog gives a bare name the chosen kind's ending and asks before it replaces a file of that
    // final name, so that no export overwrites a file the user was not asked about.
    dialog.setDefaultSuffix(SuffixOf(Format::Pdf));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, formatOfFilter](const QString& filter) {
                         dialog.setDefaultSuffix(SuffixOf(formatOfFilter(filter)));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().first();
    // A name with one of the three endings is written as what its ending says, whatever the filter.
    format = FormatOfName(path, formatOfFilter(dialog.selectedNameFilter()));
    return true;
}

void ReportExport::Export(std::vector<VerificationResult>* results)
{
    Job job;
    job.results = results;
    job.path = path;
    job.format = format;
    job.facts = facts;
    job.leftOut = leftOut;
    job.account = account;
    job.facts.givenPaths = {CommonFolder(*results)};
    for (const VerificationResult& result : *results)
        job.bytesToHash += std::max<int64_t>(result.file.size, 0);
    job.exporter = this;
    const bool stopped = RunJob(&job);
    // A verdict that differs is the file's verdict now: the list takes it whole, digest and all, also
    // from an export that was stopped or not written, since the file was read all the same. Otherwise a
    // digest goes back to a row that has none only when the file was read again in the state it was
    // verified in for the list: then it is the digest of the bytes the list's verdict is about.
    std::vector<size_t> changed;
    changedPaths.clear();
    for (size_t i = 0; i < job.checked.size(); ++i) {
        VerificationResult& listed = (*results)[i];
        if (listed.authentic != job.checked[i].authentic) {
            listed = job.checked[i];
            changed.push_back(i);
            changedPaths << DrawableText::Of(VerdictText::Display(listed.path));
        } else if (listed.sha256.empty() && SameRecordedState(listed, job.checked[i])) {
            listed.sha256 = job.checked[i].sha256;
        }
    }
    if (!changed.empty())
        emit VerdictsChanged(changed);
    const QString changedText = ChangedVerdictsText();
    if (!stopped && !job.written) {
        QMessageBox::warning(
            window, tr("Export Report"),
            tr("The export could not be written to %1: %2").arg(QDir::toNativeSeparators(path), job.error) +
                changedText);
    } else if (job.written && format == Format::Pdf) {
        ShowWrittenReport(job);
    } else if (!changedText.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, tr("Export Report"), changedText.trimmed(), QMessageBox::Ok,
                        window);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box.exec();
    }
}

// A long list is cut short: the rows themselves show every changed verdict.
QString ReportExport::ChangedVerdictsText() const
{
    if (changedPaths.isEmpty())
        return QString();
    const int shown = 20;
    QString text = QStringLiteral("\n\n") +
                   tr("Verified again for this export, these files got another verdict than the list "
                      "showed; their rows now show the new verdict:");
    for (int i = 0; i < changedPaths.size() && i < shown; ++i)
        text += QLatin1Char('\n') + changedPaths[i];
    if (changedPaths.size() > shown)
        text += QLatin1Char('\n') + tr("... and %1 more.").arg(changedPaths.size() - shown);
    return text;
}

// The digest is what the examiner notes in the case file, so the box lets it be selected and copied.
void ReportExport::ShowWrittenReport(const Job& job) const
{
    const QString shownPath = QDir::toNativeSeparators(path);
    QString text = job.missingCharacters.isEmpty()
                       ? tr("The report was written to %1.").arg(shownPath)
                       : tr("The report was written to %1. It shows characters that none of its fonts "
                            "can draw in their escaped form: %2")
                             .arg(shownPath, job.missingCharacters);
    const QString sealName = QFileInfo(QFile::decodeName(SealPath(QFile::encodeName(path)))).fileName();
    const QString digest = QString::fromStdString(job.digest);
    if (job.sealed) {
        text += QStringLiteral("\n\n") + tr("Its SHA-256 is %1.").arg(digest) + QLatin1Char(' ') +
                tr("The file %1 beside it holds the same digest for sha256sum -c.").arg(sealName);
    } else {
        text += QStringLiteral("\n\n") +
                tr("Its SHA-256 could not be written beside it in %1: %2").arg(sealName, job.sealError);
        if (!digest.isEmpty())
            text += QLatin1Char(' ') + tr("Its SHA-256 is %1.").arg(digest);
    }
    // After the digest: that is what the examiner copies, and it stays in the same place.
    text += ChangedVerdictsText();
    QMessageBox box(job.sealed ? QMessageBox::Information : QMessageBox::Warning, tr("Export Report"), text,
                    QMessageBox::Ok, window);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

bool ReportExport::StopRequested() const
{
    return task != nullptr && task->StopRequested();
}

bool ReportExport::RunJob(Job* job)
{
    QProgressDialog progress(tr("Verifying the files again and computing their SHA-256 digests..."),
                             tr("Cancel"), 0, 1000, window);
    progress.setWindowTitle(tr("Export Report"));
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    // The work only reports how far it has come; the dialog hears of it in this thread.
    connect(this, &ReportExport::Progress, &progress, &QProgressDialog::setValue);
    connect(this, &ReportExport::Writing, &progress, [this, &progress] {
        progress.setLabelText(tr("Writing %1...").arg(QFileInfo(path).fileName()));
        progress.setRange(0, 0);
        progress.setValue(0);
    });

    // The verifying and the writing run beside the event loop, so the window keeps painting and the
    // dialog's Cancel is heard while thousands of files or a long clip are read. Whatever stops the
    // export asks the task, and the work only asks the task whether to go on.
    BackgroundTask worker([this, job] { Work(job); });
    task = &worker;
    connect(&progress, &QProgressDialog::canceled, &worker, &BackgroundTask::Stop);
    // Not modal, so that closing the window reaches it and stops the export; the watcher keeps
    // everything else off the window meanwhile.
    progress.setWindowModality(Qt::NonModal);
    const ExportCloseWatcher closeStops(window, [&worker] { worker.Stop(); });

    QEventLoop loop;
    connect(&worker, &BackgroundTask::Finished, &loop, &QEventLoop::quit);
    worker.Start();
    loop.exec();
    // An application that is quitting (the window closed, a termination signal) ends every event loop
    // at once: the export then stops as on Cancel instead of holding the program until it is written.
    if (!worker.IsDone())
        worker.Stop();
    worker.Wait();
    task = nullptr;
    return worker.StopRequested();
}

void ReportExport::Work(Job* job)
{
    // An export states a verdict only for the content it read: every file is verified again, with its
    // SHA-256 in the same read of one open file, exactly as quorlith-verify --sha256 does.
    job->facts.verificationStarted = QDateTime::currentDateTime();
    // The files go through the lanes of the multi-buffer MD5 several at a time, and come back in the
    // list's order.
    BatchFileVerifier verifier(true, nullptr, kMd5MaxLanes);
    // A stop is heard between two pieces of a file, so that a long clip is not read to its end first.
    const ReadProgress read{
        [](void* context, int64_t count) { static_cast<Job*>(context)->CountRead(count); }, job,
        [](void* context) { return static_cast<const Job*>(context)->KeepGoing(); }};
    const std::vector<VerificationResult>& listed = *job->results;
    std::map<size_t, VerificationResult> aheadOfTurn;
    size_t next = 0;
    for (;;) {
        for (; next < listed.size() && verifier.HasRoom() && job->KeepGoing(); ++next) {
            VerificationTarget target;
            target.path = listed[next].path;
            // What the folder search could not search is no file to read again: it keeps its reason.
            if (listed[next].foundBySearch) {
                target.problem = listed[next].reason;
                target.problemDetail = listed[next].reasonDetail;
            }
            verifier.Add(next, target, &read);
        }
        std::vector<BatchFileVerifier::Finished> finished = verifier.Next();
        if (finished.empty())
            break;
        // A file in work when the export was stopped, its reading cut short, is left out as a whole;
        // the others in work end as soon as they ask whether to go on.
        if (!job->KeepGoing())
            continue;
        for (BatchFileVerifier::Finished& one : finished)
            aheadOfTurn.emplace(one.tag, std::move(one.result));
        while (!aheadOfTurn.empty() && aheadOfTurn.begin()->first == job->checked.size()) {
            job->checked.push_back(std::move(aheadOfTurn.begin()->second));
            aheadOfTurn.erase(aheadOfTurn.begin());
        }
    }
    if (!job->KeepGoing())
        return;
    job->facts.verificationEnded = QDateTime::currentDateTime();
    emit Writing();
    job->written = WriteFile(job);
}

bool ReportExport::WriteFile(Job* job)
{
    if (job->format != Format::Pdf)
        return WriteLines(job);
    PdfReportWriter writer(job->facts);
    for (size_t i = 0; i < job->checked.size(); ++i)
        writer.Add(job->checked[i], (*job->results)[i].authentic);
    if (job->leftOut)
        writer.LeftOut(*job->leftOut);
    if (job->account) {
        writer.Account(*job->account);
        writer.WrittenInside(
            GivenFolderHolding(QFile::encodeName(job->path).toStdString(), job->account->folders));
    }
    const QByteArray encodedPath = QFile::encodeName(job->path);
    const bool saved = writer.Save(encodedPath, &job->error, [job] { return job->KeepGoing(); });
    job->missingCharacters = writer.MissingCharacters();
    // The digest of the report as it lies on the disk, in the same file beside it as quorlith-verify
    // writes, so that either program's report is checked alike.
    if (saved)
        job->sealed = SealReport(encodedPath, &job->digest, &job->sealError);
    return saved;
}

// The command-line tool's own writers, so that an export reads exactly as its --csv or --json output
// with --sha256.
bool ReportExport::WriteLines(Job* job)
{
    const auto write = [job](DescriptorDevice* device, QString* error) {
        FILE* out = WriteStreamOnDuplicate(device->Descriptor());
        if (!out) {
            *error = SystemErrorString(errno);
            return false;
        }
        std::unique_ptr<ReportWriter> writer;
        if (job->format == Format::Csv)
            writer = std::make_unique<CsvWriter>(out, true);
        else
            writer = std::make_unique<JsonLinesWriter>(out, true);
        RunSummary summary;
        writer->Begin();
        for (const VerificationResult& result : job->checked) {
            writer->Write(result);
            summary.Count(result);
        }
        writer->End(summary);
        const bool flushed = std::fflush(out) == 0 && !std::ferror(out);
        const int writeError = errno;
        const bool closed = std::fclose(out) == 0;
        if (!flushed || !closed) {
            *error = SystemErrorString(flushed ? errno : writeError);
            return false;
        }
        return true;
    };
    return SaveWhole(QFile::encodeName(job->path), &job->error, write, [job] { return job->KeepGoing(); });
}
