// SPDX-License-Identifier: Apache-2.0
#include "report/ReportRenderer.h"

#include "verdict/VerdictText.h"

#include <QDateTime>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

const QColor kSucceededColor(0x1b, 0x5e, 0x20);
const QColor kFailedColor(0xa3, 0x17, 0x17);

QFont MakeFont(const char* family, double points, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    // Any letter spacing makes Qt set no ligatures: with "fi" as one glyph, a search of the PDF or its
    // extracted text for "file" or "verification" would miss.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    return font;
}

QString StatusWords(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

QString FileName(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return VerdictText::Display(slash == std::string::npos ? path : path.substr(slash + 1));
}

// A file that is gone can no longer be the one that was verified, the same as one that changed.
bool IsNoLongerVerified(FileState state)
{
    return state == FileState::Changed || state == FileState::Unreadable;
}

} // namespace

ReportRenderer::ReportRenderer(const ReportFacts& facts, const std::vector<ReportEntry>& entries,
                               const RunSummary& summary)
    : facts(facts), entries(entries), summary(summary), titleFont(MakeFont("DejaVu Serif", 17, true)),
      headingFont(MakeFont("DejaVu Serif", 12, true)), bodyFont(MakeFont("DejaVu Sans", 9, false)),
      boldFont(MakeFont("DejaVu Sans", 9, true)), monoFont(MakeFont("DejaVu Sans Mono", 8.5, false)),
      smallFont(MakeFont("DejaVu Sans", 8, false)), smallBoldFont(MakeFont("DejaVu Sans", 8, true)),
      labelFont(MakeFont("DejaVu Sans", 8.5, false))
{
}

QString ReportRenderer::MadeText(const QDateTime& made)
{
    const int offset = made.offsetFromUtc();
    const int minutes = (offset < 0 ? -offset : offset) / 60;
    return made.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" UTC") +
           QLatin1Char(offset < 0 ? '-' : '+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

FlowCell ReportRenderer::Cell(const QString& text, const QFont& font, double x, double width) const
{
    FlowCell cell;
    cell.text = text;
    cell.font = font;
    cell.x = x;
    cell.width = width;
    return cell;
}

int ReportRenderer::Render(QPagedPaintDevice* device, QPainter* painter, int pageCount) const
{
    const QRectF page = device->pageLayout().paintRectPixels(device->logicalDpiX());
    // Two footer lines: when the report was written; its identifier beside the page number.
    const double footerHeight = device->logicalDpiY() * 0.65;
    const double headerHeight = HasHeader() ? device->logicalDpiY() * 0.3 : 0;
    const QRectF body(0, headerHeight, page.width(), page.height() - footerHeight - headerHeight);
    PageFlow flow(device, painter, body,
                  [&](int pageNumber) { Footer(device, painter, pageNumber, pageCount); });
    Opening(flow);
    Statement(flow);
    EscapesLegend(flow);
    SummaryTable(flow);
    flow.NewPage();
    Heading(flow, tr("The files one by one"));
    int number = 0;
    for (const ReportEntry& entry : entries)
        FileBlock(flow, ++number, entry);
    Signatures(flow);
    return flow.PageNumber();
}

void ReportRenderer::Footer(QPagedPaintDevice* device, QPainter* painter, int pageNumber, int pageCount) const
{
    if (!painter)
        return;
    const QRectF page = device->pageLayout().paintRectPixels(device->logicalDpiX());
    const double lineHeight = device->logicalDpiY() * 0.2;
    const QRectF line(0, page.height() - lineHeight, page.width(), lineHeight);
    const QRectF upperLine = line.translated(0, -lineHeight);
    painter->setPen(QPen(Qt::darkGray, 0));
    painter->drawLine(upperLine.topLeft() - QPointF(0, lineHeight * 0.3),
                      upperLine.topRight() - QPointF(0, lineHeight * 0.3));
    painter->setFont(smallFont);
    painter->setPen(Qt::black);
    if (HasHeader()) {
        const QRectF header(0, 0, page.width(), lineHeight);
        const CaseDetails& details = facts.caseDetails;
        if (!details.caseNumber.empty())
            painter->drawText(header, Qt::AlignLeft | Qt::AlignTop,
                              QCoreApplication::translate("ReportCase", "Case %1")
                                  .arg(VerdictText::Display(details.caseNumber)));
        if (!details.examiner.empty())
            painter->drawText(header, Qt::AlignRight | Qt::AlignTop,
                              QCoreApplication::translate("ReportCase", "Examiner %1")
                                  .arg(VerdictText::Display(details.examiner)));
        painter->setPen(QPen(Qt::darkGray, 0));
        painter->drawLine(QPointF(0, lineHeight * 1.2), QPointF(page.width(), lineHeight * 1.2));
        painter->setPen(Qt::black);
    }
    painter->drawText(upperLine, Qt::AlignLeft | Qt::AlignBottom,
                      QCoreApplication::translate("ReportLayout", "Verification report written %1")
                          .arg(MadeText(facts.written)));
    painter->drawText(line, Qt::AlignRight | Qt::AlignBottom,
                      QCoreApplication::translate("ReportIdentity", "Report %1").arg(facts.reportId) +
                          QStringLiteral("    ") +
                          tr("Page %1 of %2").arg(QString::number(pageNumber), QString::number(pageCount)));
}

void ReportRenderer::Heading(PageFlow& flow, const QString& text) const
{
    const std::vector<FlowCell> row = {Cell(text, headingFont, 0, flow.Body().width())};
    // A heading never stands alone at the foot of a page.
    flow.KeepTogether(flow.Height(row) * 4);
    flow.Skip(flow.Height(row) * 0.6);
    flow.Row(row, flow.Height(row) * 0.3);
}

void ReportRenderer::Opening(PageFlow& flow) const
{
    const double width = flow.Body().width();
    const double labelWidth = width * 0.3;
    flow.Row({Cell(tr("Verification report"), titleFont, 0, width)});
    flow.Row({Cell(tr("Authenticity of video-surveillance evidence files by their recorder watermarks"),
                   bodyFont, 0, width)},
             flow.Height({Cell(QStringLiteral("X"), bodyFont, 0, width)}));
    flow.Rule(flow.Height({Cell(QStringLiteral("X"), bodyFont, 0, width)}) * 0.6);

    const QString program = QCoreApplication::translate("QObject", "Trevalon Quorlith") + QLatin1Char(' ') +
                            facts.programVersion + QStringLiteral(" (") + facts.programName +
                            QLatin1Char(')');
    const std::pair<QString, QString> lines[] = {
        {QCoreApplication::translate("ReportLayout", "Verification started"),
         MadeText(facts.verificationStarted)},
        {QCoreApplication::translate("ReportLayout", "Verification ended"),
         MadeText(facts.verificationEnded)},
        {QCoreApplication::translate("ReportLayout", "Report written"), MadeText(facts.written)},
        {tr("Program"), program},
        {tr("Computer"), facts.computerName},
    };
    for (const auto& line : lines)
        flow.Row({Cell(line.first, boldFont, 0, labelWidth),
                  Cell(line.second, bodyFont, labelWidth, width - labelWidth)});
    for (const auto& line : CaseLines())
        flow.Row({Cell(line.first, boldFont, 0, labelWidth),
                  Cell(line.second, bodyFont, labelWidth, width - labelWidth)});
    flow.Row({Cell(tr("Recorder key fingerprint (SHA-256 of its modulus)"), boldFont, 0, labelWidth),
              Cell(facts.keyFingerprint, monoFont, labelWidth, width - labelWidth)});

    const std::pair<const char*, long long> counts[] = {
        {"Total files", summary.total},
        {"Authentication succeeded", summary.succeeded},
        {"Authentication failed", summary.failed},
    };
    flow.Skip(flow.Height({Cell(QStringLiteral("X"), bodyFont, 0, width)}) * 0.6);
    for (const auto& count : counts)
        flow.Row({Cell(StatusWords(count.first), boldFont, 0, labelWidth),
                  Cell(QString::number(count.second), bodyFont, labelWidth, width - labelWidth)});
}

void ReportRenderer::Statement(PageFlow& flow) const
{
    const double width = flow.Body().width();
    const double labelWidth = width * 0.26;
    Heading(flow, tr("What a verdict shows and what it does not"));
    const double gap = flow.Height({Cell(QStringLiteral("X"), bodyFont, 0, width)}) * 0.4;
    const std::pair<bool, QString> meanings[] = {
        {true,
         tr("The watermark opened with the built-in recorder key, and the fingerprint inside it matches "
            "the one computed from the file. The fingerprint does not cover every byte: each file's "
            "block below says which bytes it vouches for. The result says nothing about whether the "
            "recorder's clock was right or about what the pictures show.")},
        {false, tr("The program could not confirm the file. Every problem gives this same result. It means "
                   "only that this file, as it lies on the disk, cannot be shown to be the recorder's "
                   "unchanged export. On its own it does not prove deliberate tampering: a file without a "
                   "watermark, with a watermark made with another key or with a record this program does not "
                   "know fails in the same way. Before drawing conclusions, check a fresh export from the "
                   "recorder or a copy from the original medium.")},
    };
    for (const auto& meaning : meanings) {
        std::vector<FlowCell> row = {Cell(VerdictText::Verdict(meaning.first), boldFont, 0, labelWidth),
                                     Cell(meaning.second, bodyFont, labelWidth, width - labelWidth)};
        row[0].color = meaning.first ? kSucceededColor : kFailedColor;
        flow.Row(row, gap);
    }
}

void ReportRenderer::EscapesLegend(PageFlow& flow) const
{
    const double width = flow.Body().width();
    flow.Skip(flow.Height({Cell(QStringLiteral("X"), smallFont, 0, width)}) * 0.6);
    flow.Row({Cell(tr("In names and record fields, \\xNN stands for the byte NN, which is not UTF-8 or is a "
                      "control character; \\u{XXXX} for the character U+XXXX, which shows nothing or changes "
                      "how the text around it is shown; \\\\ for a backslash."),
                   smallFont, 0, width)});
}

void ReportRenderer::SummaryTable(PageFlow& flow) const
{
    Heading(flow, tr("Summary"));
    const double width = flow.Body().width();
    const double shares[] = {0.04, 0.23, 0.19, 0.195, 0.195, 0.15};
    double columnX[6];
    double x = 0;
    for (int column = 0; column < 6; ++column) {
        columnX[column] = x;
        x += shares[column] * width;
    }
    const double pad = width * 0.008;
    const auto row = [&](const QStringList& texts, const QFont& font, const QColor& verdictColor) {
        std::vector<FlowCell> cells;
        for (int column = 0; column < 6; ++column) {
            cells.push_back(Cell(texts.at(column), font, columnX[column], shares[column] * width - pad));
        }
        cells[2].color = verdictColor;
        return cells;
    };
    const std::vector<FlowCell> header =
        row({QStringLiteral("#"), StatusWords("File Name"), StatusWords("Authentication Result"),
             StatusWords("Start Time"), StatusWords("Stop Time"), StatusWords("Serial no")},
            smallBoldFont, Qt::black);
    const double headerHeight = flow.Height(header);
    const double gap = headerHeight * 0.25;
    const auto placeHeader = [&] {
        flow.Place(header, headerHeight, gap);
        flow.Rule(gap);
    };
    placeHeader();
    int number = 0;
    for (const ReportEntry& entry : entries) {
        const VerificationResult& result = entry.result;
        const std::vector<FlowCell> cells =
            row({QString::number(++number), FileName(result.path), VerdictText::Verdict(result.authentic),
                 VerdictText::Display(result.startTime), VerdictText::Display(result.endTime),
                 VerdictText::Display(result.rcSerial)},
                smallFont, result.authentic ? kSucceededColor : kFailedColor);
        const double height = flow.Height(cells);
        if (!flow.Fits(height)) {
            flow.NewPage();
            placeHeader();
        }
        flow.Place(cells, height, gap);
    }
}

void ReportRenderer::FileBlock(PageFlow& flow, int number, const ReportEntry& entry) const
{
    const VerificationResult& result = entry.result;
    const double width = flow.Body().width();
    const double labelWidth = width * 0.26;
    const double valueX = labelWidth + width * 0.01;
    const double valueWidth = width - valueX;

    std::vector<std::vector<FlowCell>> rows;
    rows.push_back(
        {Cell(QString::number(number) + QStringLiteral(". ") + FileName(result.path), boldFont, 0, width)});
    const auto add = [&](const QString& label, const QString& value, const QFont& font, const QColor& color) {
        std::vector<FlowCell> cells = {Cell(label, labelFont, 0, labelWidth),
                                       Cell(value, font, valueX, valueWidth)};
        cells[0].color = Qt::darkGray;
        cells[1].color = color;
        rows.push_back(cells);
    };
    QString sha256 = QString::fromStdString(result.sha256);
    if (sha256.isEmpty()) {
        sha256 = IsNoLongerVerified(entry.state)
                     ? tr("not computed: the file is no longer the one that was verified")
                     : tr("not available: the file could not be read");
    }
    // The digest comes right after the size: both identify the file before anything is said about it.
    QVector<VerdictText::Detail> details = VerdictText::Details(result, sha256);
    const VerdictText::Detail digest = details.takeLast();
    details.insert(2, digest);
    for (const VerdictText::Detail& detail : details) {
        const QString label = VerdictText::Label(detail.field);
        switch (detail.field) {
        case VerdictText::Field::Sha256:
            add(label, detail.value, monoFont, Qt::black);
            break;
        case VerdictText::Field::Verdict:
            add(label, detail.value, boldFont, result.authentic ? kSucceededColor : kFailedColor);
            break;
        default:
            add(label, detail.value, bodyFont, Qt::black);
        }
    }
    if (result.authentic) {
        const QString coverage = result.coverage.partial
                                     ? VerdictText::CoverageSentence(result)
                                     : tr("The digest protects every byte of this file outside the "
                                          "512-byte watermark block.");
        add(tr("Coverage"), coverage, bodyFont, Qt::black);
    }
    if (entry.listedAuthentic) {
        const bool differs = *entry.listedAuthentic != result.authentic;
        add(tr("Verdict in the list"),
            differs ? tr("%1: differs from the verdict above, which the file got when it was verified "
                         "again for this report.")
                          .arg(VerdictText::Verdict(*entry.listedAuthentic))
                    : tr("The same as above: the file was verified again for this report."),
            differs ? boldFont : bodyFont, differs ? kFailedColor : Qt::black);
    }
    const QString checked = MadeText(entry.stateChecked);
    QString state;
    switch (entry.state) {
    case FileState::AsVerified:
        state = tr("Checked %1: device, inode, size, modification time and change time still match the "
                   "file that was verified.")
                    .arg(checked);
        break;
    case FileState::Changed:
    case FileState::Unreadable:
        state = tr("Checked %1: device, inode, size, modification time or change time differ from the "
                   "file that was verified, or the file is gone: the file changed after it was verified.")
                    .arg(checked);
        break;
    case FileState::NotRecorded:
        state = tr("Not known: no device, inode, size, modification time and change time were recorded "
                   "when the file was verified.");
        break;
    }
    add(tr("State at report time"), state, IsNoLongerVerified(entry.state) ? boldFont : bodyFont,
        IsNoLongerVerified(entry.state) ? kFailedColor : Qt::black);

    std::vector<double> heights;
    double total = 0;
    for (const auto& cells : rows) {
        heights.push_back(flow.Height(cells));
        total += heights.back();
    }
    const double gap = heights.front() * 0.15;
    flow.KeepTogether(total + gap * rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        flow.Place(rows[i], heights[i], gap);
    flow.Rule(heights.front() * 0.8);
}

bool ReportRenderer::HasHeader() const
{
    return !facts.caseDetails.caseNumber.empty() || !facts.caseDetails.examiner.empty();
}

std::vector<std::pair<QString, QString>> ReportRenderer::CaseLines() const
{
    const CaseDetails& details = facts.caseDetails;
    std::vector<std::pair<QString, QString>> lines;
    const auto add = [&lines](const char* label, const std::string& value) {
        if (!value.empty())
            lines.emplace_back(QCoreApplication::translate("ReportCase", label), VerdictText::Display(value));
    };
    add("Case", details.caseNumber);
    for (const std::string& exhibit : details.exhibits)
        add("Exhibit", exhibit);
    add("Examiner", details.examiner);
    add("Organisation", details.organisation);
    add("Note", details.note);
    return lines;
}

void ReportRenderer::Signatures(PageFlow& flow) const
{
    const double width = flow.Body().width();
    const double lineHeight = flow.Height({Cell(QStringLiteral("X"), bodyFont, 0, width)});
    const QString blank = QStringLiteral("_").repeated(34);
    const QString examiner =
        facts.caseDetails.examiner.empty() ? blank : VerdictText::Display(facts.caseDetails.examiner);
    const std::pair<QString, QString> people[] = {
        {QCoreApplication::translate("ReportCase", "Examiner"), examiner},
        {QCoreApplication::translate("ReportCase", "Reviewer or witness"), blank},
    };
    // The block is kept whole on one page: a signature must stand beside what it signs off.
    flow.KeepTogether(lineHeight * 16);
    Heading(flow, QCoreApplication::translate("ReportCase", "Signatures"));
    flow.Row({Cell(QCoreApplication::translate("ReportCase",
                                               "The signatures below refer to the whole of report %1.")
                       .arg(facts.reportId),
                   bodyFont, 0, width)},
             lineHeight);
    const double labelWidth = width * 0.3;
    for (const auto& person : people) {
        const std::pair<QString, QString> rows[] = {
            {person.first, person.second},
            {QCoreApplication::translate("ReportCase", "Date"), blank},
            {QCoreApplication::translate("ReportCase", "Signature"), blank},
        };
        for (const auto& row : rows)
            flow.Row({Cell(row.first, boldFont, 0, labelWidth),
                      Cell(row.second, bodyFont, labelWidth, width - labelWidth)},
                     lineHeight * 0.8);
        flow.Skip(lineHeight);
    }
}
