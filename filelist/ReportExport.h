// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_REPORTEXPORT_H
#define QUORLITH_FILELIST_REPORTEXPORT_H

#include "report/ReportAccount.h"
#include "report/ReportFacts.h"
#include "verdict/SkippedEntry.h"
#include "verdict/VerificationResult.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class BackgroundTask;
class QWidget;

// Exports rows of the result list: asks where to, verifies every file again with its SHA-256 in the same
// read and writes what that found as a PDF report, CSV or JSON Lines (the command-line tool's formats),
// on a worker thread behind a progress dialog that can cancel. The PDF also says whether each verdict
// differs from the list's. Nothing is left under the chosen name unless the whole file was written. A PDF
// gets its SHA-256 beside it, as quorlith-verify's does, and the closing message names the digest. A file
// whose verdict differs from the list's is named at the end of the export, whatever became of the file
// written, and its new result is handed back so that the list shows no verdict known to be out of date.
class ReportExport : public QObject
{
    Q_OBJECT

public:
    enum class Format
    {
        Pdf,
        Csv,
        JsonLines,
    };

    // window holds the export's dialogs; closing it stops the export as Cancel does.
    ReportExport(QWidget* window, const ReportFacts& facts);

    // The command's name where it is offered, e.g. in the list's context menu.
    static QString CommandText();

    // The entries of the folders given that the folder search did not take: a PDF lists them in its
    // appendix, as quorlith-verify's does. Without it the PDF says nothing about them.
    void LeftOut(const std::vector<SkippedEntry>& skipped);
    // The folders the list's files came from and every file handed to the window that the export does
    // not hold, and why: a PDF names them all.
    void Account(const ReportAccount& given);

    // The save dialog; false when the user cancels it.
    bool AskForFile();
    // Verifies the results' files again and writes the file; a write that fails is explained in a
    // message box. The empty sha256 of a result is filled when its file was read again in the state it
    // was verified in, also for the files read before a Cancel. A result whose verdict differs from
    // what the file got now is replaced by the new result, and its index is among VerdictsChanged's,
    // which comes before any closing message.
    void Export(std::vector<VerificationResult>* results);

    // Whether the export in work has been asked to stop: by Cancel, by closing the window or by the
    // application quitting. Asked in the window's thread and by the export's work.
    bool StopRequested() const;

    // The format named by a file name's extension (any case), or fallback when it names none.
    static Format FormatOfName(const QString& path, Format fallback);

signals:
    // From the export's worker thread, each time another thousandth of the files' bytes has been read.
    void Progress(int permille);
    // From the export's worker thread, once every file is verified again and the file is being written.
    void Writing();
    // In the window's thread: the results at these indices now hold another verdict than before.
    void VerdictsChanged(const std::vector<size_t>& indices);

private:
    struct Job;
    // Runs the job beside the event loop behind the progress dialog; true when it was asked to stop.
    bool RunJob(Job* job);
    void Work(Job* job);
    static bool WriteFile(Job* job);
    static bool WriteLines(Job* job);
    // The closing message of a PDF written: where, its SHA-256 and the file beside it that holds it.
    void ShowWrittenReport(const Job& job) const;
    // The files whose verdict changed, for the end of the closing message; empty when none did.
    QString ChangedVerdictsText() const;

    QWidget* window;
    const BackgroundTask* task = nullptr;
    ReportFacts facts;
    QString path;
    Format format = Format::Pdf;
    std::optional<std::vector<SkippedEntry>> leftOut;
    // The escaped paths of the files whose verdict changed in this export.
    QStringList changedPaths;
    std::optional<ReportAccount> account;
};

#endif
