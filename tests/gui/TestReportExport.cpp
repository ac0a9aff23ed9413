// SPDX-License-Identifier: Apache-2.0
#include "ExportHold.h"
#include "GuiTestSupport.h"
#include "MessageBoxWatcher.h"
#include "app/MainWindow.h"
#include "filelist/ResultRole.h"
#include "tests/support/EvidenceFiles.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/PermissionsApply.h"
#include "ui/DetailsWindow.h"
#include "ui/ProgressWidget.h"
#include "verdict/FileVerifier.h"
#include "verdict/VerdictText.h"

#include <QColor>
#include <QItemSelectionModel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTreeView>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <unistd.h>

Q_DECLARE_METATYPE(HoldPoint)

// "Export Report..." as the examiner uses it: the rows it takes and their order, its formats against
// quorlith-verify's own, and a write that fails.
class TestReportExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void linesEqualTheToolsOutput_data();
    void linesEqualTheToolsOutput();
    void selectedRowsInTheListsOrder();
    void pdfReportOfAllRows();
    void failedWriteLeavesNothing_data();
    void failedWriteLeavesNothing();
    void characterNoFontDrawsIsNamed();
    void ctrlSOpensTheExport();
    void cancelLeavesNothing_data();
    void cancelLeavesNothing();
    void quittingLeavesNothing_data();
    void quittingLeavesNothing();
    void bareNameOfAnExistingReportIsAskedAbout();
    void fileChangedSinceVerifiedIsVerifiedAgain();
    void changedVerdictTakesTheRow_data();
    void changedVerdictTakesTheRow();
    void pdfListsWhatTheFolderSearchLeftOut();
    void folderThatCannotBeReadHasAFailedRow();
    void pdfAccountsForEveryFileHandedOver_data();
    void pdfAccountsForEveryFileHandedOver();
    void pdfTakesEachFileOnce_data();
    void pdfTakesEachFileOnce();

private:
    static void AddHoldPoints();
    QStringList ShownPaths(const MainWindow& window) const;
    QStringList ShownDigests(const MainWindow& window) const;

    QTemporaryDir settingsDir;
    QTemporaryDir evidenceDir;
    QStringList evidence;
};

namespace {

QByteArray ToolOutput(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"), arguments);
    if (!process.waitForFinished(60000))
        return QByteArray();
    return process.readAllStandardOutput();
}

// Root reads every folder, so as root the tool runs as the unprivileged user "nobody".
QByteArray ToolOutputAsNobody(const QStringList& arguments)
{
    const QString program = QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify");
    if (geteuid() != 0)
        return ToolOutput(arguments);
    QProcess process;
    process.start("setpriv",
                  QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + arguments);
    if (!process.waitForFinished(60000))
        return QByteArray();
    return process.readAllStandardOutput();
}

} // namespace

void TestReportExport::initTestCase()
{
    QVERIFY(settingsDir.isValid() && evidenceDir.isValid());
    UseTemporarySettings(settingsDir);
    evidence = QStringList{
        MakeEvidence(evidenceDir.path(), "still.jpg", "b-photo.jpg"),
        MakeEvidence(evidenceDir.path(), "clip-faststart.mp4", QString::fromUtf8("\xc3\x85rhus clip.mp4")),
        MakeTamperedEvidence(evidenceDir.path(), "clip.avi", "a-tampered.avi"),
        MakePlainMedia(evidenceDir.path(), "still.jpg", "c-plain.jpg")};
    QVERIFY(!evidence.contains(QString()));
}

QStringList TestReportExport::ShownPaths(const MainWindow& window) const
{
    QStringList paths;
    const QAbstractItemModel* shown = window.listView->model();
    for (int row = 0; row < shown->rowCount(); ++row)
        paths << QString::fromStdString(
            shown->index(row, 0).data(kResultRole).value<VerificationResult>().path);
    return paths;
}

QStringList TestReportExport::ShownDigests(const MainWindow& window) const
{
    QStringList digests;
    const QAbstractItemModel* shown = window.listView->model();
    for (int row = 0; row < shown->rowCount(); ++row)
        digests << QString::fromStdString(
            shown->index(row, 0).data(kResultRole).value<VerificationResult>().sha256);
    return digests;
}

void TestReportExport::linesEqualTheToolsOutput_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("toolOption");
    QTest::newRow("CSV") << "export.csv"
                         << "--csv";
    QTest::newRow("JSON Lines") << "export.JSONL"
                                << "--json";
}

// Every row, in the list's order, as the tool writes the same files with --sha256; the digests
// computed for the export stay in the rows.
void TestReportExport::linesEqualTheToolsOutput()
{
    QFETCH(QString, fileName);
    QFETCH(QString, toolOption);
    QTemporaryDir out;
    QVERIFY(out.isValid());
    MainWindow window;
    window.VerifyFiles(evidence);
    const QStringList shown = ShownPaths(window);
    QCOMPARE(shown.size(), evidence.size());
    for (const QString& digest : ShownDigests(window))
        QVERIFY(digest.isEmpty());

    SeenFileDialog seen;
    AnswerNextFileDialog({out.filePath(fileName)}, &seen);
    AnswerNextCaseForm();
    window.ExportReport();
    QCOMPARE(seen.nameFilters, QStringList({"PDF report (*.pdf)", "CSV (*.csv)", "JSON Lines (*.jsonl)"}));

    const QByteArray expected = ToolOutput(QStringList{toolOption, "--sha256"} + shown);
    QVERIFY(expected.contains("sha256"));
    QCOMPARE(ReadAll(out.filePath(fileName)), expected);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{fileName});
    for (const QString& digest : ShownDigests(window))
        QCOMPARE(digest.size(), 64);
}

void TestReportExport::selectedRowsInTheListsOrder()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    MainWindow window;
    window.VerifyFiles(evidence);
    window.listView->sortByColumn(0, Qt::DescendingOrder);
    const QAbstractItemModel* shown = window.listView->model();
    window.listView->selectionModel()->select(
        QItemSelection(shown->index(1, 0), shown->index(2, shown->columnCount() - 1)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

    AnswerNextFileDialog({out.filePath("two.jsonl")});
    AnswerNextCaseForm();
    window.ExportReport();
    const QByteArray expected = ToolOutput(QStringList{"--json", "--sha256"} + ShownPaths(window).mid(1, 2));
    QCOMPARE(expected.count('\n'), 2);
    QCOMPARE(ReadAll(out.filePath("two.jsonl")), expected);

    // One selected row is where the user clicked last, not a choice: every row goes.
    window.listView->selectionModel()->select(shown->index(2, 0), QItemSelectionModel::ClearAndSelect |
                                                                      QItemSelectionModel::Rows);
    AnswerNextFileDialog({out.filePath("all.jsonl")});
    AnswerNextCaseForm();
    window.ExportReport();
    QCOMPARE(ReadAll(out.filePath("all.jsonl")),
             ToolOutput(QStringList{"--json", "--sha256"} + ShownPaths(window)));
}

// The save dialog's first kind is the PDF report, and a name without an ending gets its ".pdf".
void TestReportExport::pdfReportOfAllRows()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    MainWindow window;
    window.VerifyFiles(evidence);
    MessageBoxWatcher boxes;
    AnswerNextFileDialog({out.filePath("case 12")});
    AnswerNextCaseForm();
    window.ExportReport();
    QCOMPARE(boxes.seen.size(), 1);

    QProcess text;
    text.start("pdftotext", {"-enc", "UTF-8", out.filePath("case 12.pdf"), "-"});
    QVERIFY(text.waitForFinished(60000));
    QCOMPARE(text.exitCode(), 0);
    const QString report = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    const QByteArray version = ToolOutput({"--version"});
    QVERIFY(report.contains(QString::fromLatin1(version.mid(version.lastIndexOf(' ') + 1).trimmed())));
    QVERIFY(report.contains("(quorlith)"));
    for (const QString& path : evidence) {
        QVERIFY2(report.contains(QFileInfo(path).fileName()), qPrintable(path));
        const QByteArray digest = QCryptographicHash::hash(ReadAll(path), QCryptographicHash::Sha256).toHex();
        QVERIFY2(report.contains(QString::fromLatin1(digest)), qPrintable(path));
    }
    QCOMPARE(report.count("The same as above: the file was verified again for this report."),
             evidence.size());
}

void TestReportExport::failedWriteLeavesNothing_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("shortBy");
    QTest::addColumn<int>("limit");
    QTest::newRow("PDF, 4 KiB allowed") << "report.pdf" << 0 << 4096;
    // The PDF's times differ from one writing to the next and so does its compressed size, by a few bytes.
    QTest::newRow("PDF, all but its last 100 bytes") << "report.pdf" << 100 << 0;
    QTest::newRow("CSV, all but the last byte") << "report.csv" << 1 << 0;
    QTest::newRow("JSON Lines, all but the last byte") << "report.jsonl" << 1 << 0;
}

// A file size limit plays the full disk: the export stops, says why in the system's words, and leaves
// nothing, also when only its last bytes find no room.
void TestReportExport::failedWriteLeavesNothing()
{
    QFETCH(QString, fileName);
    QFETCH(int, shortBy);
    QFETCH(int, limit);
    QTemporaryDir out;
    QVERIFY(out.isValid());
    MainWindow window;
    window.VerifyFiles(evidence);
    const QString path = out.filePath(fileName);
    // A PDF names its report by an identifier new to each export, whose digits change which glyphs its
    // fonts embed: its size moves by up to a few hundred bytes from one export to the next. An export
    // that fits under the limit taken from the one before must then be whole, and another is tried.
    for (int attempt = 0; attempt < 5; ++attempt) {
        int allowed = limit;
        if (shortBy > 0) {
            MessageBoxWatcher written;
            AnswerNextFileDialog({out.filePath("whole-" + fileName)});
            AnswerNextCaseForm();
            window.ExportReport();
            allowed = static_cast<int>(QFileInfo(out.filePath("whole-" + fileName)).size()) - shortBy;
            QVERIFY(allowed > 0);
            QVERIFY(QFile::remove(out.filePath("whole-" + fileName)));
            // A PDF's SHA-256 file went beside it.
            QFile::remove(out.filePath("whole-" + fileName + ".sha256"));
        }
        MessageBoxWatcher boxes;
        AnswerNextFileDialog({path});

        AnswerNextCaseForm();
        {
            const FileSizeLimit fullDisk(allowed);
            QVERIFY(fullDisk.Set());
            window.ExportReport();
        }

        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY(boxes.seen.first().text.contains(path));
        if (fileName.endsWith(".pdf") && QFileInfo::exists(path)) {
            const QByteArray report = ReadAll(path);
            QVERIFY2(report.size() <= allowed && report.endsWith("%%EOF\n"),
                     qPrintable(boxes.seen.first().text));
            QCOMPARE(ReadAll(path + ".sha256"),
                     QCryptographicHash::hash(report, QCryptographicHash::Sha256).toHex() + "  " +
                         fileName.toUtf8() + "\n");
            QVERIFY(QFile::remove(path) && QFile::remove(path + ".sha256"));
            continue;
        }
        QVERIFY2(boxes.seen.first().text.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))),
                 qPrintable(boxes.seen.first().text));
        QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        return;
    }
    QFAIL("five exports in a row fitted under the limit taken from the export before");
}

// A name with a character that no font of the report can draw: the PDF shows it escaped and the
// message after the export names it, instead of an empty box nobody is told about.
void TestReportExport::characterNoFontDrawsIsNamed()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString name = QString::fromUcs4(U"\U00010000 clip.jpg");
    const QString path = MakeEvidence(folder.path(), "still.jpg", name);
    QVERIFY(!path.isEmpty());
    MainWindow window;
    window.VerifyFiles({path});
    MessageBoxWatcher boxes;
    AnswerNextFileDialog({folder.filePath("report.pdf")});
    AnswerNextCaseForm();
    window.ExportReport();

    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen.first().icon, QMessageBox::Information);
    QVERIFY2(boxes.seen.first().text.contains("can draw in their escaped form: \\u{10000}"),
             qPrintable(boxes.seen.first().text));
    QProcess text;
    text.start("pdftotext", {"-enc", "UTF-8", folder.filePath("report.pdf"), "-"});
    QVERIFY(text.waitForFinished(60000));
    const QString report = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(report.contains("\\u{10000} clip.jpg"), qPrintable(report));
}

void TestReportExport::ctrlSOpensTheExport()
{
    MainWindow window;
    window.VerifyFiles(evidence.mid(0, 1));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    SeenFileDialog seen;
    AnswerNextCaseForm();
    AnswerNextFileDialog({}, &seen);
    QTest::keyClick(window.windowHandle(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(seen.title, QString("Export Report"));
}

// Where the export is held while it is stopped, and whether the clip was then read through: its digest
// then goes back to its row.
void TestReportExport::AddHoldPoints()
{
    QTest::addColumn<HoldPoint>("point");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("readThrough");
    QTest::newRow("reading the clip, PDF") << HoldPoint::Reading << "report.pdf" << false;
    QTest::newRow("reading the clip, CSV") << HoldPoint::Reading << "report.csv" << false;
    QTest::newRow("writing the PDF") << HoldPoint::Writing << "report.pdf" << true;
    QTest::newRow("writing JSON Lines") << HoldPoint::Writing << "report.jsonl" << true;
}

void TestReportExport::cancelLeavesNothing_data()
{
    AddHoldPoints();
}

// Cancel pressed while the work is held inside the reading of a clip, or where it starts writing: no
// file and no temporary beside it, and no message. The dialog showed how far the reading had come.
void TestReportExport::cancelLeavesNothing()
{
    QFETCH(HoldPoint, point);
    QFETCH(QString, fileName);
    QFETCH(bool, readThrough);
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QString clip = MakeLargeEvidence(evidenceDir.path(), "clip.mp4", qint64(4) << 20);
    QVERIFY(!clip.isEmpty());
    MainWindow window;
    window.VerifyFiles({clip});
    QCOMPARE(ShownPaths(window), QStringList{clip});

    int shownWhenCancelled = -1;
    HoldNextExport(&window, point, [&] {
        auto* progress = window.findChild<QProgressDialog*>();
        shownWhenCancelled = progress->value();
        progress->findChild<QPushButton*>()->click();
    });
    MessageBoxWatcher boxes;
    AnswerNextFileDialog({out.filePath(fileName)});
    AnswerNextCaseForm();
    window.ExportReport();
    QFile::remove(clip);

    QVERIFY(ExportWasHeldUntilStopped());
    // Stopped in the middle of the clip, the work reads no further piece of it.
    if (!readThrough)
        QCOMPARE(ExportReportsGiven(), 2);
    // Held in its second report, the dialog shows the first of many; held where it starts writing, all
    // of the clip but its header and its watermark block.
    const bool shownRight =
        readThrough ? shownWhenCancelled > 990 : shownWhenCancelled > 0 && shownWhenCancelled < 500;
    QVERIFY2(shownRight, qPrintable(QString::number(shownWhenCancelled)));
    QVERIFY(boxes.seen.isEmpty());
    QCOMPARE(ShownDigests(window).first().size(), readThrough ? 64 : 0);
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void TestReportExport::quittingLeavesNothing_data()
{
    AddHoldPoints();
}

// The application told to quit (a termination signal) while the work is held: the export stops as on
// Cancel and writes nothing.
void TestReportExport::quittingLeavesNothing()
{
    QFETCH(HoldPoint, point);
    QFETCH(QString, fileName);
    QFETCH(bool, readThrough);
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QString clip = MakeLargeEvidence(evidenceDir.path(), "clip.mp4", qint64(4) << 20);
    QVERIFY(!clip.isEmpty());
    MainWindow window;
    window.VerifyFiles({clip});

    HoldNextExport(&window, point, [] { QCoreApplication::quit(); });
    MessageBoxWatcher boxes;
    AnswerNextFileDialog({out.filePath(fileName)});
    AnswerNextCaseForm();
    window.ExportReport();
    QFile::remove(clip);
    // A quit outside the application's own loop stays pending for every later loop; running that loop
    // once takes it, so the tests after this one run as usual.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    QCoreApplication::exec();

    QVERIFY(ExportWasHeldUntilStopped());
    QVERIFY(boxes.seen.isEmpty());
    QCOMPARE(ShownDigests(window).first().size(), readThrough ? 64 : 0);
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

// A bare name becomes "report.pdf"; when that file exists the dialog asks before replacing it, and "No"
// (the default answer) leaves the earlier report as it was.
void TestReportExport::bareNameOfAnExistingReportIsAskedAbout()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QString earlier = out.filePath("report.pdf");
    QFile file(earlier);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("earlier report") == 14);
    file.close();
    MainWindow window;
    window.VerifyFiles(evidence.mid(0, 1));

    // The answer to the replace question is the box's default, "No"; the dialog then stays open and
    // is cancelled.
    MessageBoxWatcher boxes;
    AnswerNextFileDialog({out.filePath("report")});
    AnswerNextFileDialog({});
    AnswerNextCaseForm();
    window.ExportReport();

    QCOMPARE(boxes.seen.size(), 1);
    QVERIFY2(boxes.seen.first().text.contains("report.pdf"), qPrintable(boxes.seen.first().text));
    QCOMPARE(ReadAll(earlier), QByteArray("earlier report"));
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"report.pdf"});
}

// A file changed after it was verified: the export verifies it again with its digest in the same read,
// so the CSV and JSON Lines say what the tool says of it now, and the PDF that the list said otherwise.
// The row takes the new verdict with the digest of the bytes it is about.
void TestReportExport::fileChangedSinceVerifiedIsVerifiedAgain()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString path = MakeEvidence(work.path(), "still.jpg", "changed.jpg");
    MainWindow window;
    window.VerifyFiles({path});
    QVERIFY(window.listView->model()->index(0, 0).data(kResultRole).value<VerificationResult>().authentic);
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append) && file.write("x", 1) == 1);
    file.close();

    const QByteArray digest = QCryptographicHash::hash(ReadAll(path), QCryptographicHash::Sha256).toHex();
    MessageBoxWatcher closing;
    AnswerNextFileDialog({work.filePath("changed.pdf")});
    AnswerNextCaseForm();
    window.ExportReport();
    QProcess text;
    text.start("pdftotext", {"-enc", "UTF-8", work.filePath("changed.pdf"), "-"});
    QVERIFY(text.waitForFinished(60000));
    const QString report = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    QVERIFY2(
        report.contains("Authentication succeeded: differs from the verdict above, which the file got when "
                        "it was verified again for this report."),
        qPrintable(report));
    QVERIFY(!report.contains("The same as above"));
    QVERIFY(report.contains(QString::fromLatin1(digest)));
    QCOMPARE(ShownDigests(window), QStringList{QString::fromLatin1(digest)});

    // The row now holds the verdict the PDF found, so further exports no longer differ from it.
    for (const char* option : {"--json", "--csv"}) {
        const QString name = work.filePath(qstrcmp(option, "--json") == 0 ? "changed.jsonl" : "changed.csv");
        AnswerNextFileDialog({name});
        AnswerNextCaseForm();
        window.ExportReport();
        QCOMPARE(ReadAll(name), ToolOutput({option, "--sha256", path}));
    }
    QCOMPARE(closing.seen.size(), 1);
    const QJsonObject line = QJsonDocument::fromJson(ReadAll(work.filePath("changed.jsonl"))).object();
    QCOMPARE(line["path"].toString(), path);
    QCOMPARE(line["authentic"].toBool(true), false);
    QCOMPARE(line["sha256"].toString(), QString::fromLatin1(digest));
}

namespace {

// A content byte changed with its modification time put back, or such a change undone: the size and
// the modification time are as verified, so only reading the file again tells.
bool ChangeKeepingTime(const QString& path, const QByteArray& bytes)
{
    const QDateTime modified = QFileInfo(path).lastModified();
    QFile file(path);
    return WriteAll(path, bytes) && file.open(QIODevice::ReadWrite) &&
           file.setFileTime(modified, QFileDevice::FileModificationTime);
}

QModelIndex ShownRow(const QAbstractItemModel* shown, const QString& name)
{
    const QModelIndexList found =
        shown->match(shown->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
    return found.isEmpty() ? QModelIndex() : found.first();
}

} // namespace

void TestReportExport::changedVerdictTakesTheRow_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("nowAuthentic");
    QTest::newRow("now failed, PDF") << "report.pdf" << false;
    QTest::newRow("now failed, CSV") << "report.csv" << false;
    QTest::newRow("now authentic, JSON Lines") << "report.jsonl" << true;
}

// Three files of one export, one of which changed since the list verified it: the export's closing
// message names that file alone, its row shows the verdict the export found, reason and record fields
// included, and the status line and a later removal count it as such.
void TestReportExport::changedVerdictTakesTheRow()
{
    QFETCH(QString, fileName);
    QFETCH(bool, nowAuthentic);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QStringList paths = {MakeEvidence(work.path(), "still.jpg", "a.jpg"),
                               MakeEvidence(work.path(), "clip-faststart.mp4", "b.mp4"),
                               MakeEvidence(work.path(), "still.jpg", "c.jpg")};
    QVERIFY(!paths.contains(QString()));
    const QString changed = paths[1];
    const QByteArray authentic = ReadAll(changed);
    QByteArray tampered = authentic;
    tampered[tampered.size() / 2] = static_cast<char>(tampered[tampered.size() / 2] ^ 0x01);
    if (nowAuthentic)
        QVERIFY(ChangeKeepingTime(changed, tampered));

    MainWindow window;
    window.VerifyFiles(paths);
    QVERIFY(ChangeKeepingTime(changed, nowAuthentic ? authentic : tampered));
    const int failedBefore = nowAuthentic ? 1 : 0;
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(3, 3 - failedBefore, failedBefore));

    MessageBoxWatcher closing;
    AnswerNextFileDialog({work.filePath(fileName)});
    AnswerNextCaseForm();
    window.ExportReport();
    QVERIFY(QFileInfo::exists(work.filePath(fileName)));

    QCOMPARE(closing.seen.size(), 1);
    const QString message = closing.seen.first().text;
    QVERIFY2(message.contains("got another verdict than the list showed"), qPrintable(message));
    QVERIFY2(message.contains(changed), qPrintable(message));
    QVERIFY(!message.contains(paths[0]) && !message.contains(paths[2]));

    VerificationTarget target;
    target.path = QFile::encodeName(changed).toStdString();
    const VerificationResult now = FileVerifier(false).Verify(target);
    QCOMPARE(now.authentic, nowAuthentic);
    const QModelIndex row = ShownRow(window.listView->model(), "b.mp4");
    QVERIFY(row.isValid());
    QCOMPARE(row.siblingAtColumn(1).data().toString(), VerdictText::Verdict(nowAuthentic));
    QCOMPARE(row.siblingAtColumn(1).data(Qt::ForegroundRole).value<QColor>(),
             QColor(nowAuthentic ? Qt::darkGreen : Qt::red));
    QCOMPARE(row.siblingAtColumn(2).data().toString(), VerdictText::Display(now.startTime));
    QCOMPARE(row.siblingAtColumn(4).data().toString(), VerdictText::Display(now.rcSerial));
    const VerificationResult stored = row.data(kResultRole).value<VerificationResult>();
    QCOMPARE(stored.authentic, nowAuthentic);
    QCOMPARE(stored.reason, now.reason);
    QCOMPARE(row.siblingAtColumn(3).data(Qt::ToolTipRole).toString(),
             changed + '\n' + VerdictText::ToolTip(now));
    const int failedAfter = nowAuthentic ? 0 : 1;
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(3, 3 - failedAfter, failedAfter));

    window.listView->selectionModel()->select(row, QItemSelectionModel::ClearAndSelect |
                                                       QItemSelectionModel::Rows);
    window.RemoveFiles();
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(2, 2, 0));
}

namespace {

QString PdfText(const QString& path)
{
    QProcess text;
    text.start("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"});
    if (!text.waitForFinished(60000) || text.exitCode() != 0)
        return QString();
    return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}

} // namespace

// A folder given to the window: the PDF's appendix names what its search did not take, in the command
// line's words; once the list is emptied, the files added afterwards come without it.
void TestReportExport::pdfListsWhatTheFolderSearchLeftOut()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString folder = work.filePath("export");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(!MakeEvidence(folder, "still.jpg", "photo.jpg").isEmpty());
    for (const char* name : {".hidden.jpg", "notes.txt"}) {
        QFile file(folder + '/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(folder + "/photo.jpg", folder + "/link.jpg"));
    MainWindow window;
    window.AddPaths({folder});
    QCOMPARE(window.totalCount, 1);

    MessageBoxWatcher boxes;
    AnswerNextFileDialog({work.filePath("report.pdf")});
    AnswerNextCaseForm();
    window.ExportReport();
    const QString report = PdfText(work.filePath("report.pdf"));
    const int appendix = report.indexOf("Appendix: what the folder search left out");
    QVERIFY2(appendix > 0, qPrintable(report));
    const QString listed = report.mid(appendix);
    for (const QString& line : {folder + "/.hidden.jpg hidden: its name starts with a dot",
                                folder + "/link.jpg a symbolic link, not followed",
                                folder + "/notes.txt the name does not end in .jpg, .avi, .mp4 or .mxg"})
        QVERIFY2(listed.contains(line), qPrintable(line + "\n" + listed));
    QVERIFY2(!listed.contains("photo.jpg "), qPrintable(listed));

    window.listView->selectAll();
    window.RemoveFiles();
    QCOMPARE(window.totalCount, 0);
    window.AddPaths({folder + "/photo.jpg"});
    AnswerNextFileDialog({work.filePath("single.pdf")});
    AnswerNextCaseForm();
    window.ExportReport();
    const QString single = PdfText(work.filePath("single.pdf"));
    QVERIFY2(single.contains("photo.jpg"), qPrintable(single));
    QVERIFY2(!single.contains("left out"), qPrintable(single));
}

// A folder below the one opened that cannot be read is a failed row that says why, in its details and
// in the export, in the words quorlith-verify uses for the same folder (never as a file), also when the
// export is made by someone who could read it now. Root reads every folder, so the permission bits are made
// to apply to the window's search, and the tool runs as the unprivileged user "nobody".
void TestReportExport::folderThatCannotBeReadHasAFailedRow()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString folder = work.filePath("case 9");
    QVERIFY(QDir().mkpath(folder + "/closed"));
    QVERIFY(!MakeEvidence(folder, "still.jpg", "photo.jpg").isEmpty());
    QVERIFY(!MakeEvidence(folder + "/closed", "still.jpg", "inner.jpg").isEmpty());
    const auto everyone = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                          QFileDevice::ReadOther | QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(work.path(), everyone) && QFile::setPermissions(folder, everyone));
    QVERIFY(QFile::setPermissions(folder + "/photo.jpg", QFileDevice::ReadOwner | QFileDevice::ReadOther));
    QVERIFY(QFile::setPermissions(folder + "/closed", QFileDevice::Permissions()));

    MainWindow window;
    {
        const PermissionsApply permissions;
        QVERIFY(permissions.Active());
        AnswerNextFileDialog({folder});
        window.OpenFolder();
    }
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(2, 1, 1));
    VerificationResult closed;
    // One sentence, with the system's words, wherever the folder's reason is shown.
    const QString sentence =
        "The folder cannot be read: " + QString::fromLocal8Bit(std::strerror(EACCES)) + ".";
    for (int row = 0; row < window.listModel->rowCount(); ++row) {
        const VerificationResult result =
            window.listModel->index(row, 0).data(kResultRole).value<VerificationResult>();
        if (QString::fromStdString(result.path) == folder + "/closed") {
            closed = result;
            QCOMPARE(window.listModel->index(row, 0).data().toString(), QString("closed"));
            QCOMPARE(window.listModel->index(row, 1).data().toString(), QString("Authentication failed"));
            // The tooltip begins with the full path, then gives the reason.
            QCOMPARE(window.listModel->index(row, 0).data(Qt::ToolTipRole).toString(),
                     folder + "/closed\n" + sentence);
        }
    }
    const QString words = "the folder cannot be read: " + QString::fromLocal8Bit(std::strerror(EACCES));
    QCOMPARE(QString::fromStdString(closed.reasonDetail), words);
    QCOMPARE(ReasonCode(closed.reason), "unreadable");

    AnswerNextFileDialog({work.filePath("export.jsonl")});
    AnswerNextCaseForm();
    window.ExportReport();
    {
        MessageBoxWatcher boxes;
        AnswerNextFileDialog({work.filePath("export.pdf")});
        AnswerNextCaseForm();
        window.ExportReport();
    }
    const QString pdf = PdfText(work.filePath("export.pdf"));
    QVERIFY2(pdf.contains("Reason " + sentence), qPrintable(pdf));
    QVERIFY2(pdf.contains("SHA-256 none: this is a folder, not a file"), qPrintable(pdf));
    QVERIFY2(!pdf.contains("The file cannot be read"), qPrintable(pdf));

    const QByteArray lines = ToolOutputAsNobody({"--json", "--sha256", folder});
    const QByteArray text = ToolOutputAsNobody({folder});
    QFile::setPermissions(folder + "/closed", everyone);
    QCOMPARE(ReadAll(work.filePath("export.jsonl")), lines);
    // The row holds the words the tool prints for the folder; the window shows its reason as for any
    // file that cannot be read.
    QVERIFY2(text.contains("closed  Start Time: -  Stop Time: -  Serial no: -  Reason: " +
                           QByteArray::fromStdString(closed.reasonDetail) + ".\n"),
             text.constData());
    // Its details give that reason, and claim no change of a file that was never read.
    const DetailsWindow details(closed, &window);
    const QStringList detailLines = details.Text().split('\n');
    QCOMPARE(detailLines.value(0), "Full path: " + folder + "/closed");
    QVERIFY2(detailLines.contains("Reason: " + sentence), qPrintable(details.Text()));
    QCOMPARE(detailLines.last(), QString("SHA-256: none: this is a folder, not a file"));
}

void TestReportExport::pdfAccountsForEveryFileHandedOver_data()
{
    QTest::addColumn<QString>("action");
    // Each file the report does not hold, "name|why"; none means the report holds all four.
    QTest::addColumn<QStringList>("notInReport");
    const QString removed = "removed from the list by the examiner";
    const QString cancelled = "not verified: the run was cancelled before its turn";
    const QString unselected = "verified and in the list, but not among the rows chosen for this report";
    QTest::newRow("nothing done") << "none" << QStringList();
    QTest::newRow("failed rows removed")
        << "remove failed" << QStringList{"2-bad.avi|" + removed, "4-bad.jpg|" + removed};
    QTest::newRow("cancelled after the first file")
        << "cancel"
        << QStringList{"2-bad.avi|" + cancelled, "3-good.jpg|" + cancelled, "4-bad.jpg|" + cancelled};
    QTest::newRow("two rows selected")
        << "select" << QStringList{"3-good.jpg|" + unselected, "4-bad.jpg|" + unselected};
}

// A report of the window's list names the folder it was given and every file its search found that the
// report does not hold, and why; only a report that holds them all says that nothing was left out.
void TestReportExport::pdfAccountsForEveryFileHandedOver()
{
    QFETCH(QString, action);
    QFETCH(QStringList, notInReport);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString folder = work.filePath("export");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(!MakeEvidence(folder, "still.jpg", "1-good.jpg").isEmpty());
    QVERIFY(!MakeTamperedEvidence(folder, "clip.avi", "2-bad.avi").isEmpty());
    QVERIFY(!MakeEvidence(folder, "still.jpg", "3-good.jpg").isEmpty());
    QVERIFY(!MakeTamperedEvidence(folder, "still.jpg", "4-bad.jpg").isEmpty());

    MainWindow window;
    if (action == "cancel")
        connect(window.listModel, &QAbstractItemModel::rowsInserted, &window, [&window] {
            if (window.runProgress)
                window.runProgress->SlotCancel();
        });
    window.AddPaths({folder});
    const QAbstractItemModel* shown = window.listView->model();
    const auto selectFirstTwo = [&] {
        window.listView->selectionModel()->select(
            QItemSelection(shown->index(0, 0), shown->index(1, shown->columnCount() - 1)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    };
    if (action == "remove failed") {
        window.listView->sortByColumn(1, Qt::AscendingOrder);
        selectFirstTwo();
        window.RemoveFiles();
    } else if (action == "select") {
        window.listView->sortByColumn(0, Qt::AscendingOrder);
        selectFirstTwo();
    }
    QCOMPARE(window.totalCount, 4 - (action == "remove failed" ? 2 : 0) - (action == "cancel" ? 3 : 0));

    MessageBoxWatcher boxes;
    AnswerNextFileDialog({work.filePath("report.pdf")});
    AnswerNextCaseForm();
    window.ExportReport();
    const QString report = PdfText(work.filePath("report.pdf"));
    QVERIFY2(report.contains("Folder given " + folder), qPrintable(report));
    const QString heading = "Appendix: files given but not in this report";
    QCOMPARE(report.contains("The folder search left nothing out."), notInReport.isEmpty());
    QCOMPARE(report.contains(heading), !notInReport.isEmpty());
    const QString appendix = report.mid(report.indexOf(heading));
    QMap<QString, int> perWhy;
    for (const QString& file : notInReport) {
        const QString line = folder + '/' + file.section('|', 0, 0) + ' ' + file.section('|', 1);
        QVERIFY2(appendix.contains(line), qPrintable(line + "\n" + appendix));
        ++perWhy[file.section('|', 1)];
    }
    for (auto why = perWhy.cbegin(); why != perWhy.cend(); ++why)
        QVERIFY2(report.contains(QString("%1 (%2)").arg(why.value()).arg(why.key())), qPrintable(report));
}

void TestReportExport::pdfTakesEachFileOnce_data()
{
    QTest::addColumn<QStringList>("opened");
    // Below the work folder: the folder noted as searched again.
    QTest::addColumn<QString>("searchedAgain");
    QTest::addColumn<QStringList>("twice");
    const QStringList all = {"cam01/a.jpg", "cam01/b.jpg", "cam01/sub/c.jpg"};
    QTest::newRow("a folder twice") << QStringList{"cam01", "cam01"} << "cam01" << all;
    QTest::newRow("a folder, then one below it")
        << QStringList{"cam01", "cam01/sub"} << "cam01/sub" << QStringList{"cam01/sub/c.jpg"};
    QTest::newRow("a folder below, then the one above")
        << QStringList{"cam01/sub", "cam01"} << "cam01/sub" << QStringList{"cam01/sub/c.jpg"};
}

// The window lists a file as often as it is given, but its report verifies and names it once, with a
// note, and names each entry the searches did not take once.
void TestReportExport::pdfTakesEachFileOnce()
{
    QFETCH(QStringList, opened);
    QFETCH(QString, searchedAgain);
    QFETCH(QStringList, twice);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(QDir().mkpath(work.filePath("cam01/sub")));
    for (const char* name : {"cam01/a.jpg", "cam01/b.jpg", "cam01/sub/c.jpg"})
        QVERIFY(!MakeEvidence(QFileInfo(work.filePath(name)).path(), "still.jpg", QFileInfo(name).fileName())
                     .isEmpty());
    QFile notes(work.filePath("cam01/sub/notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.close();

    MainWindow window;
    for (const QString& folder : opened)
        window.AddPaths({work.filePath(folder)});
    MessageBoxWatcher boxes;
    AnswerNextFileDialog({work.filePath("report.pdf")});
    AnswerNextCaseForm();
    window.ExportReport();
    const QString report = PdfText(work.filePath("report.pdf"));
    QVERIFY2(report.contains("Total files 3 "), qPrintable(report));
    const QString appendix = report.mid(report.indexOf("Appendix: what the folder search left out"));
    QCOMPARE(appendix.count("notes.txt"), 1);
    QVERIFY2(appendix.contains(work.filePath(searchedAgain) +
                               " a folder given more than once or below another "
                               "one given: its entries are taken once"),
             qPrintable(appendix));
    for (const QString& file : twice)
        QVERIFY2(appendix.contains(work.filePath(file) + " a file given more than once or also found in a "
                                                         "folder given: verified and listed once"),
                 qPrintable(appendix));
    QCOMPARE(appendix.count("verified and listed once"), twice.size());
}

QTEST_MAIN(TestReportExport)
#include "TestReportExport.moc"
