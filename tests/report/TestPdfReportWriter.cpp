// SPDX-License-Identifier: Apache-2.0
#include "report/FileFactsText.h"
#include "report/GlyphCheck.h"
#include "report/LeftOutList.h"
#include "report/PdfReportWriter.h"
#include "tests/support/EvidenceFiles.h"
#include "tests/support/FailingSync.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/SecondFamily.h"
#include "tools/EvidenceStamper.h"
#include "verdict/FileVerifier.h"
#include "verdict/KeySetFacts.h"
#include "verdict/VerdictText.h"

#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
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
    void longPathStaysWithinTheMargins_data();
    void longPathStaysWithinTheMargins();
    void summaryOverPagesLosesNoRow();
    void summaryShowsPartialCoverage();
    void folderAndMissingPathSayWhatTheyAre();
    void keySetsInTheFactsAndEveryBlock();
    void fileBlockNamesDigestAndFileFacts_data();
    void fileBlockNamesDigestAndFileFacts();
    void permissionsAsLsShowsThem_data();
    void permissionsAsLsShowsThem();
    void leftOutNamesEveryEntry_data();
    void leftOutNamesEveryEntry();
    void glyphCheck_data();
    void glyphCheck();
    void everyCharacterPrintsOrIsEscaped();
    void layoutHearsAStopAtEveryFile();
    void failedWriteKeepsWhatWasThere_data();
    void failedWriteKeepsWhatWasThere();
    void updateCrossReferencePointsAtItsObjects();
    void twinNamesPrintApart_data();
    void twinNamesPrintApart();
    void headerKeepsEachTextToItsSide_data();
    void headerKeepsEachTextToItsSide();
    void oneInstantForTheWholeReport();
    void textLayerGivesBackTheCharactersDrawn_data();
    void textLayerGivesBackTheCharactersDrawn();
    void propertiesNameOrganisationNoteAndIdentifier_data();
    void propertiesNameOrganisationNoteAndIdentifier();

private:
    QTemporaryDir dir;
};

namespace {

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

// A word of the PDF's text with its page (from 0) and its box in points from the page's top left.
struct PdfWord
{
    QString text;
    int page = 0;
    QRectF box;
};

struct PdfWords
{
    QSizeF pageSize;
    QList<PdfWord> words; // in the order they were drawn
};

PdfWords Words(const QString& pdf)
{
    PdfWords result;
    QProcess text;
    text.start("pdftotext", {"-bbox", "-enc", "UTF-8", pdf, "-"});
    if (!text.waitForFinished(60000) || text.exitCode() != 0)
        return result;
    const QString html = QString::fromUtf8(text.readAllStandardOutput());
    const QRegularExpression item(
        "<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">|<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
        "xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    int page = -1;
    for (QRegularExpressionMatchIterator it = item.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!match.captured(1).isEmpty()) {
            ++page;
            result.pageSize = QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
            continue;
        }
        PdfWord word;
        word.page = page;
        word.box = QRectF(QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()),
                          QPointF(match.captured(5).toDouble(), match.captured(6).toDouble()));
        word.text = match.captured(7)
                        .replace("&amp;", "&")
                        .replace("&lt;", "<")
                        .replace("&gt;", ">")
                        .replace("&quot;", "\"");
        result.words << word;
    }
    return result;
}

// The words in reading order, line by line down each page and left to right in a line, without the
// spaces and line ends between them and without the footers: what a text broken over lines and pages
// still reads.
QString Joined(const PdfWords& pdf)
{
    // The footer's two lines, 0.2 inch each, above the bottom margin of 14 mm.
    const double footerTop = pdf.pageSize.height() - 14 * 72 / 25.4 - 34;
    QList<PdfWord> words;
    for (const PdfWord& word : pdf.words) {
        if (word.box.top() < footerTop)
            words << word;
    }
    std::stable_sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
        return a.page != b.page ? a.page < b.page : a.box.top() < b.box.top();
    });
    QString joined;
    for (int start = 0; start < words.size();) {
        int end = start + 1;
        while (end < words.size() && words[end].page == words[start].page &&
               words[end].box.top() - words[start].box.top() < 3)
            ++end;
        std::sort(words.begin() + start, words.begin() + end,
                  [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
        for (int i = start; i < end; ++i)
            joined += words[i].text;
        start = end;
    }
    return joined;
}

VerificationResult Unverified(const std::string& path, VerdictReason reason)
{
    VerificationResult result;
    result.path = path;
    result.reason = reason;
    return result;
}

// "/" and then folders named after their number until the path is about length bytes long.
std::string LongPath(int length, int folders)
{
    std::string path;
    const int each = (length - 9) / folders;
    for (int i = 0; i < folders; ++i) {
        std::string name = "/folder-" + std::to_string(i + 1) + "-";
        name.resize(static_cast<size_t>(each), 'x');
        path += name;
    }
    return path + "/clip.avi";
}

} // namespace

void TestPdfReportWriter::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(StampMedia(MediaPath("still.jpg"), dir.filePath("photo.jpg"), "1.0"));
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
        struct utimbuf times = {result.file.modifiedNs / 1000000000 + 60,
                                result.file.modifiedNs / 1000000000 + 60};
        QCOMPARE(utime(path.toLocal8Bit().constData(), &times), 0);
    } else if (change == "chmod") {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    } else if (change == "replace") {
        QVERIFY(QFile::copy(path, path + ".new"));
        struct utimbuf times = {result.file.modifiedNs / 1000000000, result.file.modifiedNs / 1000000000};
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

void TestPdfReportWriter::longPathStaysWithinTheMargins_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("shortBlocksBefore");
    QTest::newRow("3,500-byte path after one block") << 3500 << 1;
    QTest::newRow("3,500-byte path after four blocks") << 3500 << 4;
    QTest::newRow("12,000-byte path after two blocks") << 12000 << 2;
}

// Every word lies inside the margins of its page; the path reads whole in its block's heading and in its
// "Full path" line, over as many pages as it takes; and each block's heading stands on the page where
// its first line does.
void TestPdfReportWriter::longPathStaysWithinTheMargins()
{
    QFETCH(int, length);
    QFETCH(int, shortBlocksBefore);
    const std::string path = LongPath(length, 60);
    QCOMPARE(static_cast<int>(path.size()), length - (length - 9) % 60);
    PdfReportWriter writer(Facts());
    for (int i = 0; i < shortBlocksBefore; ++i)
        writer.Add(Verified(dir.filePath("photo.jpg")));
    writer.Add(Unverified(path, VerdictReason::NotFound));
    writer.Add(Verified(dir.filePath("photo.jpg")));
    QString error;
    const QString pdf = dir.filePath("long.pdf");
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));

    const PdfWords read = Words(pdf);
    QVERIFY(!read.words.isEmpty());
    const double millimetre = 72 / 25.4;
    const QRectF inside(
        QPointF(20 * millimetre - 1, 16 * millimetre - 1),
        QPointF(read.pageSize.width() - 20 * millimetre + 1, read.pageSize.height() - 14 * millimetre + 1));
    for (const PdfWord& word : read.words)
        QVERIFY2(inside.contains(word.box), qPrintable(QString("page %1: %2 at %3,%4-%5,%6")
                                                           .arg(word.page + 1)
                                                           .arg(word.text.left(40))
                                                           .arg(word.box.left())
                                                           .arg(word.box.top())
                                                           .arg(word.box.right())
                                                           .arg(word.box.bottom())));
    const QString joined = Joined(read);
    const QString number = QString::number(shortBlocksBefore + 1);
    QVERIFY2(joined.contains(number + ".clip.aviFullpath"), "the block's heading lost its file name");
    QVERIFY2(joined.contains("Fullpath" + QString::fromStdString(path)),
             "the Full path line lost part of the path");

    // Headings "N." at the left margin, each followed on the same page by its block's "Full path".
    int headingPage = -1;
    int headings = 0;
    for (int i = 0; i + 1 < read.words.size(); ++i) {
        const PdfWord& word = read.words.at(i);
        if (QRegularExpression("^\\d+\\.$").match(word.text).hasMatch() &&
            word.box.left() < inside.left() + 2) {
            headingPage = word.page;
            ++headings;
        } else if (word.text == "Full" && read.words.at(i + 1).text == "path" && headingPage >= 0) {
            QCOMPARE(word.page, headingPage);
            headingPage = -1;
        }
    }
    QCOMPARE(headings, shortBlocksBefore + 2);
}

// Seventy files fill the summary over more than one page: every row is there once, in order.
void TestPdfReportWriter::summaryOverPagesLosesNoRow()
{
    PdfReportWriter writer(Facts());
    const int fileCount = 70;
    for (int i = 1; i <= fileCount; ++i)
        writer.Add(Unverified("/case/missing-" + std::to_string(i) + ".jpg", VerdictReason::NotFound));
    QString error;
    const QString pdf = dir.filePath("summary.pdf");
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));

    const PdfWords read = Words(pdf);
    QList<int> numbers;
    QSet<int> pages;
    const double left = 20 * 72 / 25.4;
    for (const PdfWord& word : read.words) {
        if (word.text == "files" && numbers.size() > 0)
            break; // "The files one by one": the blocks begin
        bool isNumber = false;
        const int number = word.text.toInt(&isNumber);
        if (isNumber && word.box.left() < left + 2) {
            numbers << number;
            pages << word.page;
        }
    }
    QList<int> expected;
    for (int i = 1; i <= fileCount; ++i)
        expected << i;
    QCOMPARE(numbers, expected);
    QVERIFY2(pages.size() >= 2, "the summary fits one page: the test shows nothing");
}

// A success whose digest protects only part of the file says so in the summary, a full one does not.
void TestPdfReportWriter::summaryShowsPartialCoverage()
{
    VerificationResult none;
    none.path = "/case/none.mp4";
    none.authentic = true;
    none.file.size = 4096;
    none.hasCoverage = true;
    none.coverage.protectedBytes = 0;
    none.coverage.partial = true;
    VerificationResult part = none;
    part.path = "/case/part.mp4";
    part.coverage.protectedBytes = 1000;
    VerificationResult full = none;
    full.path = "/case/full.mp4";
    full.coverage.protectedBytes = 3584;
    full.coverage.partial = false;
    PdfReportWriter writer(Facts());
    for (const VerificationResult& result : {none, part, full})
        writer.Add(result);
    QString error;
    const QString pdf = dir.filePath("coverage.pdf");
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));

    const QString joined = Joined(Words(pdf));
    const QString summary = joined.left(joined.indexOf("Thefilesonebyone"));
    QVERIFY2(summary.contains("none.mp4Authenticationsucceeded,0of4096bytesprotected"), qPrintable(summary));
    QVERIFY2(summary.contains("part.mp4Authenticationsucceeded,1000of4096bytesprotected"),
             qPrintable(summary));
    QVERIFY2(summary.contains("full.mp4Authenticationsucceeded"), qPrintable(summary));
    QCOMPARE(summary.count("bytesprotected"), 2);
    // Page 1 counts the three kinds of success apart.
    QVERIFY2(summary.contains("Authenticationsucceeded3fullyprotected1partlyprotected1nothingprotected1"),
             qPrintable(summary));
}

// A folder without evidence and a path that does not exist are counted apart from the files, and
// their blocks say what they are, not what could not be read of a file.
void TestPdfReportWriter::folderAndMissingPathSayWhatTheyAre()
{
    PdfReportWriter writer(Facts());
    writer.Add(Unverified(QFile::encodeName(dir.path()).toStdString(), VerdictReason::NoEvidence));
    writer.Add(Unverified("/case/gone.jpg", VerdictReason::NotFound));
    writer.Add(Verified(dir.filePath("photo.jpg")));
    QString error;
    const QString pdf = dir.filePath("folder.pdf");
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));

    const QString words = Joined(Words(pdf));
    QVERIFY2(
        words.contains("Totalfiles1Authenticationsucceeded1fullyprotected1partlyprotected0nothingprotected0"
                       "Authenticationfailed0Folderswithoutevidence1Pathsthatdonotexist1"),
        qPrintable(words.left(1200)));
    const QString joined = PageTexts(pdf).join(QString()).simplified();
    QVERIFY2(joined.contains("none: this is a folder, not a file"), qPrintable(joined));
    QVERIFY2(joined.contains("none: nothing exists under this path"), qPrintable(joined));
    QVERIFY2(joined.contains("a folder given to be searched"), qPrintable(joined));
    QVERIFY2(joined.contains("nothing existed under this path"), qPrintable(joined));
    QVERIFY(!joined.contains("the file could not be read"));
    QVERIFY(!joined.contains("no size and modification time were recorded"));
}

// The facts name every key set the program verified with, by fingerprint and where it came from, and
// each key file it could not load; each file's block names the set that opened its watermark block, or
// how many were tried. A name reaches the page escaped.
void TestPdfReportWriter::keySetsInTheFactsAndEveryBlock()
{
    const QString keys = dir.filePath("key-folder");
    QVERIFY(QDir().mkdir(keys));
    QVERIFY(QFile::setPermissions(keys,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    const QString secondKey = CopySecondFamilyKeyFile(keys);
    QVERIFY(!secondKey.isEmpty());
    // The same public key with another HMAC key: a set of its own, whose name would turn the text around.
    QByteArray renamed = ReadAll(secondKey).replace("name: Second test family", "name: Lab\u202Ecopy");
    QVERIFY(WriteAll(keys + "/turned.key", renamed.replace("hmac-key: 53", "hmac-key: 54")));
    QVERIFY(WriteAll(keys + "/unfinished.key", "quorlith-key-set 1\nname: Unfinished\n"));
    for (const QString& name : {QString("turned.key"), QString("unfinished.key")})
        QVERIFY(QFile::setPermissions(keys + "/" + name, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    LoadedKeySets loaded = BuiltInKeySetsOnly();
    LoadKeySets(keys.toStdString(), KeySetSource::UserFolder, false, &loaded);
    QCOMPARE(loaded.ring.sets.size(), size_t(3));
    QCOMPARE(loaded.problems.size(), size_t(1));

    const QString builtIn = dir.filePath("photo.jpg");
    const QString second = MakeSecondFamilyEvidence(dir.path(), "still.jpg", "second-family.jpg");
    const QString plain = MakePlainMedia(dir.path(), "still.jpg", "plain.jpg");
    QVERIFY(!second.isEmpty() && !plain.isEmpty());
    ReportFacts facts = Facts();
    facts.keySets = ReportKeySetsOf(loaded);
    PdfReportWriter writer(facts);
    for (const QString& path : {builtIn, second, plain}) {
        VerificationTarget target;
        target.path = path.toStdString();
        writer.Add(FileVerifier(false, &loaded.ring).Verify(target));
    }
    QString error;
    const QString pdf = dir.filePath("key-sets.pdf");
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));

    // The words line by line, without spaces.
    const QString text = Joined(Words(pdf));
    const auto fingerprint = [&loaded](size_t set) {
        return QString::fromStdString(loaded.ring.sets[set]->fingerprint);
    };
    const auto fileDigest = [&loaded](size_t set) {
        return QString::fromStdString(loaded.ring.sets[set]->fileSha256);
    };
    const QString expected[] = {
        "Key set 1 Built-in fingerprint " + fingerprint(0) +
            " built into the program; RSA modulus of 2048 bits",
        "Key set 2 Second test family fingerprint " + fingerprint(1) + " user key folder: " + secondKey +
            " (file SHA-256 " + fileDigest(1) + "); RSA modulus of 2048 bits",
        "Key set 3 Lab\\u{202E}copy fingerprint " + fingerprint(2) + " user key folder: " + keys +
            "/turned.key (file SHA-256 " + fileDigest(2) + ")",
        "Key file not loaded " + keys + "/unfinished.key:",
        "1. photo.jpg",
        "Key set Built-in (fingerprint " + fingerprint(0) + ")",
        "2. second-family.jpg",
        "Key set Second test family (fingerprint " + fingerprint(1) + ")",
        "3. plain.jpg",
        "Reason No watermark opens with any of the 3 key sets tried",
        "Key set none: not one of the 3 key sets tried opened the watermark block",
    };
    int from = 0;
    for (QString line : expected) {
        const int at = text.indexOf(line.remove(QLatin1Char(' ')), from);
        QVERIFY2(at >= 0, qPrintable(line + "\n" + text.mid(from)));
        from = at + line.size();
    }
    QVERIFY(!text.contains(QChar(0x202E)));
    QVERIFY2(!text.contains("Recorderkeyfingerprint"), qPrintable(text));
}

void TestPdfReportWriter::fileBlockNamesDigestAndFileFacts_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("tampered");
    QTest::addColumn<QString>("algorithm");
    const QString md5 = "HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content "
                        "(record version 1.0)";
    const QString fold = "HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the "
                         "content, closed by the MD5 "
                         "finalisation (record version 1.1)";
    QTest::newRow("1.0, authentic") << 0 << false << md5;
    QTest::newRow("1.0, tampered") << 0 << true << md5;
    QTest::newRow("1.1, authentic") << 1 << false << fold;
    QTest::newRow("1.1, tampered") << 1 << true << fold;
}

// Each block names how its digest is made and gives the digest the file gave beside the record's, as the
// stamping tool computes them from the media; and the owner, permissions and access time the file had
// before it was read.
void TestPdfReportWriter::fileBlockNamesDigestAndFileFacts()
{
    QFETCH(int, mode);
    QFETCH(bool, tampered);
    QFETCH(QString, algorithm);
    const QString tag = QString("facts-%1-%2").arg(mode).arg(tampered);
    const QString path = dir.filePath(tag + ".jpg");
    QVERIFY(StampMedia(MediaPath("still.jpg"), path, mode == 0 ? "1.0" : "1.1"));
    std::string recorded;
    QCOMPARE(ComputeEvidenceDigest(MediaPath("still.jpg").toStdString(), MediaType::Jpg, mode, &recorded), 0);
    std::string computed = recorded;
    if (tampered) {
        // The first byte: under the version 1.1 fold only the first bytes of each 64 count.
        const qint64 offset = 0;
        const char changed = static_cast<char>(ReadAll(path).at(offset) ^ 0x20);
        const QString media = dir.filePath(tag + "-media.jpg");
        QVERIFY(WriteAll(media, ReadAll(MediaPath("still.jpg"))));
        QVERIFY(Poke(media, offset, changed));
        QVERIFY(Poke(path, offset, changed));
        QCOMPARE(ComputeEvidenceDigest(media.toStdString(), MediaType::Jpg, mode, &computed), 0);
        QVERIFY(computed != recorded);
    }
    const QByteArray name = QFile::encodeName(path);
    QCOMPARE(chmod(name.constData(), 0640), 0);
    // A fixed access time, the modification time left as it is.
    const struct timespec times[2] = {{1000000000, 250000000}, {0, UTIME_OMIT}};
    QCOMPARE(utimensat(AT_FDCWD, name.constData(), times, 0), 0);
    const VerificationResult result = Verified(path);
    QCOMPARE(result.authentic, !tampered);

    PdfReportWriter writer(Facts());
    writer.Add(result);
    QString error;
    const QString pdf = dir.filePath(tag + ".pdf");
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));
    // The words line by line, without spaces: the labels stand in a column of their own.
    const QString text = Joined(Words(pdf));
    const passwd* owner = getpwuid(getuid());
    const QString expected[] = {
        "Digest algorithm " + algorithm,
        "Digest in the record " + QString::fromStdString(recorded),
        "Last access before verifying 2001-09-09 01:46:40.250 UTC",
        QString("Owner %1").arg(getuid()) +
            (owner ? QString(" (%1)").arg(QString::fromLocal8Bit(owner->pw_name)) : QString()),
        "Permissions 0640 (-rw-r-----)",
    };
    for (QString line : expected)
        QVERIFY2(text.contains(line.remove(QLatin1Char(' '))), qPrintable(line + "\n" + text));
    // The computed digest stands in its own row, whose label may wrap beside it, before the record times.
    const int computedAt = text.indexOf("Digestcomputedfrom");
    QVERIFY2(computedAt > 0, qPrintable(text));
    QVERIFY2(text.mid(computedAt, text.indexOf("StartTime", computedAt) - computedAt)
                 .contains(QString::fromStdString(computed)),
             qPrintable(text.mid(computedAt)));
}

void TestPdfReportWriter::permissionsAsLsShowsThem_data()
{
    QTest::addColumn<int>("permissions");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << 0 << "0000 (----------)";
    QTest::newRow("plain file") << 0644 << "0644 (-rw-r--r--)";
    QTest::newRow("set-user-id over execute") << 04755 << "4755 (-rwsr-xr-x)";
    QTest::newRow("set-group-id without execute") << 02644 << "2644 (-rw-r-Sr--)";
    QTest::newRow("sticky over execute") << 01777 << "1777 (-rwxrwxrwt)";
    QTest::newRow("sticky without execute") << 01640 << "1640 (-rw-r----T)";
    QTest::newRow("others only") << 0007 << "0007 (-------rwx)";
}

void TestPdfReportWriter::permissionsAsLsShowsThem()
{
    QFETCH(int, permissions);
    QFETCH(QString, expected);
    QCOMPARE(FileFactsText::Permissions(permissions), expected);
}

void TestPdfReportWriter::leftOutNamesEveryEntry_data()
{
    QTest::addColumn<int>("txtFiles");
    QTest::addColumn<int>("withoutEnding");
    QTest::addColumn<long long>("hiddenFolderHolds");
    QTest::addColumn<QStringList>("expected");
    QStringList many;
    for (int i = 0; i < 13; ++i)
        many << QString("/case/t%1.txt|the name does not end in .jpg, .avi, .mp4 or .mxg").arg(i);
    QTest::newRow("many of one ending, each by name") << 13 << 0 << -1LL << many;
    QStringList bare;
    for (int i = 0; i < 12; ++i)
        bare << QString("/case/README%1|the name does not end in .jpg, .avi, .mp4 or .mxg").arg(i);
    QTest::newRow("many without an ending, each by name") << 0 << 12 << -1LL << bare;
    const QString folder =
        "/case/.thumbs|a hidden folder, not searched: its name starts with a dot; %1 files "
        "below it have an evidence type's name";
    QTest::newRow("a hidden folder with what it holds") << 0 << 0 << 7LL << QStringList{folder.arg(7)};
    QTest::newRow("an empty hidden folder") << 0 << 0 << 0LL << QStringList{folder.arg(0)};
}

// Every entry the folder search did not take has a line of its own: a name that is evidence by its
// content (a watermarked still named .txt) can be found in the appendix whatever else shares its ending.
void TestPdfReportWriter::leftOutNamesEveryEntry()
{
    QFETCH(int, txtFiles);
    QFETCH(int, withoutEnding);
    QFETCH(long long, hiddenFolderHolds);
    QFETCH(QStringList, expected);
    std::vector<SkippedEntry> skipped;
    for (int i = 0; i < txtFiles; ++i)
        skipped.push_back({"/case/t" + std::to_string(i) + ".txt", SkippedEntry::Why::NotEvidence});
    for (int i = 0; i < withoutEnding; ++i)
        skipped.push_back({"/case/README" + std::to_string(i), SkippedEntry::Why::NotEvidence});
    if (hiddenFolderHolds >= 0)
        skipped.push_back({"/case/.thumbs", SkippedEntry::Why::Hidden, hiddenFolderHolds});
    QStringList lines;
    for (const LeftOutLine& line : LeftOutList::Lines(skipped))
        lines << line.what + '|' + line.why;
    QCOMPARE(lines, expected);
}

void TestPdfReportWriter::glyphCheck_data()
{
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("missing");
    const QString cjk = QString::fromUtf8("\u76e3\u8996 \u30ab\u30e1\u30e9 \ud55c");
    const QString linearB = QString::fromUcs4(U"\U00010000.jpg");
    QTest::newRow("Latin and Cyrillic in DejaVu")
        << QStringList{"DejaVu Sans"} << QString::fromUtf8("\u00c6r\u00f8 \u0416")
        << QString::fromUtf8("\u00c6r\u00f8 \u0416") << "";
    QTest::newRow("CJK without a CJK font")
        << QStringList{"DejaVu Sans"} << cjk << "\\u{76E3}\\u{8996} \\u{30AB}\\u{30E1}\\u{30E9} \\u{D55C}"
        << "\\u{30AB} \\u{30E1} \\u{30E9} \\u{76E3} \\u{8996} \\u{D55C}";
    QTest::newRow("CJK with Noto CJK") << QStringList{"DejaVu Sans", "Noto Sans CJK JP"} << cjk << cjk << "";
    QTest::newRow("Linear B in no font")
        << QStringList{"DejaVu Sans", "Noto Sans CJK JP"} << linearB << "\\u{10000}.jpg"
        << "\\u{10000}";
    // DejaVu draws U+1F600, but the PDF's text would give it back as nothing: it is shown escaped, and
    // is no character that a font lacks.
    QTest::newRow("an emoji a font draws")
        << QStringList{"DejaVu Sans"} << QString::fromUcs4(U"cam\U0001F600.jpg") << "cam\\u{1F600}.jpg"
        << "";
    QTest::newRow("a family that is not installed draws nothing") << QStringList{"No Such Family 7"} << "ab"
                                                                  << "\\u{0061}\\u{0062}"
                                                                  << "\\u{0061} \\u{0062}";
}

// A character no font of the report can draw is written escaped and noted, never as an empty box.
void TestPdfReportWriter::glyphCheck()
{
    QFETCH(QStringList, families);
    QFETCH(QString, text);
    QFETCH(QString, printed);
    QFETCH(QString, missing);
    const GlyphCheck check(families);
    QCOMPARE(check.Printable(text), printed);
    QCOMPARE(check.MissingText(), missing);
}

// Chinese, Japanese and Korean names print as themselves, readable by pdftotext, from the embedded Noto
// CJK font; a character of no font is written escaped and the writer says which.
void TestPdfReportWriter::everyCharacterPrintsOrIsEscaped()
{
    const std::string cjk =
        "/case/\xe7\x9b\xa3\xe8\xa6\x96\xe3\x82\xab\xe3\x83\xa1\xe3\x83\xa9 \xed\x95\x9c.jpg";
    const std::string linearB = "/case/\xf0\x90\x80\x80.jpg";
    PdfReportWriter writer(Facts());
    writer.Add(Unverified(cjk, VerdictReason::NotFound));
    writer.Add(Unverified(linearB, VerdictReason::NotFound));
    QString error;
    const QString pdf = dir.filePath("cjk.pdf");
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));
    QCOMPARE(writer.MissingCharacters(), QString("\\u{10000}"));

    const QString text = PageTexts(pdf).join(QString());
    // Whole at least in the block's "Full path" (the summary's narrow column may break it over lines).
    QVERIFY2(text.contains(QString::fromStdString(cjk)), qPrintable(text));
    QVERIFY2(text.contains("/case/\\u{10000}.jpg"), qPrintable(text));
    QVERIFY(!text.contains(QString::fromStdString(linearB)));
    QProcess fonts;
    fonts.start("pdffonts", {pdf});
    QVERIFY(fonts.waitForFinished(60000));
    const QString embedded = QString::fromUtf8(fonts.readAllStandardOutput());
    QVERIFY2(embedded.contains("NotoSansCJK"), qPrintable(embedded));
}

// A stop asked for while thousands of files are laid out is heard at the next file, and leaves nothing.
void TestPdfReportWriter::layoutHearsAStopAtEveryFile()
{
    PdfReportWriter writer(Facts());
    for (int i = 0; i < 2000; ++i)
        writer.Add(Unverified("/case/missing-" + std::to_string(i) + ".jpg", VerdictReason::NotFound));
    int asked = 0;
    const int stopAt = 5;
    QString error;
    const QString pdf = dir.filePath("stopped.pdf");
    const bool saved = writer.Save(QFile::encodeName(pdf), &error, [&asked] { return ++asked < stopAt; });
    QVERIFY(!saved);
    QCOMPARE(error, QString());
    // Asked again only to tell the stop from a failure, never for the files after it.
    QVERIFY2(asked >= stopAt && asked <= stopAt + 2, qPrintable(QString::number(asked)));
    QVERIFY(!QFileInfo::exists(pdf));
    QCOMPARE(QDir(dir.path()).entryList({".stopped*"}, QDir::AllEntries | QDir::Hidden), QStringList());
}

void TestPdfReportWriter::failedWriteKeepsWhatWasThere_data()
{
    QTest::addColumn<int>("shortBy");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("syncError");
    // The report's end waits in the buffer until the file is closed: a disk that fills only there
    // must fail the save as surely as one that is full from the start.
    QTest::newRow("4 KiB allowed") << 0 << 4096 << 0;
    QTest::newRow("all but 20,000 bytes") << 20000 << 0 << 0;
    QTest::newRow("all but 300 bytes") << 300 << 0 << 0;
    // Not one byte: the time the report is written changes its compressed size by a few.
    QTest::newRow("all but 100 bytes") << 100 << 0 << 0;
    // Every byte taken, and only the sync finds that the disk could not keep them.
    QTest::newRow("EIO at the sync") << 0 << 0 << EIO;
}

// A file size limit plays the full disk, or a sync that fails a disk that cannot keep what it took: the
// save fails with the system's words, and the report that was there before stays as it was, with
// nothing left beside it.
void TestPdfReportWriter::failedWriteKeepsWhatWasThere()
{
    QFETCH(int, shortBy);
    QFETCH(int, limit);
    QFETCH(int, syncError);
    QTemporaryDir target;
    QVERIFY(target.isValid());
    const QString path = target.filePath("report.pdf");
    QVERIFY(WriteAll(path, "the report of yesterday"));
    PdfReportWriter writer(Facts());
    for (int i = 0; i < 3; ++i)
        writer.Add(Verified(dir.filePath("photo.jpg")));
    if (shortBy > 0) {
        QString error;
        QVERIFY2(writer.Save(QFile::encodeName(target.filePath("whole.pdf")), &error), qPrintable(error));
        limit = static_cast<int>(QFileInfo(target.filePath("whole.pdf")).size()) - shortBy;
        QVERIFY(QFile::remove(target.filePath("whole.pdf")));
    }

    QString error;
    bool saved = false;
    {
        std::optional<FileSizeLimit> fullDisk;
        if (syncError == 0) {
            fullDisk.emplace(limit);
            QVERIFY(fullDisk->Set());
        }
        const FailingSync failingSync(syncError);
        saved = writer.Save(QFile::encodeName(path), &error);
        QCOMPARE(failingSync.Failures() > 0, syncError != 0);
    }

    QVERIFY(!saved);
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(syncError != 0 ? syncError : EFBIG)));
    QCOMPARE(ReadAll(path), QByteArray("the report of yesterday"));
    QCOMPARE(QDir(target.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"report.pdf"});
}

// The update that adds the document properties has a cross-reference section of its own: each of its
// entries gives the offset of its object's first byte, where "N 0 obj" begins. Readers that repair a
// file would hide an entry a byte off, but PDF/A allows none.
void TestPdfReportWriter::updateCrossReferencePointsAtItsObjects()
{
    PdfReportWriter writer(Facts());
    writer.Add(Verified(dir.filePath("photo.jpg")));
    QString error;
    const QString pdf = dir.filePath("xref.pdf");
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));

    const QByteArray bytes = ReadAll(pdf);
    const QRegularExpressionMatch last =
        QRegularExpression("startxref\\n(\\d+)\\n%%EOF\\n$").match(QString::fromLatin1(bytes.right(64)));
    QVERIFY2(last.hasMatch(), bytes.right(64).constData());
    QBuffer section;
    section.setData(bytes.mid(last.captured(1).toInt()));
    QVERIFY(section.open(QIODevice::ReadOnly));
    QCOMPARE(section.readLine(), QByteArray("xref\n"));
    int entries = 0;
    for (QByteArray line = section.readLine(); !line.startsWith("trailer"); line = section.readLine()) {
        const QList<QByteArray> subsection = line.simplified().split(' ');
        QCOMPARE(subsection.size(), 2);
        const int first = subsection[0].toInt();
        for (int i = 0; i < subsection[1].toInt(); ++i) {
            const QByteArray entry = section.readLine();
            QVERIFY2(
                QRegularExpression("^\\d{10} \\d{5} [nf] \\n$").match(QString::fromLatin1(entry)).hasMatch(),
                entry.constData());
            if (entry.at(17) != 'n')
                continue;
            const QByteArray object = QByteArray::number(first + i) + " 0 obj";
            const QByteArray pointedAt = bytes.mid(entry.left(10).toInt(), object.size());
            QVERIFY2(pointedAt == object,
                     qPrintable(QString("the entry of %1 points at \"%2\"")
                                    .arg(QString::fromLatin1(object))
                                    .arg(QString::fromLatin1(pointedAt.toPercentEncoding(" ")))));
            ++entries;
        }
        QVERIFY(!section.atEnd());
    }
    QCOMPARE(entries, 2);
}

void TestPdfReportWriter::twinNamesPrintApart_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("twin");
    QTest::addColumn<QString>("namePrinted");
    QTest::addColumn<QString>("twinPrinted");
    // Left to right in the order stored: the right-to-left letter turns neither name around, though no
    // control character is in either.
    QTest::newRow("Hebrew letter and digits")
        << QByteArray("\xd7\x90-12.jpg") << QByteArray("12-\xd7\x90.jpg")
        << QString::fromUtf8("\xd7\x90-12.jpg") << QString::fromUtf8("12-\xd7\x90.jpg");
    QTest::newRow("no-break space") << QByteArray("a b.jpg")
                                    << QByteArray("a\xc2\xa0"
                                                  "b.jpg")
                                    << QString("a b.jpg") << QString("a\\u{00A0}b.jpg");
}

// Two names that differ never print alike: the file block's heading and its full path read as the
// name is stored, and the images of the two full path lines differ.
void TestPdfReportWriter::twinNamesPrintApart()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, twin);
    QFETCH(QString, namePrinted);
    QFETCH(QString, twinPrinted);
    const QString pdf = dir.filePath("twin.pdf");
    QRect crop;
    QList<QByteArray> images;
    for (const auto& [file, printed] :
         {std::make_pair(name, namePrinted), std::make_pair(twin, twinPrinted)}) {
        PdfReportWriter writer(Facts());
        writer.Add(Unverified("/case/twin/" + file.toStdString(), VerdictReason::NotFound));
        QString error;
        QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));
        const PdfWords words = Words(pdf);
        int pathAt = -1;
        for (int i = 0; i < words.words.size(); ++i) {
            if (words.words[i].text.startsWith("/case/twin/"))
                pathAt = i;
        }
        QVERIFY(pathAt >= 0);
        const PdfWord path = words.words[pathAt];
        int headingAt = -1;
        for (int i = 0; i < pathAt; ++i) {
            if (words.words[i].page == path.page && words.words[i].text == "1.")
                headingAt = i;
        }
        QVERIFY(headingAt >= 0);
        // A line's words left to right; pdftotext marks a right-to-left run it finds with embedding
        // controls of its own, which are no part of what was drawn.
        const auto line = [&words](const PdfWord& first) {
            QList<PdfWord> on;
            for (const PdfWord& word : words.words) {
                if (word.page == first.page && qAbs(word.box.top() - first.box.top()) < 3)
                    on << word;
            }
            std::sort(on.begin(), on.end(),
                      [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
            QStringList texts;
            for (const PdfWord& word : on)
                texts << word.text;
            return texts.join(' ').remove(QRegularExpression("[\\x{202A}-\\x{202E}]"));
        };
        QCOMPARE(line(words.words[headingAt]), "1. " + printed);
        QCOMPARE(line(path), VerdictText::Label(VerdictText::Field::Path) + " /case/twin/" + printed);

        if (crop.isNull())
            crop = QRect(0, qFloor(path.box.top()) - 1, qCeil(words.pageSize.width()),
                         qCeil(path.box.height()) + 2);
        const QString image = dir.filePath("twin-line");
        QProcess render;
        render.start("pdftoppm",
                     {"-gray", "-r", "72", "-singlefile", "-f", QString::number(path.page + 1), "-x",
                      QString::number(crop.x()), "-y", QString::number(crop.y()), "-W",
                      QString::number(crop.width()), "-H", QString::number(crop.height()), pdf, image});
        QVERIFY(render.waitForFinished(60000));
        QCOMPARE(render.exitCode(), 0);
        images << ReadAll(image + ".pgm");
        QVERIFY(!images.back().isEmpty());
    }
    QVERIFY(images[0] != images[1]);
}

void TestPdfReportWriter::headerKeepsEachTextToItsSide_data()
{
    QTest::addColumn<QString>("caseNumber");
    QTest::addColumn<QString>("examiner");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("both short") << "2026/114"
                                << "R.Okafor" << false;
    QTest::newRow("examiner of 144 characters") << "2026/114"
                                                << "Examiner-" + QString(135, 'e') << true;
    QTest::newRow("case number of 200 characters") << "Case-" + QString(195, 'c') << "R.Okafor" << true;
    QTest::newRow("both at their bound")
        << "Case-" + QString(195, 'c') << "Examiner-" + QString(191, 'e') << true;
}

// The case number and the examiner at the head of every page never run into each other: one too long
// for its side is shortened with a visible "…", and the facts give it whole.
void TestPdfReportWriter::headerKeepsEachTextToItsSide()
{
    QFETCH(QString, caseNumber);
    QFETCH(QString, examiner);
    QFETCH(bool, shortened);
    ReportFacts facts = Facts();
    facts.caseDetails.caseNumber = caseNumber.toStdString();
    facts.caseDetails.examiner = examiner.toStdString();
    PdfReportWriter writer(facts);
    writer.Add(Verified(dir.filePath("photo.jpg")));
    QString error;
    const QString pdf = dir.filePath("header.pdf");
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));

    const PdfWords words = Words(pdf);
    // The header's line lies within the top margin of 16 mm and the 0.3 inch kept for it.
    const double headerBottom = 16 * 72 / 25.4 + 0.3 * 72 - 4;
    int pages = 0;
    for (int page = 0; page <= words.words.last().page; ++page) {
        QList<PdfWord> header;
        for (const PdfWord& word : words.words) {
            if (word.page == page && word.box.top() < headerBottom)
                header << word;
        }
        std::sort(header.begin(), header.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
        QString text;
        for (int i = 0; i < header.size(); ++i) {
            text += header[i].text + ' ';
            if (i > 0)
                QVERIFY2(header[i - 1].box.right() <= header[i].box.left(), qPrintable(text));
            QVERIFY(header[i].box.right() <= words.pageSize.width());
        }
        QVERIFY2(text.startsWith("Case "), qPrintable(text));
        QVERIFY2(text.contains(" Examiner "), qPrintable(text));
        QCOMPARE(text.contains(QChar(0x2026)), shortened);
        ++pages;
    }
    QVERIFY(pages >= 2);
    const QString joined = Joined(words);
    QVERIFY2(joined.contains("Case" + caseNumber), qPrintable(joined));
    QVERIFY2(joined.contains("Examiner" + examiner), qPrintable(joined));
}

// Every time the report gives for its making, as UTC: "2026-12-10 09:15:02 UTC+01:00" on the page,
// ISO 8601 in the document's properties.
QList<QDateTime> Instants(const QString& text, const QString& pattern)
{
    QList<QDateTime> instants;
    for (QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QDateTime instant = QDateTime::fromString(match.captured(1), Qt::ISODate);
        if (!instant.isValid()) {
            instant = QDateTime::fromString(match.captured(1), "yyyy-MM-dd HH:mm:ss");
            const int sign = match.captured(2) == "-" ? -1 : 1;
            instant.setOffsetFromUtc(sign *
                                     (match.captured(3).toInt() * 3600 + match.captured(4).toInt() * 60));
        }
        instants << instant.toUTC();
    }
    return instants;
}

// The page, every footer, the files' "state at report time" and the document's creation and modification
// dates name one instant, however long the pages take to lay out.
void TestPdfReportWriter::oneInstantForTheWholeReport()
{
    PdfReportWriter writer(Facts());
    writer.Add(Verified(dir.filePath("photo.jpg")));
    writer.Add(Verified(dir.filePath("photo.jpg")));
    QString error;
    const QString pdf = dir.filePath("instant.pdf");
    // The layout is held up past a second's turn, as thousands of files would.
    bool held = false;
    const auto slowLayout = [&held] {
        if (!held)
            QThread::msleep(1100);
        held = true;
        return true;
    };
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error, slowLayout), qPrintable(error));

    const QStringList pages = PageTexts(pdf);
    QVERIFY(pages.size() >= 2);
    const QString local = "(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d) UTC([+-])(\\d\\d):(\\d\\d)";
    const QList<QDateTime> footers = Instants(pages.join('\n'), "Verification report written " + local);
    const QList<QDateTime> checked = Instants(pages.join('\n'), "Checked " + local);
    QCOMPARE(footers.size(), pages.size());
    QCOMPARE(checked.size(), 2);
    QProcess info;
    info.start("pdfinfo", {"-isodates", pdf});
    QVERIFY(info.waitForFinished(60000));
    const QList<QDateTime> created =
        Instants(QString::fromUtf8(info.readAllStandardOutput()), "CreationDate:\\s+(\\S+)");
    QCOMPARE(created.size(), 1);
    info.start("pdfinfo", {"-meta", pdf});
    QVERIFY(info.waitForFinished(60000));
    const QList<QDateTime> metadata =
        Instants(QString::fromUtf8(info.readAllStandardOutput()), "xmp:(?:Create|Modify)Date=\"([^\"]+)\"");
    QCOMPARE(metadata.size(), 2);
    for (const QDateTime& instant : footers + checked + created + metadata)
        QCOMPARE(instant, footers.first());
}

void TestPdfReportWriter::textLayerGivesBackTheCharactersDrawn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("printed"); // empty: the name itself
    // Ideographs the CJK font draws with the glyph of a Kangxi radical (U+2F5A, U+2F2D, U+2F65, ...).
    QTest::newRow("evidence clip") << QString::fromUtf8(
                                          "\xe8\xad\x89\xe6\x93\x9a\xe5\xbd\xb1\xe7\x89\x87.mp4")
                                   << QString();
    QTest::newRow("mountain, field") << QString::fromUtf8("\xe5\xb1\xb1\xe7\x94\xb0.jpg") << QString();
    QTest::newRow("sun, moon, person, big")
        << QString::fromUtf8("\xe6\x97\xa5\xe6\x9c\x88\xe4\xba\xba\xe5\xa4\xa7.jpg") << QString();
    QTest::newRow("water, wood, gold")
        << QString::fromUtf8("\xe6\xb0\xb4\xe6\x9c\xa8\xe9\x87\x91.jpg") << QString();
    QTest::newRow("see, gate, long, high")
        << QString::fromUtf8("\xe8\xa6\x8b\xe9\x96\x80\xe9\x95\xb7\xe9\xab\x98.jpg") << QString();
    // The radical itself, drawn alone, comes back as the radical.
    QTest::newRow("the radical") << QString::fromUtf8("\xe2\xbd\x9a.jpg") << QString();
    // An emoji is laid out, and so copied, in its escaped form.
    QTest::newRow("an emoji") << QString::fromUcs4(U"\U0001F600.jpg") << "\\u{1F600}.jpg";
}

// Copying a path from the report, or searching for it, gives back exactly the characters laid out.
void TestPdfReportWriter::textLayerGivesBackTheCharactersDrawn()
{
    QFETCH(QString, name);
    QFETCH(QString, printed);
    PdfReportWriter writer(Facts());
    writer.Add(Unverified("/case/cjk/" + name.toStdString(), VerdictReason::NotFound));
    if (printed.isEmpty())
        printed = name;
    QString error;
    const QString pdf = dir.filePath("cjk-text.pdf");
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));
    // The heading and the full path, each whole on its line; nowhere a radical that was not drawn.
    const QString text = PageTexts(pdf).join(QString());
    QVERIFY2(text.contains("1. " + printed + "\n"), qPrintable(text));
    QVERIFY2(text.contains("/case/cjk/" + printed + "\n"), qPrintable(text));
    for (const uint point : text.toUcs4()) {
        const bool radical = point >= 0x2E80 && point <= 0x2FDF;
        QVERIFY2(!radical || name.toUcs4().contains(point), qPrintable(QString::number(point, 16)));
    }
}

void TestPdfReportWriter::propertiesNameOrganisationNoteAndIdentifier_data()
{
    QTest::addColumn<QByteArray>("organisation");
    QTest::addColumn<QByteArray>("note");
    QTest::addColumn<QString>("organisationShown");
    QTest::addColumn<QString>("noteShown");
    QTest::newRow("plain") << QByteArray("Digital Forensics Unit") << QByteArray("Seized 2026-03-14")
                           << "Digital Forensics Unit"
                           << "Seized 2026-03-14";
    // Escaped as on the page; what XML must escape is escaped there and read back.
    QTest::newRow("override and markup")
        << QByteArray("Unit \xe2\x80\xae<7> & 'B'") << QByteArray("a\nb") << "Unit \\u{202E}<7> & 'B'"
        << "a\\x0Ab";
    QTest::newRow("no note") << QByteArray("Unit 9") << QByteArray() << "Unit 9" << QString();
}

// The organisation, the note and the report's identifier stand in the document information and in the
// XMP metadata alike, as PDF/A-1 has the two agree.
void TestPdfReportWriter::propertiesNameOrganisationNoteAndIdentifier()
{
    QFETCH(QByteArray, organisation);
    QFETCH(QByteArray, note);
    QFETCH(QString, organisationShown);
    QFETCH(QString, noteShown);
    ReportFacts facts = Facts();
    facts.reportId = "0b8e5f5e-5d0c-4a51-9a3e-1d0f3c7e2a11";
    facts.caseDetails.organisation = organisation.toStdString();
    facts.caseDetails.note = note.toStdString();
    PdfReportWriter writer(facts);
    writer.Add(Verified(dir.filePath("photo.jpg")));
    QString error;
    const QString pdf = dir.filePath("properties.pdf");
    QVERIFY2(writer.Save(QFile::encodeName(pdf), &error), qPrintable(error));

    QProcess info;
    info.start("pdfinfo", {"-custom", pdf});
    QVERIFY(info.waitForFinished(60000));
    const QString shown = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(shown.contains(QRegularExpression("\\nOrganisation: *" +
                                               QRegularExpression::escape(organisationShown) + "\\n")),
             qPrintable(shown));
    QCOMPARE(shown.contains(QRegularExpression("\\nNote: *" + QRegularExpression::escape(noteShown) + "\\n")),
             !noteShown.isEmpty());
    QVERIFY2(shown.contains(QRegularExpression("\\nReportIdentifier: *" + facts.reportId + "\\n")),
             qPrintable(shown));

    info.start("pdfinfo", {"-meta", pdf});
    QVERIFY(info.waitForFinished(60000));
    const QString ns = "http://example.trevalon/ns/quorlith-report/1.0/";
    QMap<QString, QString> properties;
    QStringList described;
    QXmlStreamReader xmp(info.readAllStandardOutput());
    while (!xmp.atEnd()) {
        if (xmp.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString uri = xmp.namespaceUri().toString();
        const QString name = xmp.name().toString();
        if (uri == ns)
            properties[name] = xmp.readElementText();
        else if (uri == "http://www.aiim.org/pdfa/ns/property#" && name == "name")
            described << xmp.readElementText();
    }
    QVERIFY2(!xmp.hasError(), qPrintable(xmp.errorString()));
    const auto property = [&](const QString& name) { return properties.value(name); };
    QCOMPARE(property("Organisation"), organisationShown);
    QCOMPARE(property("Note"), noteShown);
    QCOMPARE(property("ReportIdentifier"), facts.reportId);
    // Each property of its own is described, as PDF/A-1 asks of an extension schema.
    QStringList expected{"Organisation", "ReportIdentifier"};
    if (!noteShown.isEmpty())
        expected.insert(1, "Note");
    QCOMPARE(described, expected);
}

QTEST_MAIN(TestPdfReportWriter)
#include "TestPdfReportWriter.moc"
