// SPDX-License-Identifier: Apache-2.0
#include "report/PdfReportWriter.h"

#include "platform/LocaleSettings.h"
#include "report/DescriptorDevice.h"
#include "report/PdfDocumentInfo.h"
#include "report/ReportFonts.h"
#include "report/ReportRenderer.h"
#include "report/WholeFileSave.h"
#include "verdict/Sha256Reader.h"
#include "verdict/VerdictText.h"

#include <QDateTime>
#include <QFileDevice>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kResolution = 300;

void SetUpPages(QPdfWriter* writer, const CaseDetails& details)
{
    QString title = PdfReportWriter::tr("Verification report");
    if (!details.caseNumber.empty())
        title += QStringLiteral(", ") + QCoreApplication::translate("ReportCase", "Case %1")
                                            .arg(VerdictText::Display(details.caseNumber));
    writer->setResolution(kResolution);
    // PDF/A-1b: every font embedded, colours in a declared space, so that archives take the report.
    writer->setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer->setTitle(title);
    writer->setCreator(QCoreApplication::translate("QObject", "Trevalon Quorlith"));
    writer->setPageSize(QPageSize(UserPrintsOnLetter() ? QPageSize::Letter : QPageSize::A4));
    writer->setPageMargins(QMarginsF(20, 16, 20, 14), QPageLayout::Millimeter);
}

// The document's properties: what the report is about, with the exhibits, the examiner as author, the
// organisation, the note and the report's identifier, escaped as on the page; its dates are the instant
// the report names.
PdfDocumentInfo DocumentInfo(const ReportFacts& facts, const QDateTime& written, const GlyphCheck& glyphs)
{
    const CaseDetails& details = facts.caseDetails;
    PdfDocumentInfo info;
    info.reportId = facts.reportId;
    info.written = written;
    info.drawnAlike = [&glyphs](char32_t point) { return glyphs.DrawnAlike(point); };
    info.subject =
        PdfReportWriter::tr("Authenticity of video-surveillance evidence files by their recorder watermarks");
    QStringList exhibits;
    for (const std::string& exhibit : details.exhibits)
        exhibits << VerdictText::Display(exhibit);
    if (!exhibits.isEmpty())
        info.subject += QStringLiteral("; ") + QCoreApplication::translate("ReportCase", "Exhibit") +
                        QLatin1Char(' ') + exhibits.join(QStringLiteral(", "));
    info.author = VerdictText::Display(details.examiner);
    info.organisation = VerdictText::Display(details.organisation);
    info.note = VerdictText::Display(details.note);
    return info;
}

} // namespace

PdfReportWriter::PdfReportWriter(const ReportFacts& facts) : facts(facts) {}

void PdfReportWriter::Add(const VerificationResult& result)
{
    ReportEntry entry;
    entry.result = result;
    entries.push_back(entry);
    summary.Count(result);
}

void PdfReportWriter::Add(const VerificationResult& result, bool listedAuthentic)
{
    Add(result);
    entries.back().listedAuthentic = listedAuthentic;
}

void PdfReportWriter::LeftOut(const std::vector<SkippedEntry>& skipped)
{
    leftOut = skipped;
}

void PdfReportWriter::Account(const ReportAccount& given)
{
    account = given;
}

void PdfReportWriter::WrittenInside(const std::string& folder)
{
    facts.reportInsideFolder = folder;
}

void PdfReportWriter::RehashAtReportTime()
{
    rehash = true;
}

void PdfReportWriter::VerificationEnded()
{
    facts.verificationEnded = QDateTime::currentDateTime();
}

bool PdfReportWriter::Write(QIODevice* device, const std::function<bool()>& keepGoing) const
{
    // One instant for the report: the files' state is checked at it, and the pages, their footers and the
    // document's dates all name it.
    const QDateTime written = QDateTime::currentDateTime();
    std::vector<ReportEntry> checked = entries;
    for (ReportEntry& entry : checked) {
        entry.state = CurrentFileState(entry.result);
        entry.stateChecked = written;
        if (rehash && !entry.result.sha256.empty()) {
            std::string again;
            entry.sha256AtReport =
                Sha256Reader::DigestFile(entry.result.path, &again) ? again : std::string();
        }
    }
    // Qt's output passes through the tap, which keeps what the update of the document's properties needs.
    PdfTap tap(device);
    QPdfWriter writer(&tap);
    SetUpPages(&writer, facts.caseDetails);
    ReportFacts stamped = facts;
    stamped.written = written;
    glyphs = std::make_unique<GlyphCheck>(AllReportFamilies());
    const ReportRenderer renderer(stamped, checked, summary, *glyphs, leftOut ? &*leftOut : nullptr,
                                  account ? &*account : nullptr);
    // Measured first without painting, so that each page knows how many there are.
    const int pageCount = renderer.Render(&writer, nullptr, 0, keepGoing);
    if (pageCount == 0)
        return false;
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const bool whole = renderer.Render(&writer, &painter, pageCount, keepGoing) != 0;
    // Every page must have been seen on its way out, or the page tree written again would lose some.
    return painter.end() && whole && tap.Pages().size() == static_cast<size_t>(pageCount) &&
           AppendDocumentInfo(device, tap, DocumentInfo(facts, written, *glyphs));
}

QString PdfReportWriter::MissingCharacters() const
{
    return glyphs ? glyphs->MissingText() : QString();
}

bool PdfReportWriter::Save(const QByteArray& path, QString* error,
                           const std::function<bool()>& keepGoing) const
{
    // A signal or a Cancel is heard while thousands of files are laid out, not only once they are.
    const auto write = [this, &keepGoing](DescriptorDevice* device, QString* writeError) {
        if (Write(device, keepGoing) && device->ErrorNumber() == 0)
            return true;
        if (device->ErrorNumber() != 0 || !keepGoing || keepGoing())
            *writeError = device->errorString();
        return false;
    };
    return SaveWhole(path, error, write, keepGoing);
}
