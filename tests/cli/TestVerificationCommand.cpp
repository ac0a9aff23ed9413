// SPDX-License-Identifier: Apache-2.0
#include "EvidenceFixtures.h"
#include "cli/VerificationCommand.h"

#include <QtTest>

#include <cstdio>

// The progress bar's place: only on a terminal, only for more than one file, and never in the report.
class TestVerificationCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void progressOnlyForSeveralFiles_data();
    void progressOnlyForSeveralFiles();

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
        QVERIFY(EvidenceFixtures::Stamp(EvidenceFixtures::Media("still.jpg"),
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
    const int quietStatus = VerificationCommand::Run(options, quietReport, nullptr);
    const int status = VerificationCommand::Run(options, report, terminal);
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

QTEST_GUILESS_MAIN(TestVerificationCommand)
#include "TestVerificationCommand.moc"
