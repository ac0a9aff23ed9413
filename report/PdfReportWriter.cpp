// SPDX-License-Identifier: Apache-2.0
#include "report/PdfReportWriter.h"

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

#include <cstdint>
#include <langinfo.h>
#include <locale.h>

namespace {

constexpr int kResolution = 300;

// The paper of LC_PAPER, as the C library has it: Letter is 216 mm wide. Not the language's country
// (en_CA and es_MX print on Letter), and not Qt's measurement system, which knows only the US. The
// environment's locale is read here, not the program's current one, which is "C" until something calls
// setlocale.
bool LetterPaper()
{
    const locale_t paper = newlocale(LC_PAPER_MASK, "", static_cast<locale_t>(nullptr));
    if (paper == static_cast<locale_t>(nullptr))
        return false;
    // The width is a 32-bit word in the slot of a pointer: the rest of the slot is not set, so only the
    // word is compared.
    const bool letter =
        static_cast<uint32_t>(reinterpret_cast<uintptr_t>(nl_langinfo_l(_NL_PAPER_WIDTH, paper))) == 216;
    freelocale(paper);
    return letter;
}

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
    writer->setPageSize(QPageSize(LetterPaper() ? QPageSize::Letter : QPageSize::A4));
    writer->setPageMargins(QMarginsF(20, 16, 20, 14), QPageLayout::Millimeter);
}

// The subject and author of the document's properties: what the report is about, with the exhibits,
// and the examiner, escaped as on the page.
PdfDocumentInfo DocumentInfo(const CaseDetails& details)
{
    PdfDocumentInfo info;
    info.subject =
        PdfReportWriter::tr("Authenticity of video-surveillance evidence files by their recorder watermarks");
    QStringList exhibits;
    for (const std::string& exhibit : details.exhibits)
        exhibits << VerdictText::Display(exhibit);
    if (!exhibits.isEmpty())
        info.subject += QStringLiteral("; ") + QCoreApplication::translate("ReportCase", "Exhibit") +
                        QLatin1Char(' ') + exhibits.join(QStringLiteral(", "));
    info.author = VerdictText::Display(details.examiner);
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
    std::vector<ReportEntry> checked = entries;
    for (ReportEntry& entry : checked) {
        entry.state = CurrentFileState(entry.result);
        entry.stateChecked = QDateTime::currentDateTime();
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
    stamped.written = QDateTime::currentDateTime();
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
    return painter.end() && whole && AppendDocumentInfo(device, tap, DocumentInfo(facts.caseDetails));
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
