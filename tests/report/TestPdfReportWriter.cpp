// SPDX-License-Identifier: Apache-2.0
#include "EvidenceFixtures.h"
#include "report/PdfReportWriter.h"
#include "verdict/FileVerifier.h"

#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <utime.h>

// The PDF report as pdftotext reads it back: the pages, their numbering and what each file's block says
// about the file on disk.
class TestPdfReportWriter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPageNumberedOfAll();
    void fileStateAtReportTime_data();
    void fileStateAtReportTime();
    void failedWriteKeepsWhatWasThere_data();
    void failedWriteKeepsWhatWasThere();

private:
    QTemporaryDir dir;
};

namespace {

using Fixtures = EvidenceFixtures;

ReportFacts Facts()
{
    ReportFacts facts;
    facts.programName = "quorlith-verify";
    facts.programVersion = "1.0.0";
    facts.computerName = "examiner-pc";
    facts.keyFingerprint = QString(64, QLatin1Char('a'));
    facts.verificationStarted = QDateTime::currentDateTime();
    facts.verificationEnded = facts.verificationStarted;
    return facts;
}

VerificationResult Verified(const QString& path)
{
    VerificationTarget target;
    target.path = path.toStdString();
    return FileVerifier(true).Verify(target);
}

// The text of each page; pdftotext ends every page with a form feed.
QStringList PageTexts(const QString& pdf)
{
    QProcess text;
    text.start("pdftotext", {"-enc", "UTF-8", pdf, "-"});
    if (!text.waitForFinished(60000) || text.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
    pages.removeLast();
    return pages;
}

} // namespace

void TestPdfReportWriter::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(Fixtures::Stamp(Fixtures::Media("still.jpg"), dir.filePath("photo.jpg"), "1.0"));
}

void TestPdfReportWriter::everyPageNumberedOfAll()
{
    PdfReportWriter writer(Facts());
    const int fileCount = 12;
    for (int i = 0; i < fileCount; ++i) {
        const QString copy = dir.filePath(QString("copy-%1.jpg").arg(i));
        QVERIFY(QFile::copy(dir.filePath("photo.jpg"), copy) || QFileInfo::exists(copy));
        writer.Add(Verified(copy));
    }
    QString error;
    QVERIFY2(writer.Save(QFile::encodeName(dir.filePath("pages.pdf")), &error), qPrintable(error));

    const QStringList pages = PageTexts(dir.filePath("pages.pdf"));
    QVERIFY(pages.size() > 3);
    for (int page = 1; page <= pages.size(); ++page) {
        const QString numbering = QString("Page %1 of %2").arg(page).arg(pages.size());
        QCOMPARE(pages.join(QString()).count(numbering), 1);
        QVERIFY2(pages.at(page - 1).contains(numbering), qPrintable(numbering));
    }
    for (int i = 0; i < fileCount; ++i)
        QVERIFY(pages.join(QString()).contains(QString("copy-%1.jpg").arg(i)));
}

void TestPdfReportWriter::fileStateAtReportTime_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("afterAdd");
    QTest::addColumn<QString>("expected");
    const QString same =
        "device, inode, size, modification time and change time still match the file that was verified.";
    const QString changed = "the file changed after it was verified.";
    QTest::newRow("untouched") << "none" << false << same;
    // A long run adds a file's result as soon as it is verified; the state that counts is the one
    // when the report is written.
    for (const bool afterAdd : {false, true}) {
        const char* when = afterAdd ? ", after its result was added" : "";
        QTest::addRow("grown by a byte%s", when) << "append" << afterAdd << changed;
        QTest::addRow("same size, newer time%s", when) << "touch" << afterAdd << changed;
        QTest::addRow("only the change time moved%s", when) << "chmod" << afterAdd << changed;
        QTest::addRow("replaced by a copy of itself%s", when) << "replace" << afterAdd << changed;
        QTest::addRow("removed%s", when) << "remove" << afterAdd << changed;
    }
}

void TestPdfReportWriter::fileStateAtReportTime()
{
    QFETCH(QString, change);
    QFETCH(bool, afterAdd);
    QFETCH(QString, expected);
    const QString path = dir.filePath(QString("state-%1-%2.jpg").arg(change).arg(afterAdd));
    QFile::remove(path);
    QVERIFY(QFile::copy(dir.filePath("photo.jpg"), path));
    const VerificationResult result = Verified(path);
    QVERIFY(result.authentic);
    PdfReportWriter writer(Facts());
    if (afterAdd)
        writer.Add(result);
    // The change time has a clock tick of its own; a pause makes a change visible in it.
    QTest::qWait(20);
    if (change == "append") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append) && file.write("x", 1) == 1);
    } else if (change == "touch") {
        struct utimbuf times = {result.modifiedNs / 1000000000 + 60, result.modifiedNs / 1000000000 + 60};
        QCOMPARE(utime(path.toLocal8Bit().constData(), &times), 0);
    } else if (change == "chmod") {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    } else if (change == "replace") {
        QVERIFY(QFile::copy(path, path + ".new"));
        struct utimbuf times = {result.modifiedNs / 1000000000, result.modifiedNs / 1000000000};
        QCOMPARE(utime((path + ".new").toLocal8Bit().constData(), &times), 0);
        QVERIFY(std::rename((path + ".new").toLocal8Bit().constData(), path.toLocal8Bit().constData()) == 0);
    } else if (change == "remove") {
        QVERIFY(QFile::remove(path));
    }
    if (!afterAdd)
        writer.Add(result);
    QString error;
    const QString pdf = dir.filePath(QString("state-%1-%2.pdf").arg(change).arg(afterAdd));
    const QDateTime beforeSave = QDateTime::currentDateTime().addSecs(-1);
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));
    const QDateTime afterSave = QDateTime::currentDateTime().addSecs(1);
    const QString text = PageTexts(pdf).join(QString()).simplified();
    QVERIFY2(text.contains(expected), qPrintable(text));

    // When the check was made, with the offset from UTC.
    const QRegularExpressionMatch checked =
        QRegularExpression("Checked (\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d) UTC[+-]\\d\\d:\\d\\d: ")
            .match(text);
    QVERIFY2(checked.hasMatch(), qPrintable(text));
    const QDateTime at = QDateTime::fromString(checked.captured(1), "yyyy-MM-dd HH:mm:ss");
    QVERIFY2(at >= beforeSave && at <= afterSave, qPrintable(checked.captured(1)));
}

void TestPdfReportWriter::failedWriteKeepsWhatWasThere_data()
{
    QTest::addColumn<int>("shortBy");
    QTest::addColumn<int>("limit");
    // The report's end waits in the buffer until the file is closed: a disk that fills only there
    // must fail the save as surely as one that is full from the start.
    QTest::newRow("4 KiB allowed") << 0 << 4096;
    QTest::newRow("all but 20,000 bytes") << 20000 << 0;
    QTest::newRow("all but 300 bytes") << 300 << 0;
    // Not one byte: the time the report is written changes its compressed size by a few.
    QTest::newRow("all but 100 bytes") << 100 << 0;
}

// A file size limit plays the full disk: the write stops half-way, the save fails with the system's
// words, and the report that was there before stays as it was, with nothing left beside it.
void TestPdfReportWriter::failedWriteKeepsWhatWasThere()
{
    QFETCH(int, shortBy);
    QFETCH(int, limit);
    QTemporaryDir target;
    QVERIFY(target.isValid());
    const QString path = target.filePath("report.pdf");
    QVERIFY(Fixtures::WriteAll(path, "the report of yesterday"));
    PdfReportWriter writer(Facts());
    for (int i = 0; i < 3; ++i)
        writer.Add(Verified(dir.filePath("photo.jpg")));
    if (shortBy > 0) {
        QString error;
        QVERIFY2(writer.Save(QFile::encodeName(target.filePath("whole.pdf")), &error), qPrintable(error));
        limit = static_cast<int>(QFileInfo(target.filePath("whole.pdf")).size()) - shortBy;
        QVERIFY(QFile::remove(target.filePath("whole.pdf")));
    }

    struct rlimit before;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    struct rlimit small = before;
    small.rlim_cur = static_cast<rlim_t>(limit);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool saved = writer.Save(QFile::encodeName(path), &error);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!saved);
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(EFBIG)));
    QCOMPARE(Fixtures::ReadAll(path), QByteArray("the report of yesterday"));
    QCOMPARE(QDir(target.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"report.pdf"});
}

QTEST_MAIN(TestPdfReportWriter)
#include "TestPdfReportWriter.moc"
