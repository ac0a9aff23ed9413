// SPDX-License-Identifier: Apache-2.0
#include "cli/CommandLineParser.h"

#include <QtTest>

#include <vector>

Q_DECLARE_METATYPE(ReportFormat)
Q_DECLARE_METATYPE(CommandLineOptions::Action)

class TestCommandLineParser : public QObject
{
    Q_OBJECT

private slots:
    void accepted_data();
    void accepted();
    void usageErrors_data();
    void usageErrors();
    void reportPath_data();
    void reportPath();
    void caseDetailBounds_data();
    void caseDetailBounds();
};

namespace {

bool Parse(const QStringList& arguments, CommandLineOptions* options, std::string* error)
{
    std::vector<QByteArray> bytes{"quorlith-verify"};
    for (const QString& argument : arguments)
        bytes.push_back(argument.toUtf8());
    std::vector<const char*> argv;
    for (const QByteArray& argument : bytes)
        argv.push_back(argument.constData());
    return CommandLineParser::Parse(static_cast<int>(argv.size()), argv.data(), options, error);
}

} // namespace

void TestCommandLineParser::accepted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLineOptions::Action>("action");
    QTest::addColumn<ReportFormat>("format");
    QTest::addColumn<bool>("sha256");
    QTest::addColumn<int>("jobs");
    QTest::addColumn<QStringList>("paths");

    using A = CommandLineOptions::Action;
    QTest::newRow("paths only") << QStringList{"a.jpg", "dir"} << A::Verify << ReportFormat::Text << false
                                << 0 << QStringList{"a.jpg", "dir"};
    QTest::newRow("json and sha256") << QStringList{"--json", "x", "--sha256"} << A::Verify
                                     << ReportFormat::JsonLines << true << 0 << QStringList{"x"};
    QTest::newRow("csv, -j N") << QStringList{"--csv", "-j", "3", "x"} << A::Verify << ReportFormat::Csv
                               << false << 3 << QStringList{"x"};
    QTest::newRow("-jN") << QStringList{"-j7", "x"} << A::Verify << ReportFormat::Text << false << 7
                         << QStringList{"x"};
    QTest::newRow("--jobs N") << QStringList{"--jobs", "2", "x"} << A::Verify << ReportFormat::Text << false
                              << 2 << QStringList{"x"};
    QTest::newRow("--jobs=N") << QStringList{"--jobs=12", "x"} << A::Verify << ReportFormat::Text << false
                              << 12 << QStringList{"x"};
    QTest::newRow("-- ends options") << QStringList{"--", "--json", "-j"} << A::Verify << ReportFormat::Text
                                     << false << 0 << QStringList{"--json", "-j"};
    QTest::newRow("lone dash is a path")
        << QStringList{"-"} << A::Verify << ReportFormat::Text << false << 0 << QStringList{"-"};
    QTest::newRow("help wins") << QStringList{"--help", "--bogus"} << A::ShowHelp << ReportFormat::Text
                               << false << 0 << QStringList{};
    QTest::newRow("version without paths")
        << QStringList{"--version"} << A::ShowVersion << ReportFormat::Text << false << 0 << QStringList{};
}

void TestCommandLineParser::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLineOptions::Action, action);
    QFETCH(ReportFormat, format);
    QFETCH(bool, sha256);
    QFETCH(int, jobs);
    QFETCH(QStringList, paths);

    CommandLineOptions options;
    std::string error;
    QVERIFY2(Parse(arguments, &options, &error), error.c_str());
    QCOMPARE(options.action, action);
    if (action != CommandLineOptions::Action::Verify)
        return;
    QCOMPARE(options.format, format);
    QCOMPARE(options.sha256, sha256);
    QCOMPARE(options.jobs, jobs);
    QStringList parsedPaths;
    for (const std::string& path : options.paths)
        parsedPaths << QString::fromStdString(path);
    QCOMPARE(parsedPaths, paths);
}

void TestCommandLineParser::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("options but no path") << QStringList{"--json"};
    QTest::newRow("json and csv") << QStringList{"--json", "--csv", "x"};
    QTest::newRow("unknown option") << QStringList{"--md5", "x"};
    QTest::newRow("jobs zero") << QStringList{"-j", "0", "x"};
    QTest::newRow("jobs negative") << QStringList{"--jobs=-2", "x"};
    QTest::newRow("jobs not a number") << QStringList{"-j", "two", "x"};
    QTest::newRow("jobs trailing text") << QStringList{"-j4x", "x"};
    QTest::newRow("jobs too many") << QStringList{"--jobs", "100000", "x"};
    QTest::newRow("jobs missing its number") << QStringList{"x", "--jobs"};
    QTest::newRow("jobs empty") << QStringList{"--jobs=", "x"};
    QTest::newRow("report not a PDF") << QStringList{"--report", "report.txt", "x"};
    QTest::newRow("report PDF in the middle") << QStringList{"--report=report.pdf.csv", "x"};
    QTest::newRow("report without a name before .pdf") << QStringList{"--report", "out/.pdf", "x"};
    QTest::newRow("report missing its name") << QStringList{"x", "--report"};
    QTest::newRow("overwrite without a report") << QStringList{"--overwrite", "x"};
    QTest::newRow("run record without --json") << QStringList{"--run-record", "x"};
    QTest::newRow("rehash without a report") << QStringList{"--rehash", "x"};
    QTest::newRow("run record with --csv") << QStringList{"--csv", "--run-record", "x"};
}

void TestCommandLineParser::usageErrors()
{
    QFETCH(QStringList, arguments);
    CommandLineOptions options;
    std::string error;
    QVERIFY(!Parse(arguments, &options, &error));
    QVERIFY(!error.empty());
}

void TestCommandLineParser::reportPath_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reportPath");
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("no report") << QStringList{"a.pdf"} << QString() << QStringList{"a.pdf"};
    QTest::newRow("--report FILE") << QStringList{"--report", "case 7/report.pdf", "x"} << "case 7/report.pdf"
                                   << QStringList{"x"};
    QTest::newRow("--report=FILE, ending in capitals")
        << QStringList{"x", "--report=R.PDF"} << "R.PDF" << QStringList{"x"};
}

void TestCommandLineParser::reportPath()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reportPath);
    QFETCH(QStringList, paths);
    CommandLineOptions options;
    std::string error;
    QVERIFY2(Parse(arguments, &options, &error), error.c_str());
    QCOMPARE(QString::fromStdString(options.reportPath), reportPath);
    QStringList parsedPaths;
    for (const std::string& path : options.paths)
        parsedPaths << QString::fromStdString(path);
    QCOMPARE(parsedPaths, paths);
}

void TestCommandLineParser::caseDetailBounds_data()
{
    QTest::addColumn<QStringList>("details");
    QTest::addColumn<QString>("error");
    const QString ae = QString::fromUtf8("\xc3\xa4"); // two bytes in UTF-8
    QTest::newRow("case number at its bound") << QStringList{"--case", QString(200, '7')} << QString();
    QTest::newRow("case number one byte over")
        << QStringList{"--case", QString(201, '7')} << "--case takes at most 200 bytes; 201 were given";
    QTest::newRow("examiner in two-byte letters, at its bound")
        << QStringList{"--examiner", ae.repeated(100)} << QString();
    QTest::newRow("examiner in two-byte letters, over")
        << QStringList{"--examiner", ae.repeated(100) + "x"}
        << "--examiner takes at most 200 bytes; 201 were given";
    QTest::newRow("organisation over") << QStringList{"--organisation=" + QString(300, 'o')}
                                       << "--organisation takes at most 200 bytes; 300 were given";
    QTest::newRow("second exhibit over") << QStringList{"--exhibit", "EX-1", "--exhibit", QString(250, 'x')}
                                         << "--exhibit takes at most 200 bytes; 250 were given";
    QTest::newRow("note at its bound") << QStringList{"--note", QString(2000, 'n')} << QString();
    QTest::newRow("note over") << QStringList{"--note", QString(2001, 'n')}
                               << "--note takes at most 2000 bytes; 2001 were given";
    QStringList twenty;
    for (int i = 0; i < 20; ++i)
        twenty << "--exhibit" << QString("EX-%1").arg(i);
    QTest::newRow("20 exhibits") << twenty << QString();
    QTest::newRow("21 exhibits") << (twenty + QStringList{"--exhibit", "EX-20"})
                                 << "--exhibit may be given at most 20 times; 21 were given";
}

// Each case detail has a documented bound in bytes; the message names the option and both sizes.
void TestCommandLineParser::caseDetailBounds()
{
    QFETCH(QStringList, details);
    QFETCH(QString, error);
    CommandLineOptions options;
    std::string message;
    const bool parsed =
        Parse(QStringList{"--report", "r.pdf"} + details + QStringList{"x"}, &options, &message);
    QCOMPARE(parsed, error.isEmpty());
    QCOMPARE(QString::fromStdString(message), error);
}

QTEST_GUILESS_MAIN(TestCommandLineParser)
#include "TestCommandLineParser.moc"
