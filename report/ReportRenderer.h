// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_REPORTRENDERER_H
#define QUORLITH_REPORT_REPORTRENDERER_H

#include "report/GlyphCheck.h"
#include "report/PageFlow.h"
#include "report/ReportAccount.h"
#include "report/ReportEntry.h"
#include "report/ReportFacts.h"
#include "verdict/RunSummary.h"
#include "verdict/SkippedEntry.h"

#include <QCoreApplication>
#include <QFont>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// Lays the report out on pages: the facts of its making, the counts, what a verdict shows, the
// summary table and one block per file, with the date and "page N of M" on every page.
class ReportRenderer
{
    Q_DECLARE_TR_FUNCTIONS(PdfReport)

public:
    // Every text goes through glyphs on its way to the page. leftOut, when given, is listed in an appendix;
    // so are the files of account that the report does not hold, which are counted on the first page.
    ReportRenderer(const ReportFacts& facts, const std::vector<ReportEntry>& entries,
                   const RunSummary& summary, const GlyphCheck& glyphs,
                   const std::vector<SkippedEntry>* leftOut = nullptr,
                   const ReportAccount* account = nullptr);

    // Without a painter only measures. Answers the number of pages used, or 0 when keepGoing, asked for
    // every file, called the layout off.
    int Render(QPagedPaintDevice* device, QPainter* painter, int pageCount,
               const std::function<bool()>& keepGoing = {}) const;

    // The time with its offset from UTC, the same digits in every language: "2026-12-10 09:15:02 UTC+01:00".
    static QString MadeText(const QDateTime& made);

private:
    void Footer(QPagedPaintDevice* device, QPainter* painter, int pageNumber, int pageCount) const;
    void Opening(PageFlow& flow) const;
    // Each key set the program verified with, its fingerprint and where it came from; each key file it
    // could not load.
    void KeySetLines(PageFlow& flow, double labelWidth) const;
    void Statement(PageFlow& flow) const;
    // One line on how names and record fields are escaped.
    void EscapesLegend(PageFlow& flow) const;
    void SummaryTable(PageFlow& flow, const std::function<bool()>& keepGoing) const;
    // The summary's verdict: with the coverage of a success that protects only part of the file.
    static QString SummaryVerdict(const VerificationResult& result);
    void FileBlock(PageFlow& flow, int number, const ReportEntry& entry) const;
    // The exhibit given as NAME=PATH whose PATH holds the file, the deepest one; empty when none does.
    std::string ExhibitOf(const std::string& path) const;
    // Whether the pages carry the case number or the examiner at their head.
    bool HasHeader() const;
    // The case details given, one label and text per line, in the report's escaping.
    std::vector<std::pair<QString, QString>> CaseLines() const;
    // The folders given, one line each.
    void GivenFolders(PageFlow& flow, double labelWidth) const;
    // How many files handed over the report does not hold, for each reason.
    void NotInReportCounts(PageFlow& flow, double labelWidth) const;
    // Every file handed over that the report does not hold, and why.
    void NotInReportAppendix(PageFlow& flow) const;
    // Why a file handed over is not in the report, in words.
    static QString NotInReportWhy(NotInReport::Why why);
    // Whether the report holds every file it was handed.
    bool HoldsAllHanded() const;
    // The entries of the folders given that the search did not take, and why.
    void LeftOutAppendix(PageFlow& flow) const;
    // Lines for the examiner's and a reviewer's or witness's name, date and signature.
    void Signatures(PageFlow& flow) const;

    // The owner of a file as "1000 (alice)", the system asked once per owner for each report.
    QString OwnerText(int64_t ownerId) const;

    FlowCell Cell(const QString& text, const QFont& font, double x, double width) const;
    // following: the height of what must stand below the heading on the same page; by default a few lines.
    void Heading(PageFlow& flow, const QString& text, double following = -1) const;

    const ReportFacts& facts;
    const std::vector<ReportEntry>& entries;
    const RunSummary& summary;
    const GlyphCheck& glyphs;
    const std::vector<SkippedEntry>* leftOut;
    const ReportAccount* account;
    mutable std::map<int64_t, QString> owners;
    QFont titleFont;
    QFont headingFont;
    QFont bodyFont;
    QFont boldFont;
    QFont monoFont;
    QFont smallFont;
    QFont smallBoldFont;
    QFont labelFont;
};

#endif
