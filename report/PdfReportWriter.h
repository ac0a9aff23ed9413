// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_PDFREPORTWRITER_H
#define QUORLITH_REPORT_PDFREPORTWRITER_H

#include "report/GlyphCheck.h"
#include "report/ReportAccount.h"
#include "report/ReportEntry.h"
#include "report/ReportFacts.h"
#include "verdict/RunSummary.h"
#include "verdict/SkippedEntry.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QIODevice;

// The verification report for people: a PDF with selectable text and embedded fonts, in the installed
// translation, on A4 or Letter paper as the locale measures. Files are added in the report's order; the
// whole report is laid out when it is written, because its first page counts them all.
class PdfReportWriter
{
    Q_DECLARE_TR_FUNCTIONS(PdfReport)

public:
    explicit PdfReportWriter(const ReportFacts& facts);

    // Keeps the file's result. Whether the file is still the one verified is checked when the report
    // is written, so that a file changed later in a long run is not reported unchanged.
    void Add(const VerificationResult& result);
    // A file of the window's list verified again for the report: result is what this verification
    // found, listedAuthentic the verdict the list showed, and the report says whether they differ.
    void Add(const VerificationResult& result, bool listedAuthentic);
    // The entries of the folders given that the search did not take: the report lists them, counted per
    // ending where one ending has many, in an appendix. Without it the report says nothing about them.
    void LeftOut(const std::vector<SkippedEntry>& skipped);
    // The folders given and every file handed over that the report does not hold: the report names them
    // and counts those files apart. Without it the report's files are all it was given.
    void Account(const ReportAccount& given);
    // The report is written inside folder, a folder being verified: its facts say so.
    void WrittenInside(const std::string& folder);
    // Each file's SHA-256 is computed again as the report is written and stated beside the first, so that
    // "unchanged since verified" rests on the content, not only on the file system's facts.
    void RehashAtReportTime();
    // Notes that the verification of the report's files ended now.
    void VerificationEnded();

    // Writes the whole report: either all of it lands under path (the name's bytes) or nothing does, and
    // an existing file there is replaced only by a complete report. false with the reason in error;
    // keepGoing, asked before the report takes the name, can still drop it (error then stays empty).
    bool Save(const QByteArray& path, QString* error, const std::function<bool()>& keepGoing = {}) const;
    // Checks every file's state, then writes the report to an open device; false when the device refuses or
    // keepGoing, asked for every file while the pages are laid out, calls the report off.
    bool Write(QIODevice* device, const std::function<bool()>& keepGoing = {}) const;

    // The characters of the last report written that none of its fonts can draw, written escaped
    // instead ("\u{10000} \u{1F600}"); empty when every character printed as itself.
    QString MissingCharacters() const;

private:
    ReportFacts facts;
    std::vector<ReportEntry> entries;
    RunSummary summary;
    std::optional<std::vector<SkippedEntry>> leftOut;
    std::optional<ReportAccount> account;
    bool rehash = false;
    mutable std::unique_ptr<GlyphCheck> glyphs;
};

#endif
