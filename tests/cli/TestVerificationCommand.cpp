// SPDX-License-Identifier: Apache-2.0
#include "cli/VerificationCommand.h"
#include "tests/support/EvidenceFiles.h"

#include <QtTest>

#include <atomic>
#include <csignal>
#include <cstdio>

// The progress bar's place: only on a terminal, only for more than one file, and never in the report;
// the exit status a run ends with, and how a run asked to stop ends.
class TestVerificationCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void progressOnlyForSeveralFiles_data();
    void progressOnlyForSeveralFiles();
    void progressMovesWithinALargeFile();
    void exitStatus_data();
    void exitStatus();
    void interruptedRunEndsOnWholeLines_data();
    void interruptedRunEndsOnWholeLines();
    void signalDuringTheSearchEndsIt();

private:
    QTemporaryDir dir;
};

namespace {

QByteArray Contents(FILE* file)
{
    std::fflush(file);
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, static_cast<int>(got));
    return bytes;
}

} // namespace

void TestVerificationCommand::initTestCase()
{
    QVERIFY(dir.isValid());
    for (int i = 0; i < 40; ++i)
        QVERIFY(StampMedia(MediaPath("still.jpg"),
                                        dir.filePath(QString("%1.jpg").arg(i)), "1.0"));
}

void TestVerificationCommand::progressOnlyForSeveralFiles_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<bool>("barExpected");
    QTest::newRow("one file") << QStringList{"0.jpg"} << false;
    QTest::newRow("one missing path") << QStringList{"missing.jpg"} << false;
    QTest::newRow("two files") << QStringList{"0.jpg", "1.jpg"} << true;
    QTest::newRow("a folder") << QStringList{""} << true;
}

void TestVerificationCommand::progressOnlyForSeveralFiles()
{
    QFETCH(QStringList, paths);
    QFETCH(bool, barExpected);
    CommandLineOptions options;
    options.format = ReportFormat::JsonLines;
    options.jobs = 2;
    for (const QString& path : paths)
        options.paths.push_back(QFile::encodeName(dir.filePath(path)).toStdString());

    FILE* quietReport = std::tmpfile();
    FILE* report = std::tmpfile();
    FILE* terminal = std::tmpfile();
    QVERIFY(quietReport && report && terminal);
    const int quietStatus = VerificationCommand::Run(options, quietReport, stderr, nullptr).status;
    const int status = VerificationCommand::Run(options, report, stderr, terminal).status;
    const QByteArray withoutBar = Contents(quietReport);
    const QByteArray withBar = Contents(report);
    const QByteArray bar = Contents(terminal);
    std::fclose(quietReport);
    std::fclose(report);
    std::fclose(terminal);

    QCOMPARE(status, quietStatus);
    QCOMPARE(withBar, withoutBar);
    QVERIFY(!withBar.isEmpty());
    QCOMPARE(!bar.isEmpty(), barExpected);
    if (barExpected) {
        // Drawn against the total, then taken off the line at the end.
        QVERIFY(
            bar.contains(QString("/%1 files").arg(paths == QStringList{""} ? 40 : paths.size()).toLatin1()));
        QVERIFY(bar.endsWith("\r\033[K"));
    }
}

// A large file first: the bar must show bytes of it read before its line is out, not stand at
// zero until the whole file is done.
void TestVerificationCommand::progressMovesWithinALargeFile()
{
    QTemporaryDir large;
    QVERIFY(large.isValid());
    const QString media = large.filePath("media.mp4");
    QVERIFY(WriteMp4(media, qint64(192) << 20));
    QVERIFY(StampMedia(media, large.filePath("a-large.mp4"), "1.0"));
    QVERIFY(QFile::remove(media));
    QVERIFY(QFile::copy(dir.filePath("0.jpg"), large.filePath("b-small.jpg")));

    CommandLineOptions options;
    options.format = ReportFormat::JsonLines;
    options.jobs = 1;
    options.sha256 = true;
    options.paths.push_back(QFile::encodeName(large.path()).toStdString());
    FILE* report = std::tmpfile();
    FILE* terminal = std::tmpfile();
    QVERIFY(report && terminal);
    const int status = VerificationCommand::Run(options, report, stderr, terminal).status;
    const QByteArray bar = Contents(terminal);
    std::fclose(report);
    std::fclose(terminal);
    QCOMPARE(status, 0);

    bool movedWithinTheFile = false;
    for (const QByteArray& drawn : bar.split('\r')) {
        const int files = drawn.indexOf("0/2 files  ");
        if (files >= 0 && !drawn.mid(files + 11).startsWith("0 B/"))
            movedWithinTheFile = true;
    }
    QVERIFY2(movedWithinTheFile, bar.constData());
}

void TestVerificationCommand::exitStatus_data()
{
    QTest::addColumn<QStringList>("targets");
    QTest::addColumn<int>("status");
    QTest::newRow("authentic") << QStringList{"0.jpg", "1.jpg"} << 0;
    QTest::newRow("a path that does not exist") << QStringList{"0.jpg", "missing.jpg"} << 1;
    QTest::newRow("the system failed") << QStringList{"0.jpg", "system-error"} << 3;
    QTest::newRow("the system failed beside a failed file")
        << QStringList{"missing.jpg", "system-error", "1.jpg"} << 3;
}

// A file the system kept from being checked was not judged: the run could not complete, which is
// more than a file found not authentic.
void TestVerificationCommand::exitStatus()
{
    QFETCH(QStringList, targets);
    QFETCH(int, status);
    std::vector<VerificationTarget> collected;
    for (const QString& name : targets) {
        VerificationTarget target;
        target.path = QFile::encodeName(dir.filePath(name)).toStdString();
        if (name == "system-error") {
            target.problem = VerdictReason::SystemError;
            target.problemDetail = "no file descriptors left";
        }
        collected.push_back(target);
    }
    CommandLineOptions options;
    options.format = ReportFormat::JsonLines;
    options.jobs = 2;
    FILE* report = std::tmpfile();
    QVERIFY(report);
    const VerificationCommand::Outcome outcome =
        VerificationCommand::RunTargets(collected, options, report, stderr, nullptr);
    const QByteArray written = Contents(report);
    std::fclose(report);

    QCOMPARE(outcome.status, status);
    QVERIFY(outcome.complete);
    QCOMPARE(written.count('\n'), targets.size());
    QCOMPARE(written.contains("\"reason\":\"system-error\""), targets.contains("system-error"));
}

void TestVerificationCommand::interruptedRunEndsOnWholeLines_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<int>("headerLines");
    QTest::newRow("text") << int(ReportFormat::Text) << QByteArray("\n") << 0;
    QTest::newRow("json") << int(ReportFormat::JsonLines) << QByteArray("\n") << 0;
    QTest::newRow("csv") << int(ReportFormat::Csv) << QByteArray("\r\n") << 1;
}

// The signal comes with the first result written. The files already started are written whole and
// in order, the summary is left out, the bar is taken off the line, and the message says how far
// the run got.
void TestVerificationCommand::interruptedRunEndsOnWholeLines()
{
    QFETCH(int, format);
    QFETCH(QByteArray, lineEnd);
    QFETCH(int, headerLines);
    CommandLineOptions options;
    options.format = static_cast<ReportFormat>(format);
    options.jobs = 1;
    options.paths.push_back(QFile::encodeName(dir.path()).toStdString());

    FILE* report = std::tmpfile();
    FILE* errors = std::tmpfile();
    FILE* terminal = std::tmpfile();
    QVERIFY(report && errors && terminal);
    std::atomic<int> signal(0);
    const VerificationCommand::Outcome outcome = VerificationCommand::Run(
        options, report, errors, terminal, [&](const VerificationResult&) { signal = SIGTERM; },
        [&] { return signal.load(); });
    const QByteArray written = Contents(report);
    const QByteArray message = Contents(errors);
    const QByteArray bar = Contents(terminal);
    std::fclose(report);
    std::fclose(errors);
    std::fclose(terminal);

    QCOMPARE(outcome.status, 128 + SIGTERM);
    QVERIFY(!outcome.complete);
    QVERIFY(written.endsWith(lineEnd));
    const QList<QByteArray> lines = written.left(written.size() - lineEnd.size()).split('\n');
    const int results = lines.size() - headerLines;
    QVERIFY2(results >= 1 && results < 40, written.constData());
    // A folder's files come in byte order of their names.
    QStringList names;
    for (int i = 0; i < 40; ++i)
        names << QString("%1.jpg").arg(i);
    names.sort();
    for (int i = 0; i < results; ++i) {
        const QByteArray& line = lines[headerLines + i];
        QVERIFY2(line.contains(QFile::encodeName(dir.filePath(names[i]))), line.constData());
    }
    QVERIFY(!written.contains("Total files"));
    QVERIFY(bar.endsWith("\r\033[K"));
    QCOMPARE(message, QString("quorlith-verify: interrupted by SIGTERM after %1 of 40 files; the output is "
                              "incomplete\n")
                          .arg(results)
                          .toUtf8());
}

// A signal that comes while folders are searched ends the search too: nothing is collected after it
// and no file is started.
void TestVerificationCommand::signalDuringTheSearchEndsIt()
{
    CommandLineOptions options;
    options.format = ReportFormat::JsonLines;
    options.paths = {QFile::encodeName(dir.path()).toStdString(),
                     QFile::encodeName(dir.path()).toStdString()};
    FILE* report = std::tmpfile();
    FILE* errors = std::tmpfile();
    QVERIFY(report && errors);
    std::atomic<int> asked(0); // asked from the workers too
    // The first question comes before anything is searched; the signal is there from the second on.
    const VerificationCommand::Outcome outcome = VerificationCommand::Run(
        options, report, errors, nullptr, {}, [&] { return ++asked > 1 ? SIGINT : 0; });
    const QByteArray written = Contents(report);
    const QByteArray message = Contents(errors);
    std::fclose(report);
    std::fclose(errors);

    QCOMPARE(outcome.status, 128 + SIGINT);
    QVERIFY(written.isEmpty());
    QVERIFY2(message.contains("after 0 of 0 files"), message.constData());
}

QTEST_GUILESS_MAIN(TestVerificationCommand)
#include "TestVerificationCommand.moc"
