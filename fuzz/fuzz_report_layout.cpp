// SPDX-License-Identifier: Apache-2.0
// The report's page layout over hostile names and case details: a report of one file whose path and
// record fields, and whose case details, working folder and command line, are fuzzed bytes, laid out on
// A4 pages as the PDF writer lays them out, once measuring and once painting on a device that keeps the
// text drawn instead of writing a PDF (a whole PDF per input is several times slower). The layout must
// not fail, the painting must use as many pages as the measuring counted, every character drawn must
// be one the report's fonts draw (by the glyph check's own answer), and every character of every fuzzed
// text must be drawn, as itself or in the escaped form the glyph check gives it.
#include "fuzz/RecordingPaintDevice.h"
#include "report/GlyphCheck.h"
#include "report/ReportFonts.h"
#include "report/ReportRenderer.h"
#include "verdict/VerdictText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

const VerdictReason kLastReason = VerdictReason::NoEvidence;
const int kResolution = 300;

void Require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "report layout property failed: %s\n", what);
    abort();
}

// What stays the same from input to input: the application, the fonts' glyph check and the pages. Never
// destroyed: the application must outlive everything of Qt, which static destructors do not promise.
struct Setting
{
    std::unique_ptr<QGuiApplication> application;
    std::unique_ptr<GlyphCheck> glyphs;
    QBuffer pdf;
    std::unique_ptr<QPdfWriter> writer;
    std::unique_ptr<RecordingPaintDevice> pages;
};

Setting* TheSetting()
{
    static Setting* const setting = new Setting;
    return setting;
}

ReportFacts FixedFacts()
{
    ReportFacts facts;
    facts.programName = QStringLiteral("quorlith-verify");
    facts.programVersion = QStringLiteral("1.0.0");
    facts.computerName = QStringLiteral("examiner-pc");
    KeySetFacts builtIn;
    builtIn.name = "Built-in";
    builtIn.fingerprint = std::string(64, 'f');
    builtIn.modulusBits = 2048;
    facts.keySets.sets.push_back(builtIn);
    facts.reportId = QStringLiteral("6f1c2a7e-0b5d-4e8a-9a1f-2c3d4e5f6a7b");
    facts.operatingSystem = QStringLiteral("Debian GNU/Linux 12");
    facts.qtVersion = QStringLiteral("5.15.8");
    facts.cryptoLibrary = QStringLiteral("OpenSSL 3.0.11");
    facts.sourceRevision = QStringLiteral("0123456789abcdef0123456789abcdef01234567");
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1789000000, Qt::OffsetFromUTC, 3600);
    facts.verificationStarted = when;
    facts.verificationEnded = when;
    facts.written = when;
    return facts;
}

// The characters of text that a reader sees drawn: all but white space, where lines break.
void CountCharacters(const QString& text, std::map<uint, long>* counts)
{
    for (const uint point : text.toUcs4()) {
        if (!QChar::isSpace(point))
            ++(*counts)[point];
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Setting* setting = TheSetting();
    setting->application = std::make_unique<QGuiApplication>(*argc, *argv);
    setting->glyphs = std::make_unique<GlyphCheck>(AllReportFamilies());
    setting->writer = std::make_unique<QPdfWriter>(&setting->pdf);
    setting->writer->setResolution(kResolution);
    setting->writer->setPageSize(QPageSize(QPageSize::A4));
    setting->writer->setPageMargins(QMarginsF(20, 16, 20, 14), QPageLayout::Millimeter);
    const QRectF page = setting->writer->pageLayout().fullRectPixels(kResolution);
    setting->pages = std::make_unique<RecordingPaintDevice>(kResolution, page.size());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Setting* setting = TheSetting();
    FuzzedDataProvider input(data, size);
    ReportFacts facts = FixedFacts();
    ReportEntry entry;
    VerificationResult& result = entry.result;
    std::vector<const std::string*> fuzzed;
    const auto take = [&](std::string* text, size_t longest) {
        *text = input.ConsumeRandomLengthString(longest);
        fuzzed.push_back(text);
    };
    take(&result.path, 300);
    result.authentic = input.ConsumeBool();
    result.reason =
        result.authentic
            ? VerdictReason::None
            : static_cast<VerdictReason>(input.ConsumeIntegralInRange<int>(0, static_cast<int>(kLastReason)));
    result.digestMode = input.ConsumeIntegralInRange<int>(-1, 1);
    for (std::string* field : {&result.marker, &result.version, &result.hmac, &result.startTime,
                               &result.endTime, &result.timeSource, &result.rcSerial, &result.camMac})
        take(field, 120);
    CaseDetails& details = facts.caseDetails;
    take(&details.caseNumber, 120);
    details.exhibits.resize(input.ConsumeIntegralInRange<size_t>(0, 2));
    for (std::string& exhibit : details.exhibits)
        take(&exhibit, 120);
    take(&details.examiner, 120);
    take(&details.organisation, 120);
    take(&facts.workingFolder, 200);
    take(&facts.commandLine, 200);
    details.note = input.ConsumeRemainingBytesAsString();
    fuzzed.push_back(&details.note);

    RunSummary summary;
    summary.Count(result);
    const std::vector<ReportEntry> entries = {entry};
    const GlyphCheck& glyphs = *setting->glyphs;
    const ReportRenderer renderer(facts, entries, summary, glyphs);
    const int pageCount = renderer.Render(setting->writer.get(), nullptr, 0);
    Require(pageCount > 0, "the measuring lays the report out");

    setting->pages->Clear();
    QPainter painter;
    Require(painter.begin(setting->pages.get()), "painting begins");
    Require(renderer.Render(setting->writer.get(), &painter, pageCount) == pageCount,
            "painting uses the pages measured");
    painter.end();

    std::map<uint, long> drawn;
    for (const QString& text : setting->pages->Texts()) {
        Require(glyphs.Printable(text) == text, "every character drawn is one the fonts draw");
        CountCharacters(text, &drawn);
    }
    // Each fuzzed text stands somewhere of its own, some more than once.
    std::map<uint, long> expected;
    for (const std::string* text : fuzzed)
        CountCharacters(glyphs.Printable(VerdictText::Display(*text)), &expected);
    for (const auto& character : expected)
        Require(drawn[character.first] >= character.second, "every character of the input is drawn");
    return 0;
}
