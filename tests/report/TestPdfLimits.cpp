// SPDX-License-Identifier: Apache-2.0
#include "report/PdfPageTree.h"
#include "report/PdfReportWriter.h"
#include "verdict/KeySetFacts.h"

#include <QtTest>

// PDF/A-1 keeps PDF 1.4's limits: no array of more than 8,191 elements, no string of more than 65,535
// bytes. A report that says it is PDF/A-1b must keep them however many pages it has and whatever its
// case details hold.
class TestPdfLimits : public QObject
{
    Q_OBJECT

private slots:
    void pageTreeIsBalanced_data();
    void pageTreeIsBalanced();
    void largeReportStaysWithinTheLimits();

private:
    QTemporaryDir dir;
};

namespace {

// Enough entries, each with a path long enough to fill a few pages of the summary and its block, for a
// report of more than 8,191 pages.
constexpr int kEntries = 1500;
constexpr int kPathBytes = 4000;

// Every array and string of the file, as pikepdf (qpdf's library) reads them: the longest array, the
// longest string in bytes, the number of pages, the most kids of one page tree node and the depths at
// which pages stand. One line of "name value" pairs.
const char* const kMeasure = R"(
import sys, pikepdf
pdf = pikepdf.open(sys.argv[1])
longest_array = longest_string = most_kids = 0
def walk(value, top):
    global longest_array, longest_string
    if not top and getattr(value, "is_indirect", False):
        return
    if isinstance(value, pikepdf.Array):
        longest_array = max(longest_array, len(value))
        for item in value:
            walk(item, False)
    elif isinstance(value, pikepdf.String):
        longest_string = max(longest_string, len(bytes(value)))
    elif isinstance(value, (pikepdf.Dictionary, pikepdf.Stream)):
        for key in value.keys():
            walk(value[key], False)
for obj in pdf.objects:
    walk(obj, True)
depths = set()
def tree(node, depth):
    global most_kids
    if node.Type == "/Page":
        depths.add(depth)
        return
    most_kids = max(most_kids, len(node.Kids))
    for kid in node.Kids:
        if kid.Parent.objgen != node.objgen:
            raise SystemExit("a kid names another parent")
        tree(kid, depth + 1)
tree(pdf.Root.Pages, 0)
print("arrays", longest_array, "strings", longest_string, "pages", len(pdf.pages), "kids", most_kids,
      "depths", len(depths))
)";

QMap<QString, int> Measure(const QString& pdf)
{
    QProcess python;
    python.start("/usr/bin/python3", {"-c", kMeasure, pdf});
    QMap<QString, int> figures;
    if (!python.waitForFinished(600000) || python.exitCode() != 0) {
        qWarning() << python.readAllStandardError();
        return figures;
    }
    const QStringList words = QString::fromUtf8(python.readAllStandardOutput()).simplified().split(' ');
    for (int i = 0; i + 1 < words.size(); i += 2)
        figures[words[i]] = words[i + 1].toInt();
    return figures;
}

ReportFacts Facts()
{
    ReportFacts facts;
    facts.programName = "quorlith-verify";
    facts.programVersion = "1.0.0";
    facts.computerName = "examiner-pc";
    facts.keySets = ReportKeySetsOf(BuiltInKeySetsOnly());
    facts.verificationStarted = QDateTime::currentDateTime();
    facts.verificationEnded = facts.verificationStarted;
    return facts;
}

VerificationResult Missing(const std::string& path)
{
    VerificationResult result;
    result.path = path;
    result.reason = VerdictReason::NotFound;
    return result;
}

} // namespace

void TestPdfLimits::pageTreeIsBalanced_data()
{
    QTest::addColumn<int>("pages");
    QTest::newRow("one node's worth") << kPdfMaxKids;
    QTest::newRow("one more") << kPdfMaxKids + 1;
    QTest::newRow("three levels") << kPdfMaxKids * kPdfMaxKids + 5;
}

// The tree BalancedPageTree writes, followed from its root: every page once, in the order written, all at
// one depth, no node with more kids than allowed, each kid naming its node as parent, counts that add up.
void TestPdfLimits::pageTreeIsBalanced()
{
    QFETCH(int, pages);
    const int root = 3;
    std::vector<PdfPageObject> objects;
    for (int i = 0; i < pages; ++i)
        objects.push_back({10 + i, root, "/Contents " + QByteArray::number(100000 + i) + " 0 R\n"});
    const int firstFree = 10 + pages;
    const std::map<int, QByteArray> tree = BalancedPageTree(objects, firstFree);
    if (pages <= kPdfMaxKids) {
        QVERIFY(tree.empty());
        return;
    }
    QVERIFY(tree.count(root));
    QList<int> reached;
    QSet<int> depths;
    const QRegularExpression kidsPattern("/Kids \\[([^\\]]*)\\]");
    std::function<long long(int, int, int)> follow = [&](int number, int parent, int depth) -> long long {
        const auto object = tree.find(number);
        if (object == tree.end())
            return -1;
        const QString body = QString::fromLatin1(object->second);
        const QRegularExpressionMatch parentMatch = QRegularExpression("/Parent (\\d+) 0 R").match(body);
        if (parent != 0 && (!parentMatch.hasMatch() || parentMatch.captured(1).toInt() != parent))
            return -1;
        if (body.contains("/Type /Page\n")) {
            if (!body.contains("/Contents " + QString::number(100000 + number - 10) + " 0 R"))
                return -1;
            reached << number;
            depths << depth;
            return 1;
        }
        const QStringList kids = kidsPattern.match(body).captured(1).split(" 0 R", Qt::SkipEmptyParts);
        if (kids.isEmpty() || kids.size() > kPdfMaxKids)
            return -1;
        long long count = 0;
        for (const QString& kid : kids) {
            const long long below = follow(kid.trimmed().toInt(), number, depth + 1);
            if (below < 0)
                return -1;
            count += below;
        }
        const QRegularExpressionMatch countMatch = QRegularExpression("/Count (\\d+)").match(body);
        return countMatch.captured(1).toLongLong() == count ? count : -1;
    };
    QCOMPARE(follow(root, 0, 0), static_cast<long long>(pages));
    QCOMPARE(depths.size(), 1);
    QList<int> written;
    for (const PdfPageObject& object : objects)
        written << object.number;
    QCOMPARE(reached, written);
    // The new nodes take the numbers from firstFree on, with none left unused.
    QCOMPARE(tree.rbegin()->first, firstFree + static_cast<int>(tree.size()) - pages - 2);
}

// A report of more pages than an array may hold, with every case detail at its bound in the characters
// the escaping writes longest: its page tree and every string stay within PDF/A-1's limits.
void TestPdfLimits::largeReportStaysWithinTheLimits()
{
    QVERIFY(dir.isValid());
    ReportFacts facts = Facts();
    // A byte that is not UTF-8 prints as four characters, \xFF, and takes eight bytes in a PDF text
    // string.
    const std::string worst(CaseDetails::kMaxTextBytes, '\xff');
    facts.caseDetails.caseNumber = worst;
    facts.caseDetails.examiner = worst;
    facts.caseDetails.organisation = worst;
    facts.caseDetails.exhibits.assign(CaseDetails::kMaxExhibits, worst);
    facts.caseDetails.note = std::string(CaseDetails::kMaxNoteBytes, '\xff');
    PdfReportWriter writer(facts);
    for (int i = 0; i < kEntries; ++i)
        writer.Add(Missing("/case/" + std::string(kPathBytes, 'p') + "/" + std::to_string(i) + ".jpg"));
    const QString pdf = dir.filePath("large.pdf");
    QString error;
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));

    const QMap<QString, int> figures = Measure(pdf);
    QVERIFY(figures.value("pages") > 8191);
    QVERIFY(figures.value("arrays") <= 8191);
    QVERIFY(figures.value("strings") > 0);
    QVERIFY(figures.value("strings") <= 65535);
    QVERIFY(figures.value("kids") <= kPdfMaxKids);
    QCOMPARE(figures.value("depths"), 1);
}

QTEST_MAIN(TestPdfLimits)
#include "TestPdfLimits.moc"
