// SPDX-License-Identifier: Apache-2.0
// The window's export with the case details form before it, and the PDF report's SHA-256 after it: what
// the form takes reaches the report, what it keeps for the next time, and the file beside the report
// that sha256sum -c checks.
#include "GuiTestSupport.h"
#include "MessageBoxWatcher.h"
#include "app/MainWindow.h"
#include "tests/support/EvidenceFiles.h"
#include "ui/CaseDetailsDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

class TestExportCaseDetails : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void formKeepsTheBoundsOfTheCommandLine();
    void init();
    void caseDetailsReachEveryPage();
    void examinerAndOrganisationComeBackTheCaseDoesNot();
    void cancelAsksNothingMoreAndWritesNothing();
    void sealBesideTheReportChecksWithSha256sum_data();
    void sealBesideTheReportChecksWithSha256sum();
    void sealThatCannotBeWrittenIsSaid();

private:
    QTemporaryDir settingsDir;
    QTemporaryDir evidenceDir;
    QStringList evidence;
};

namespace {

// The text of each page of a PDF, whitespace simplified.
QStringList PageTexts(const QString& pdf)
{
    QProcess text;
    text.start("pdftotext", {"-enc", "UTF-8", pdf, "-"});
    if (!text.waitForFinished(60000) || text.exitCode() != 0)
        return {};
    QStringList pages;
    for (const QString& page : QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'))) {
        if (!page.trimmed().isEmpty())
            pages << page.simplified();
    }
    return pages;
}

// Runs sha256sum -c on the seal file in its folder, as an examiner would; its exit status.
int Sha256sumCheck(const QString& sealPath)
{
    QProcess check;
    check.setWorkingDirectory(QFileInfo(sealPath).path());
    check.start("sha256sum", {"-c", QFileInfo(sealPath).fileName()});
    if (!check.waitForFinished(60000) || check.exitStatus() != QProcess::NormalExit)
        return -1;
    return check.exitCode();
}

QStringList EntriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Rejects every file dialog that comes up while it lives, noting that one did.
class FileDialogRefuser : public QObject
{
public:
    FileDialogRefuser()
    {
        connect(&poll, &QTimer::timeout, this, [this] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                ++shown;
                dialog->reject();
            }
        });
        poll.start(5);
    }
    int shown = 0;

private:
    QTimer poll;
};

} // namespace

void TestExportCaseDetails::initTestCase()
{
    QVERIFY(settingsDir.isValid() && evidenceDir.isValid());
    UseTemporarySettings(settingsDir);
    evidence = QStringList{MakeEvidence(evidenceDir.path(), "still.jpg", "photo.jpg"),
                           MakeEvidence(evidenceDir.path(), "clip-faststart.mp4", "clip.mp4"),
                           MakeTamperedEvidence(evidenceDir.path(), "clip.avi", "tampered.avi"),
                           MakePlainMedia(evidenceDir.path(), "still.jpg", "plain.jpg")};
    QVERIFY(!evidence.contains(QString()));
}

// Each test starts without remembered details.
void TestExportCaseDetails::init()
{
    QSettings(QStringLiteral("Trevalon Inc."), QStringLiteral("Trevalon Quorlith")).clear();
}

void TestExportCaseDetails::caseDetailsReachEveryPage()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    MainWindow window;
    window.VerifyFiles(evidence);
    const CaseForm typed{"  CASE 2026/0042 ", "EX-7 memory card\n\n  EX-8 laptop  \n",
                         QString::fromUtf8("\xc3\x85sa Lindqvist"), "Forensic Unit North",
                         QString::fromUtf8("Seized \xe2\x80\xae at the depot")};
    MessageBoxWatcher boxes;
    AnswerNextCaseForm(typed);
    AnswerNextFileDialog({out.filePath("report.pdf")});
    window.ExportReport();

    const QStringList pages = PageTexts(out.filePath("report.pdf"));
    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    for (int page = 0; page < pages.size(); ++page) {
        QVERIFY2(pages[page].contains("CASE 2026/0042"), qPrintable(QString::number(page + 1)));
        QVERIFY2(pages[page].contains(typed.examiner), qPrintable(QString::number(page + 1)));
    }
    const QString report = pages.join(QLatin1Char(' '));
    for (const char* text : {"EX-7 memory card", "EX-8 laptop", "Forensic Unit North"})
        QVERIFY2(report.contains(QLatin1String(text)), text);
    // A right-to-left override reaches the page escaped, never raw.
    QVERIFY2(report.contains("Seized \\u{202E} at the depot"), qPrintable(report));
    QVERIFY(!report.contains(QChar(0x202E)));

    QProcess info;
    info.start("pdfinfo", {"-enc", "UTF-8", out.filePath("report.pdf")});
    QVERIFY(info.waitForFinished(60000));
    const QString title = QString::fromUtf8(info.readAllStandardOutput()).section('\n', 0, 0);
    // The title names the case number as the form trimmed it.
    QVERIFY2(title.startsWith("Title:") && title.endsWith(", Case CASE 2026/0042"), qPrintable(title));
}

// The form offers the last examiner and organisation again, also to the next window (the next start),
// and keeps them in a group of their own beside the window's position and size; the case number, the
// exhibits and the note are stored nowhere.
void TestExportCaseDetails::examinerAndOrganisationComeBackTheCaseDoesNot()
{
    const CaseForm typed{"CASE-4711", "EXHIBIT-0815", "Dana Examiner", "Lab West", "NOTE-ABCDEF"};
    CaseForm first;
    CaseForm second;
    {
        MainWindow window;
        window.VerifyFiles(evidence.mid(0, 1));
        AnswerNextCaseForm(typed, FormButton::Continue, &first);
        AnswerNextFileDialog({});
        window.ExportReport();
    }
    MainWindow window;
    window.VerifyFiles(evidence.mid(0, 1));
    FileDialogRefuser fileDialogs;
    AnswerNextCaseForm(CaseForm{}, FormButton::Cancel, &second);
    window.ExportReport();
    QCOMPARE(fileDialogs.shown, 0);

    QVERIFY(first.examiner.isEmpty() && first.organisation.isEmpty());
    QCOMPARE(second.examiner, typed.examiner);
    QCOMPARE(second.organisation, typed.organisation);
    QCOMPARE(second.caseNumber, QString());
    QCOMPARE(second.exhibits, QString());
    QCOMPARE(second.note, QString());

    QSettings settings(QStringLiteral("Trevalon Inc."), QStringLiteral("Trevalon Quorlith"));
    settings.sync();
    for (const QString& key : settings.childKeys())
        QVERIFY2(key == "Pos" || key == "Size", qPrintable(key));
    QFile store(settings.fileName());
    QVERIFY(store.open(QIODevice::ReadOnly));
    const QByteArray stored = store.readAll();
    QVERIFY(stored.contains("Dana Examiner"));
    for (const char* kept : {"CASE-4711", "EXHIBIT-0815", "NOTE-ABCDEF"})
        QVERIFY2(!stored.contains(kept), kept);
}

// Cancel in the form: no save dialog follows, nothing is written anywhere, and what was typed into the
// cancelled form is not remembered.
void TestExportCaseDetails::cancelAsksNothingMoreAndWritesNothing()
{
    WindowTestFolders folders;
    QVERIFY(folders.Enter());
    const QMap<QString, EntrySnapshot> evidenceBefore = SnapshotFolder(evidenceDir.path());
    MainWindow window;
    window.VerifyFiles(evidence);
    {
        MainWindow earlier;
        earlier.VerifyFiles(evidence.mid(0, 1));
        AnswerNextCaseForm({"", "", "Kept Examiner", "Kept Lab", ""});
        AnswerNextFileDialog({});
        earlier.ExportReport();
    }

    FileDialogRefuser fileDialogs;
    MessageBoxWatcher boxes;
    AnswerNextCaseForm({"C-1", "E-1", "Other Examiner", "Other Lab", "N-1"}, FormButton::Cancel);
    window.ExportReport();
    CaseForm shown;
    AnswerNextCaseForm(CaseForm{}, FormButton::Cancel, &shown);
    window.ExportReport();
    folders.Leave();

    QCOMPARE(fileDialogs.shown, 0);
    QVERIFY(boxes.seen.isEmpty());
    QCOMPARE(EntriesOf(folders.Work()), QStringList());
    QCOMPARE(SnapshotFolder(evidenceDir.path()), evidenceBefore);
    QCOMPARE(shown.examiner, QString("Kept Examiner"));
    QCOMPARE(shown.organisation, QString("Kept Lab"));
}

void TestExportCaseDetails::sealBesideTheReportChecksWithSha256sum_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("sealName");
    // A bare name gets its ".pdf" from the dialog before the seal's name is made from it.
    QTest::newRow("bare name with a space") << "case 12"
                                            << "case 12.pdf.sha256";
    QTest::newRow("name beyond ASCII") << QString::fromUtf8("\xc3\x85rhus rapport.pdf")
                                       << QString::fromUtf8("\xc3\x85rhus rapport.pdf.sha256");
}

// The seal lies beside the report, in the folder chosen in the save dialog, never beside the evidence;
// sha256sum -c passes on it and fails once one byte of the report is changed; the closing message
// names the same digest.
void TestExportCaseDetails::sealBesideTheReportChecksWithSha256sum()
{
    QFETCH(QString, fileName);
    QFETCH(QString, sealName);
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QMap<QString, EntrySnapshot> evidenceBefore = SnapshotFolder(evidenceDir.path());
    MainWindow window;
    window.VerifyFiles(evidence);
    MessageBoxWatcher boxes;
    AnswerNextCaseForm({"CASE 9", "", "Examiner Nine", "", ""});
    AnswerNextFileDialog({out.filePath(fileName)});
    window.ExportReport();

    const QString reportName = sealName.chopped(7);
    QCOMPARE(EntriesOf(out.path()), QStringList({reportName, sealName}));
    QCOMPARE(SnapshotFolder(evidenceDir.path()), evidenceBefore);
    const QByteArray digest =
        QCryptographicHash::hash(ReadAll(out.filePath(reportName)), QCryptographicHash::Sha256).toHex();
    QCOMPARE(ReadAll(out.filePath(sealName)), digest + "  " + reportName.toUtf8() + "\n");
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen.first().icon, QMessageBox::Information);
    QVERIFY2(boxes.seen.first().text.contains(QString::fromLatin1(digest)),
             qPrintable(boxes.seen.first().text));
    QVERIFY2(boxes.seen.first().text.contains(sealName), qPrintable(boxes.seen.first().text));
    QCOMPARE(Sha256sumCheck(out.filePath(sealName)), 0);

    QFile report(out.filePath(reportName));
    QVERIFY(report.open(QIODevice::ReadWrite));
    QVERIFY(report.seek(report.size() / 2));
    char byte = 0;
    QVERIFY(report.getChar(&byte));
    QVERIFY(report.seek(report.size() / 2) && report.putChar(static_cast<char>(byte ^ 0x01)));
    report.close();
    QCOMPARE(Sha256sumCheck(out.filePath(sealName)), 1);
}

// When the seal's name is taken by a folder, the report stays and the message says that its digest
// could not be written beside it, and still gives the digest.
void TestExportCaseDetails::sealThatCannotBeWrittenIsSaid()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QVERIFY(QDir(out.path()).mkdir("report.pdf.sha256"));
    MainWindow window;
    window.VerifyFiles(evidence.mid(0, 1));
    MessageBoxWatcher boxes;
    AnswerNextCaseForm();
    AnswerNextFileDialog({out.filePath("report.pdf")});
    window.ExportReport();

    QCOMPARE(EntriesOf(out.path()), QStringList({"report.pdf", "report.pdf.sha256"}));
    QVERIFY(QFileInfo(out.filePath("report.pdf.sha256")).isDir());
    const QByteArray digest =
        QCryptographicHash::hash(ReadAll(out.filePath("report.pdf")), QCryptographicHash::Sha256).toHex();
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen.first().icon, QMessageBox::Warning);
    QVERIFY2(boxes.seen.first().text.contains("could not be written beside it in report.pdf.sha256"),
             qPrintable(boxes.seen.first().text));
    QVERIFY2(boxes.seen.first().text.contains(QString::fromLatin1(digest)),
             qPrintable(boxes.seen.first().text));
}

// The form takes no more than the command line does: a line stops at its bound in bytes, whatever the
// letters, and Continue waits while the exhibits hold more than theirs.
void TestExportCaseDetails::formKeepsTheBoundsOfTheCommandLine()
{
    CaseDetailsDialog form(nullptr);
    auto* examiner = form.findChild<QLineEdit*>("examiner");
    auto* note = form.findChild<QLineEdit*>("note");
    auto* exhibits = form.findChild<QPlainTextEdit*>("exhibits");
    QVERIFY(examiner && note && exhibits);
    // Two-byte letters, one at a time as typed: the 101st would make 202 bytes and is not taken.
    examiner->clear();
    for (size_t i = 0; i < CaseDetails::kMaxTextBytes / 2 + 1; ++i)
        examiner->insert(QString::fromUtf8("\xc3\xa4"));
    QCOMPARE(examiner->text().toUtf8().size(), static_cast<int>(CaseDetails::kMaxTextBytes));
    note->insert(QString(CaseDetails::kMaxNoteBytes, 'n'));
    QTest::keyClicks(note, "nn");
    QCOMPARE(note->text().size(), static_cast<int>(CaseDetails::kMaxNoteBytes));
    QVERIFY(form.Details().OverLimit().empty());

    QPushButton* continueButton = form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QStringList lines;
    for (size_t i = 0; i < CaseDetails::kMaxExhibits; ++i)
        lines << QString("EX-%1").arg(i);
    exhibits->setPlainText(lines.join('\n'));
    QVERIFY(continueButton->isEnabled());
    exhibits->setPlainText(lines.join('\n') + "\nEX-extra");
    QVERIFY(!continueButton->isEnabled());
    exhibits->setPlainText(QString(CaseDetails::kMaxTextBytes + 1, 'x'));
    QVERIFY(!continueButton->isEnabled());
    exhibits->setPlainText(QString(CaseDetails::kMaxTextBytes, 'x'));
    QVERIFY(continueButton->isEnabled());
}

QTEST_MAIN(TestExportCaseDetails)
#include "TestExportCaseDetails.moc"
