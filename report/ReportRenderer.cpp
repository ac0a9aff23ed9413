// SPDX-License-Identifier: Apache-2.0
#include "report/ReportRenderer.h"

#include "platform/PathStyle.h"
#include "report/FileFactsText.h"
#include "report/LeftOutList.h"
#include "report/ReportFonts.h"
#include "report/ReportKeySetText.h"
#include "verdict/VerdictText.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

const QColor kSucceededColor(0x1b, 0x5e, 0x20);
const QColor kFailedColor(0xa3, 0x17, 0x17);

QFont MakeFont(ReportFace face, double points, bool bold)
{
    const QStringList families = ReportFamilies(face);
    QFont font(families.front());
    font.setFamilies(families);
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

// A path given that is no file: its block says what it is instead of what could not be read of it.
bool IsFolderWithoutEvidence(const VerificationResult& result)
{
    return result.reason == VerdictReason::NoEvidence;
}

bool IsMissing(const VerificationResult& result)
{
    return result.reason == VerdictReason::NotFound;
}

// A file that is gone can no longer be the one that was verified, the same as one that changed.
bool IsNoLongerVerified(FileState state)
{
    return state == FileState::Changed || state == FileState::Unreadable;
}

} // namespace

ReportRenderer::ReportRenderer(const ReportFacts& facts, const std::vector<ReportEntry>& entries,
                               const RunSummary& summary, const GlyphCheck& glyphs,
                               const std::vector<SkippedEntry>* leftOut, const ReportAccount* account)
    : facts(facts), entries(entries), summary(summary), glyphs(glyphs), leftOut(leftOut), account(account),
      titleFont(MakeFont(ReportFace::Serif, 17, true)), headingFont(MakeFont(ReportFace::Serif, 12, true)),
      bodyFont(MakeFont(ReportFace::Sans, 9, false)), boldFont(MakeFont(ReportFace::Sans, 9, true)),
      monoFont(MakeFont(ReportFace::Mono, 8.5, false)), smallFont(MakeFont(ReportFace::Sans, 8, false)),
      smallBoldFont(MakeFont(ReportFace::Sans, 8, true)), labelFont(MakeFont(ReportFace::Sans, 8.5, false))
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
    cell.text = glyphs.Printable(text);
    cell.font = font;
    cell.x = x;
    cell.width = width;
    return cell;
}

int ReportRenderer::Render(QPagedPaintDevice* device, QPainter* painter, int pageCount,
                           const std::function<bool()>& keepGoing) const
{
    const auto stopped = [&keepGoing] { return keepGoing && !keepGoing(); };
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
    SummaryTable(flow, keepGoing);
    if (stopped())
        return 0;
    flow.NewPage();
    Heading(flow, tr("The files one by one"));
    int number = 0;
    for (const ReportEntry& entry : entries) {
        if (stopped())
            return 0;
        FileBlock(flow, ++number, entry);
    }
    if (!HoldsAllHanded())
        NotInReportAppendix(flow);
    if (leftOut)
        LeftOutAppendix(flow);
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
        QString left;
        QString right;
        if (!details.caseNumber.empty())
            left = glyphs.Printable(QCoreApplication::translate("ReportCase", "Case %1")
                                        .arg(VerdictText::Display(details.caseNumber)));
        if (!details.examiner.empty())
            right = glyphs.Printable(QCoreApplication::translate("ReportCase", "Examiner %1")
                                         .arg(VerdictText::Display(details.examiner)));
        // Each keeps to its own side: a text too long for the room left is shortened with "…" (the whole
        // text stands in the facts), never drawn over the other.
        const QFontMetricsF metrics(QFont(smallFont, device));
        const double room = page.width() - metrics.horizontalAdvance(QStringLiteral("    "));
        const double leftWidth = metrics.horizontalAdvance(left);
        const double rightWidth = metrics.horizontalAdvance(right);
        double leftRoom = room / 2;
        double rightRoom = room / 2;
        if (leftWidth + rightWidth <= room) {
            leftRoom = room - rightWidth;
            rightRoom = room - leftWidth;
        } else if (rightWidth <= room / 2) {
            leftRoom = room - rightWidth;
        } else if (leftWidth <= room / 2) {
            rightRoom = room - leftWidth;
        }
        painter->drawText(header, Qt::AlignLeft | Qt::AlignTop,
                          metrics.elidedText(left, Qt::ElideRight, leftRoom));
        painter->drawText(header, Qt::AlignRight | Qt::AlignTop,
                          metrics.elidedText(right, Qt::ElideRight, rightRoom));
        painter->setPen(QPen(Qt::darkGray, 0));
        painter->drawLine(QPointF(0, lineHeight * 1.2), QPointF(page.width(), lineHeight * 1.2));
        painter->setPen(Qt::black);
    }
    painter->drawText(
        upperLine, Qt::AlignLeft | Qt::AlignBottom,
        glyphs.Printable(QCoreApplication::translate("ReportLayout", "Verification report written %1")
                             .arg(MadeText(facts.written))));
    painter->drawText(
        line, Qt::AlignRight | Qt::AlignBottom,
        glyphs.Printable(QCoreApplication::translate("ReportIdentity", "Report %1").arg(facts.reportId) +
                         QStringLiteral("    ") +
                         tr("Page %1 of %2").arg(QString::number(pageNumber), QString::number(pageCount))));
}

void ReportRenderer::Heading(PageFlow& flow, const QString& text, double following) const
{
    const std::vector<FlowCell> row = {Cell(text, headingFont, 0, flow.Body().width())};
    // A heading never stands alone at the foot of a page.
    const double height = flow.Height(row);
    flow.KeepTogether(height * 1.9 +
                      (following < 0 ? height * 2.1 : std::min(following, flow.Body().height() / 3)));
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
        {QCoreApplication::translate("ReportPractice", "User"), VerdictText::Display(facts.runningUser)},
        {QCoreApplication::translate("ReportPractice", "Time zone"), facts.timeZone},
        {QCoreApplication::translate("ReportProvenance", "Operating system"), facts.operatingSystem},
        {QCoreApplication::translate("ReportProvenance", "Qt version"), facts.qtVersion},
        {QCoreApplication::translate("ReportProvenance", "Crypto library"), facts.cryptoLibrary},
        {QCoreApplication::translate("ReportProvenance", "Source revision"), facts.sourceRevision},
    };
    for (const auto& line : lines)
        flow.Row({Cell(line.first, boldFont, 0, labelWidth),
                  Cell(line.second, bodyFont, labelWidth, width - labelWidth)});
    if (facts.selfTestRun)
        flow.Row(
            {Cell(QCoreApplication::translate("ReportSelfTest", "Tool validation"), boldFont, 0, labelWidth),
             Cell(facts.selfTestPassed
                      ? QCoreApplication::translate("ReportSelfTest",
                                                    "passed as this verification began: MD5 (RFC 1321), "
                                                    "HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA "
                                                    "public operation gave their known answers")
                      : QCoreApplication::translate("ReportSelfTest", "FAILED as this verification began: %1")
                            .arg(QString::fromStdString(facts.selfTestFailed)),
                  facts.selfTestPassed ? bodyFont : boldFont, labelWidth, width - labelWidth)});
    const std::pair<QString, QString> places[] = {
        {QCoreApplication::translate("ReportLayout", "Working folder"),
         VerdictText::DisplayPath(facts.workingFolder)},
        {QCoreApplication::translate("ReportLayout", "Command line"),
         VerdictText::Display(facts.commandLine)},
    };
    for (const auto& place : places) {
        if (!place.second.isEmpty())
            flow.Row(
                {Cell(place.first, boldFont, 0, labelWidth),
                 Cell(VerdictText::InStoredOrder(place.second), monoFont, labelWidth, width - labelWidth)});
    }
    GivenFolders(flow, labelWidth);
    if (!facts.reportInsideFolder.empty())
        flow.Row({Cell(QCoreApplication::translate("ReportPlace", "Report's place"), boldFont, 0, labelWidth),
                  Cell(QCoreApplication::translate("ReportPlace",
                                                   "This report lies inside %1, a folder being verified: a "
                                                   "later verification of that folder finds it among the "
                                                   "entries it does not take.")
                           .arg(VerdictText::Display(facts.reportInsideFolder)),
                       boldFont, labelWidth, width - labelWidth)});
    for (const auto& line : CaseLines())
        flow.Row({Cell(line.first, boldFont, 0, labelWidth),
                  Cell(line.second, bodyFont, labelWidth, width - labelWidth)});
    KeySetLines(flow, labelWidth);

    // Folders without evidence and paths that do not exist fail like files, but are counted apart.
    long long folders = 0;
    long long missing = 0;
    for (const ReportEntry& entry : entries) {
        folders += IsFolderWithoutEvidence(entry.result) ? 1 : 0;
        missing += IsMissing(entry.result) ? 1 : 0;
    }
    struct Count
    {
        QString label;
        long long value;
        bool always;
        bool ofSucceeded = false;
    };
    const Count counts[] = {
        {StatusWords("Total files"), summary.total - folders - missing, true},
        {StatusWords("Authentication succeeded"), summary.succeeded, true},
        // A success vouches only for the bytes its digest protects: the three kinds are counted apart.
        {QCoreApplication::translate("ReportCoverageCounts", "fully protected"), summary.succeededWhole, true,
         true},
        {QCoreApplication::translate("ReportCoverageCounts", "partly protected"), summary.succeededPart, true,
         true},
        {QCoreApplication::translate("ReportCoverageCounts", "nothing protected"), summary.succeededNone,
         true, true},
        {StatusWords("Authentication failed"), summary.failed - folders - missing, true},
        {QCoreApplication::translate("ReportLayout", "Folders without evidence"), folders, false},
        {QCoreApplication::translate("ReportLayout", "Paths that do not exist"), missing, false},
    };
    flow.Skip(flow.Height({Cell(QStringLiteral("X"), bodyFont, 0, width)}) * 0.6);
    const double indent = width * 0.03;
    for (const Count& count : counts) {
        if (!count.always && count.value == 0)
            continue;
        const double labelX = count.ofSucceeded ? indent : 0;
        flow.Row({Cell(count.label, count.ofSucceeded ? bodyFont : boldFont, labelX, labelWidth - labelX),
                  Cell(QString::number(count.value), bodyFont, labelWidth, width - labelWidth)});
    }
    NotInReportCounts(flow, labelWidth);
}

void ReportRenderer::KeySetLines(PageFlow& flow, double labelWidth) const
{
    const double width = flow.Body().width();
    int number = 0;
    for (const KeySetFacts& set : facts.keySets.sets) {
        const QString label = QCoreApplication::translate("ReportKeySets", "Key set %1").arg(++number);
        flow.Row({Cell(label, boldFont, 0, labelWidth),
                  Cell(VerdictText::Display(set.name), bodyFont, labelWidth, width - labelWidth)});
        flow.Row({Cell(QCoreApplication::translate("ReportKeySets", "fingerprint %1")
                           .arg(QString::fromStdString(set.fingerprint)),
                       monoFont, labelWidth, width - labelWidth)});
        flow.Row({Cell(ReportKeySetText::Source(set), bodyFont, labelWidth, width - labelWidth)});
    }
    for (const KeySetProblem& problem : facts.keySets.problems)
        flow.Row({Cell(QCoreApplication::translate("ReportKeySets", "Key file not loaded"), boldFont, 0,
                       labelWidth),
                  Cell(VerdictText::Display(KeySetProblemText(problem)), bodyFont, labelWidth,
                       width - labelWidth)});
}

void ReportRenderer::Statement(PageFlow& flow) const
{
    const double width = flow.Body().width();
    // The verdicts stand on one line each where they fit, with a clear gutter before the text beside them.
    double labelWidth = width * 0.26;
    for (const bool authentic : {true, false})
        labelWidth = std::max(
            labelWidth,
            std::min(flow.TextWidth(VerdictText::Verdict(authentic), boldFont) + width * 0.03, width * 0.4));
    Heading(flow, tr("What a verdict shows and what it does not"));
    const double gap = flow.Height({Cell(QStringLiteral("X"), bodyFont, 0, width)}) * 0.4;
    const std::pair<bool, QString> meanings[] = {
        {true, tr("The watermark opened with one of the key sets listed above, the one each file's block "
                  "names, and the fingerprint inside it matches the one computed from the file. The "
                  "fingerprint does not cover every byte: each file's "
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
        std::vector<FlowCell> row = {
            Cell(VerdictText::Verdict(meaning.first), boldFont, 0, labelWidth - width * 0.03),
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
    // Windows paths keep their separators: a \ there is no escaped backslash.
    if (NativePathStyle() == PathStyle::Windows)
        flow.Row({Cell(QCoreApplication::translate("ReportWindowsPaths",
                                                   "In paths, \\xNN and \\u{XXXX} are escapes as above and "
                                                   "every other \\ separates folders."),
                       smallFont, 0, width)});
    flow.Row({Cell(QCoreApplication::translate(
                       "ReportProvenance", "A record's start and stop times carry no time zone: they are the "
                                           "recorder's clock as its time source set it (the record's time "
                                           "source field), not this computer's."),
                   smallFont, 0, width)});
}

QString ReportRenderer::SummaryVerdict(const VerificationResult& result)
{
    if (!result.authentic || !result.hasCoverage || !result.coverage.partial)
        return VerdictText::Verdict(result.authentic);
    return QCoreApplication::translate("ReportLayout", "%1, %2 of %3 bytes protected")
        .arg(VerdictText::Verdict(true), QString::number(result.coverage.protectedBytes),
             QString::number(result.file.size));
}

void ReportRenderer::SummaryTable(PageFlow& flow, const std::function<bool()>& keepGoing) const
{
    const double width = flow.Body().width();
    const double pad = width * 0.008;
    const std::vector<FlowCell> headerTexts = {
        Cell(QStringLiteral("#"), smallBoldFont, 0, 0),
        Cell(StatusWords("File Name"), smallBoldFont, 0, 0),
        Cell(StatusWords("Authentication Result"), smallBoldFont, 0, 0),
        Cell(StatusWords("Start Time"), smallBoldFont, 0, 0),
        Cell(StatusWords("Stop Time"), smallBoldFont, 0, 0),
        Cell(StatusWords("Serial no"), smallBoldFont, 0, 0)};
    std::vector<QStringList> rowTexts;
    int number = 0;
    for (const ReportEntry& entry : entries) {
        const VerificationResult& result = entry.result;
        rowTexts.push_back({QString::number(++number),
                            VerdictText::InStoredOrder(
                                VerdictText::DisplayPath(PathBelowGiven(result.path, facts.givenPaths))),
                            SummaryVerdict(result), VerdictText::Display(result.startTime),
                            VerdictText::Display(result.endTime), VerdictText::Display(result.rcSerial)});
    }

    // Each column is at least as wide as its widest word, measured in its font, so that no word of one
    // column runs into the next ("Prüfung fehlgeschlagen"); the path column gives up the room, down to a
    // floor, since a path may break anywhere.
    const double shares[] = {0.04, 0.23, 0.19, 0.195, 0.195, 0.15};
    const int pathColumn = 1;
    const int verdictColumn = 2;
    double widths[6];
    double sum = 0;
    for (int column = 0; column < 6; ++column) {
        double widest = flow.WidestWord(headerTexts[column].text, smallBoldFont);
        if (column != pathColumn) {
            for (const QStringList& texts : rowTexts)
                widest = std::max(widest, flow.WidestWord(texts.at(column), smallFont));
        }
        // The verdict reads on one line, as in the window's column; a coverage note wraps below it.
        if (column == verdictColumn) {
            for (const bool authentic : {true, false})
                widest = std::max(widest, flow.TextWidth(VerdictText::Verdict(authentic), smallFont));
        }
        widths[column] = std::max(shares[column] * width, widest + 2 * pad);
        sum += widths[column];
    }
    widths[pathColumn] = std::max(width * 0.12, widths[pathColumn] - (sum - width));
    double columnX[6];
    double x = 0;
    for (int column = 0; column < 6; ++column) {
        columnX[column] = x;
        x += widths[column];
    }
    const auto row = [&](const QStringList& texts, const QFont& font, const QColor& verdictColor) {
        std::vector<FlowCell> cells;
        for (int column = 0; column < 6; ++column)
            cells.push_back(Cell(texts.at(column), font, columnX[column], widths[column] - pad));
        cells[2].color = verdictColor;
        return cells;
    };
    QStringList headerStrings;
    for (const FlowCell& cell : headerTexts)
        headerStrings << cell.text;
    const std::vector<FlowCell> header = row(headerStrings, smallBoldFont, Qt::black);
    const double headerHeight = flow.Height(header);
    const double gap = headerHeight * 0.25;
    // The heading keeps the table's header and first row with it.
    const double firstHeight =
        rowTexts.empty() ? 0 : flow.Height(row(rowTexts.front(), smallFont, Qt::black));
    Heading(flow, tr("Summary"), headerHeight + firstHeight + 3 * gap);
    const auto placeHeader = [&] {
        flow.Place(header, headerHeight, gap);
        flow.Rule(gap);
    };
    placeHeader();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (keepGoing && !keepGoing())
            return;
        const VerificationResult& result = entries[i].result;
        const std::vector<FlowCell> cells =
            row(rowTexts[i], smallFont, result.authentic ? kSucceededColor : kFailedColor);
        const double height = flow.Height(cells);
        // A row taller than a page starts where it stands and continues on the next.
        if (!flow.Fits(height) && height <= flow.Body().height()) {
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
    // The heading names the file, the number links it to its row of the summary and the full path
    // follows: a heading of a few lines at most, whatever the depth of the folders.
    rows.push_back({Cell(QString::number(number) + QStringLiteral(". ") +
                             VerdictText::InStoredOrder(VerdictText::DisplayName(result.path)),
                         boldFont, 0, width)});
    const auto add = [&](const QString& label, const QString& value, const QFont& font, const QColor& color) {
        std::vector<FlowCell> cells = {Cell(label, labelFont, 0, labelWidth),
                                       Cell(value, font, valueX, valueWidth)};
        cells[0].color = Qt::darkGray;
        cells[1].color = color;
        rows.push_back(cells);
    };
    QString sha256 = QString::fromStdString(result.sha256);
    if (VerdictText::NamesAFolder(result)) {
        sha256 = QCoreApplication::translate("ReportLayout", "none: this is a folder, not a file");
    } else if (IsMissing(result)) {
        sha256 = QCoreApplication::translate("ReportLayout", "none: nothing exists under this path");
    } else if (sha256.isEmpty()) {
        sha256 = IsNoLongerVerified(entry.state)
                     ? tr("not computed: the file is no longer the one that was verified")
                     : tr("not available: the file could not be read");
    }
    // The digest comes right after the size: both identify the file before anything is said about it.
    QVector<VerdictText::Detail> details = VerdictText::Details(result, sha256);
    const VerdictText::Detail digest = details.takeLast();
    details.insert(2, digest);
    // The path as the system finds it from any folder, whatever folder the program ran in.
    details.front().value =
        VerdictText::InStoredOrder(VerdictText::DisplayPath(AbsolutePath(result.path, facts.workingFolder)));
    for (const VerdictText::Detail& detail : details) {
        const QString label = VerdictText::Label(detail.field);
        switch (detail.field) {
        case VerdictText::Field::Sha256:
            add(label, detail.value, monoFont, Qt::black);
            break;
        case VerdictText::Field::Hmac:
            // How the digest is made, the one the record holds and the one the file gave, side by side.
            add(QCoreApplication::translate("ReportFileFacts", "Digest algorithm"),
                FileFactsText::DigestAlgorithm(result.digestMode), bodyFont, Qt::black);
            add(label, detail.value, monoFont, Qt::black);
            add(QCoreApplication::translate("ReportFileFacts", "Digest computed from the file"),
                FileFactsText::ComputedDigest(result), monoFont, Qt::black);
            break;
        case VerdictText::Field::Verdict:
            add(label, detail.value, boldFont, result.authentic ? kSucceededColor : kFailedColor);
            break;
        default:
            add(label, detail.value, bodyFont, Qt::black);
        }
    }
    const std::string exhibit = ExhibitOf(result.path);
    if (!exhibit.empty())
        add(QCoreApplication::translate("ReportCase", "Exhibit"), VerdictText::Display(exhibit), boldFont,
            Qt::black);
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
    if (IsFolderWithoutEvidence(result))
        state = QCoreApplication::translate("ReportLayout",
                                            "Not applicable: a folder given to be searched, in which no file "
                                            "ending in .jpg, .avi, .mp4 or .mxg was found.");
    else if (IsMissing(result))
        state = QCoreApplication::translate("ReportLayout",
                                            "Not applicable: nothing existed under this path when it was "
                                            "verified.");
    if (result.file.inode != 0) {
        const auto utc = FileFactsText::UtcTime;
        add(QCoreApplication::translate("ReportProvenance", "File system, as read when verified"),
            QCoreApplication::translate("ReportProvenance",
                                        "device %1, inode %2; modified %3 UTC; status changed %4 UTC")
                .arg(QString::number(result.file.device), QString::number(result.file.inode),
                     utc(result.file.modifiedNs), utc(result.file.changedNs)),
            bodyFont, Qt::black);
        // Read before the verification, whose own reading may move the access time.
        if (result.accessedNs >= 0)
            add(QCoreApplication::translate("ReportFileFacts", "Last access before verifying"),
                FileFactsText::UtcTime(result.accessedNs) + QStringLiteral(" UTC"), bodyFont, Qt::black);
        // Whether this program's own reading shows as the last access to a later examination.
        if (result.accessedNs >= 0)
            add(QCoreApplication::translate("ReportAccessTime", "Access time"),
                result.accessTimeKept
                    ? QCoreApplication::translate(
                          "ReportAccessTime", "kept: the file was read without changing its last access time")
                    : QCoreApplication::translate(
                          "ReportAccessTime", "may have changed: the system did not let this program read "
                                              "the file without changing its last access time"),
                bodyFont, Qt::black);
        if (result.ownerId >= 0)
            add(QCoreApplication::translate("ReportFileFacts", "Owner"), OwnerText(result.ownerId), bodyFont,
                Qt::black);
        if (result.permissions >= 0)
            add(QCoreApplication::translate("ReportFileFacts", "Permissions"),
                FileFactsText::Permissions(result.permissions), bodyFont, Qt::black);
    }
    if (entry.sha256AtReport) {
        const QString again = QString::fromStdString(*entry.sha256AtReport);
        const bool same = !again.isEmpty() && *entry.sha256AtReport == result.sha256;
        add(QCoreApplication::translate("ReportRehash", "SHA-256 at report time"),
            again.isEmpty()
                ? QCoreApplication::translate("ReportRehash", "not computed: the file could not be read")
            : same ? QCoreApplication::translate("ReportRehash", "%1, the same as when it was verified")
                         .arg(again)
                   : QCoreApplication::translate("ReportRehash",
                                                 "%1: differs from the SHA-256 when it was verified, so the "
                                                 "content changed after it was verified")
                         .arg(again),
            same ? monoFont : boldFont, same ? Qt::black : kFailedColor);
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
    // A block that fits on a page is not divided; a longer one starts on a page of its own and runs on
    // line by line, so that its heading never stands apart from what follows it.
    const double blockHeight = total + gap * rows.size();
    flow.KeepTogether(blockHeight);
    const bool longBlock = blockHeight > flow.Body().height();
    for (size_t i = 0; i < rows.size(); ++i)
        flow.Place(rows[i], heights[i], gap, longBlock);
    flow.Rule(heights.front() * 0.8);
}

QString ReportRenderer::OwnerText(int64_t ownerId) const
{
    const auto known = owners.find(ownerId);
    if (known != owners.end())
        return known->second;
    return owners[ownerId] = FileFactsText::Owner(ownerId);
}

std::string ReportRenderer::ExhibitOf(const std::string& path) const
{
    const std::string file = AbsolutePath(path, facts.workingFolder);
    std::string exhibit;
    size_t longest = 0;
    for (const auto& given : facts.caseDetails.exhibitPaths) {
        std::string below = AbsolutePath(given.second, facts.workingFolder);
        while (below.size() > 1 && below.back() == '/')
            below.pop_back();
        const bool holds = file == below || (file.compare(0, below.size(), below) == 0 &&
                                             (below == "/" || file[below.size()] == '/'));
        if (holds && below.size() >= longest) {
            longest = below.size();
            exhibit = given.first;
        }
    }
    return exhibit;
}

bool ReportRenderer::HasHeader() const
{
    return !facts.caseDetails.caseNumber.empty() || !facts.caseDetails.examiner.empty();
}

std::vector<std::pair<QString, QString>> ReportRenderer::CaseLines() const
{
    const CaseDetails& details = facts.caseDetails;
    std::vector<std::pair<QString, QString>> lines;
    const auto add = [&lines](const QString& label, const std::string& value) {
        if (!value.empty())
            lines.emplace_back(label, VerdictText::Display(value));
    };
    add(QCoreApplication::translate("ReportCase", "Case"), details.caseNumber);
    for (const std::string& exhibit : details.exhibits)
        add(QCoreApplication::translate("ReportCase", "Exhibit"), exhibit);
    add(QCoreApplication::translate("ReportCase", "Examiner"), details.examiner);
    add(QCoreApplication::translate("ReportCase", "Organisation"), details.organisation);
    add(QCoreApplication::translate("ReportCase", "Note"), details.note);
    return lines;
}

void ReportRenderer::GivenFolders(PageFlow& flow, double labelWidth) const
{
    if (!account)
        return;
    const double width = flow.Body().width();
    for (const std::string& folder : account->folders)
        flow.Row({Cell(QCoreApplication::translate("ReportAccount", "Folder given"), boldFont, 0, labelWidth),
                  Cell(VerdictText::Display(folder), monoFont, labelWidth, width - labelWidth)});
}

bool ReportRenderer::HoldsAllHanded() const
{
    return !account || account->notInReport.empty();
}

QString ReportRenderer::NotInReportWhy(NotInReport::Why why)
{
    switch (why) {
    case NotInReport::Why::Removed:
        return QCoreApplication::translate("ReportAccount", "removed from the list by the examiner");
    case NotInReport::Why::Cancelled:
        return QCoreApplication::translate("ReportAccount",
                                           "not verified: the run was cancelled before its turn");
    case NotInReport::Why::Waiting:
        return QCoreApplication::translate(
            "ReportAccount", "not verified: still waiting for its turn when the report was made");
    case NotInReport::Why::Gone:
        return QCoreApplication::translate(
            "ReportAccount", "not verified: no file was found under its name when its turn came");
    case NotInReport::Why::NotSelected:
        break;
    }
    return QCoreApplication::translate(
        "ReportAccount", "verified and in the list, but not among the rows chosen for this report");
}

void ReportRenderer::NotInReportCounts(PageFlow& flow, double labelWidth) const
{
    if (HoldsAllHanded())
        return;
    const double width = flow.Body().width();
    std::map<NotInReport::Why, long long> perWhy;
    for (const NotInReport& file : account->notInReport)
        ++perWhy[file.why];
    QString label = QCoreApplication::translate("ReportAccount", "Not in this report");
    for (const auto& why : perWhy) {
        flow.Row({Cell(label, boldFont, 0, labelWidth),
                  Cell(QStringLiteral("%1 (%2)").arg(QString::number(why.second), NotInReportWhy(why.first)),
                       bodyFont, labelWidth, width - labelWidth)});
        label.clear();
    }
}

void ReportRenderer::NotInReportAppendix(PageFlow& flow) const
{
    const double width = flow.Body().width();
    const double pathWidth = width * 0.6;
    const double gap = flow.Height({Cell(QStringLiteral("X"), smallFont, 0, width)}) * 0.2;
    Heading(flow,
            QCoreApplication::translate("ReportAccount", "Appendix: files given but not in this report"));
    flow.Row({Cell(QCoreApplication::translate("ReportAccount",
                                               "Every file handed over for verification, by name or found by "
                                               "a folder search, that this report does not hold, and why."),
                   bodyFont, 0, width)},
             gap * 3);
    for (const NotInReport& file : account->notInReport) {
        const std::vector<FlowCell> cells = {
            Cell(VerdictText::Display(file.path), monoFont, 0, pathWidth - width * 0.02),
            Cell(NotInReportWhy(file.why), smallFont, pathWidth, width - pathWidth)};
        const double height = flow.Height(cells);
        flow.KeepTogether(height);
        flow.Place(cells, height, gap);
    }
}

void ReportRenderer::LeftOutAppendix(PageFlow& flow) const
{
    const double width = flow.Body().width();
    const double pathWidth = width * 0.6;
    const double gap = flow.Height({Cell(QStringLiteral("X"), smallFont, 0, width)}) * 0.2;
    Heading(flow, QCoreApplication::translate("ReportLeftOut", "Appendix: what the folder search left out"));
    if (leftOut->empty()) {
        // Nothing was left out only when the files handed over are all in the report as well.
        const QString none =
            HoldsAllHanded()
                ? QCoreApplication::translate("ReportLeftOut", "The folder search left nothing out.")
                : QCoreApplication::translate("ReportAccount",
                                              "The folder search took every entry, but this report does "
                                              "not hold every file it found: the appendix before this one "
                                              "names the others.");
        flow.Row({Cell(none, bodyFont, 0, width)});
        return;
    }
    flow.Row({Cell(QCoreApplication::translate("ReportLeftOut",
                                               "Every entry of the folders given that the search did not "
                                               "take, and why."),
                   bodyFont, 0, width)},
             gap * 3);
    for (const LeftOutLine& line : LeftOutList::Lines(*leftOut)) {
        const std::vector<FlowCell> cells = {
            Cell(VerdictText::InStoredOrder(line.what), monoFont, 0, pathWidth - width * 0.02),
            Cell(line.why, smallFont, pathWidth, width - pathWidth)};
        const double height = flow.Height(cells);
        flow.KeepTogether(height);
        flow.Place(cells, height, gap);
    }
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
