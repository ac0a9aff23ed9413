// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_REPORTEXPORT_H
#define QUORLITH_FILELIST_REPORTEXPORT_H

#include "report/ReportFacts.h"
#include "verdict/VerificationResult.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

class QWidget;

// Exports rows of the result list: asks where to, computes the SHA-256 digests still missing and writes
// a PDF report, CSV or JSON Lines (the command-line tool's formats), on a worker thread behind a progress
// dialog that can cancel. Nothing is left under the chosen name unless the whole file was written.
class ReportExport
{
    Q_DECLARE_TR_FUNCTIONS(ReportExport)

public:
    enum class Format
    {
        Pdf,
        Csv,
        JsonLines,
    };

    ReportExport(QWidget* parent, const ReportFacts& facts);

    // The command's name where it is offered, e.g. in the list's context menu.
    static QString CommandText();

    // The save dialog; false when the user cancels it.
    bool AskForFile();
    // Fills the empty sha256 of every result whose file is still as verified, then writes the file; a
    // write that fails is explained in a message box. Digests computed before a Cancel stay filled.
    void Export(std::vector<VerificationResult>* results);

    // The format named by a file name's extension (any case), or fallback when it names none.
    static Format FormatOfName(const QString& path, Format fallback);

private:
    struct Job;
    void RunJob(Job* job);
    static bool WriteFile(Job* job);
    static bool WriteLines(Job* job);

    QWidget* parent;
    ReportFacts facts;
    QString path;
    Format format = Format::Pdf;
};

#endif
