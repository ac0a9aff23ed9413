// SPDX-License-Identifier: Apache-2.0
#include "report/PdfReportWriter.h"

#include "report/DescriptorDevice.h"
#include "report/ReportRenderer.h"
#include "report/WholeFileSave.h"
#include "verdict/VerdictText.h"

#include <QDateTime>
#include <QFileDevice>
#include <QLocale>
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
    const bool usLetter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    writer->setPageSize(QPageSize(usLetter ? QPageSize::Letter : QPageSize::A4));
    writer->setPageMargins(QMarginsF(20, 16, 20, 14), QPageLayout::Millimeter);
}

} // namespace

PdfReportWriter::PdfReportWriter(const ReportFacts& facts) : facts(facts) {}

void PdfReportWriter::Add(const VerificationResult& result)
{
    ReportEntry entry;
    entry.result = result;
    entries.push_back(entry);
    summary.Count(result.authentic);
}

void PdfReportWriter::Add(const VerificationResult& result, bool listedAuthentic)
{
    Add(result);
    entries.back().listedAuthentic = listedAuthentic;
}

void PdfReportWriter::VerificationEnded()
{
    facts.verificationEnded = QDateTime::currentDateTime();
}

bool PdfReportWriter::Write(QIODevice* device) const
{
    std::vector<ReportEntry> checked = entries;
    for (ReportEntry& entry : checked) {
        entry.state = CurrentFileState(entry.result);
        entry.stateChecked = QDateTime::currentDateTime();
    }
    QPdfWriter writer(device);
    SetUpPages(&writer, facts.caseDetails);
    ReportFacts stamped = facts;
    stamped.written = QDateTime::currentDateTime();
    const ReportRenderer renderer(stamped, checked, summary);
    // Measured first without painting, so that each page knows how many there are.
    const int pageCount = renderer.Render(&writer, nullptr, 0);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    renderer.Render(&writer, &painter, pageCount);
    return painter.end();
}

bool PdfReportWriter::Save(const QByteArray& path, QString* error,
                           const std::function<bool()>& keepGoing) const
{
    const auto write = [this](DescriptorDevice* device, QString* writeError) {
        if (Write(device) && device->ErrorNumber() == 0)
            return true;
        *writeError = device->errorString();
        return false;
    };
    return SaveWhole(path, error, write, keepGoing);
}
