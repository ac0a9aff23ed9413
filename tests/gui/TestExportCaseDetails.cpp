// SPDX-License-Identifier: Apache-2.0
// The window's export with the case details form before it: what the form takes reaches the report,
// and what it keeps for the next time.
#include "EvidenceFiles.h"
#include "GuiTestSupport.h"
#include "MessageBoxWatcher.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QSettings>
#include <QtTest>

class TestExportCaseDetails : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void caseDetailsReachEveryPage();
    void examinerAndOrganisationComeBackTheCaseDoesNot();
    void cancelAsksNothingMoreAndWritesNothing();

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
                         "Seized at the depot"};
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
    for (const char* text : {"EX-7 memory card", "EX-8 laptop", "Forensic Unit North", "Seized at the depot"})
        QVERIFY2(report.contains(QLatin1String(text)), text);
    // The form trims what it takes: no leading blank of a field reaches the page.
    QVERIFY(!report.contains("  EX-8"));
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
    AnswerNextCaseForm(CaseForm{}, FormButton::Cancel, &second);
    window.ExportReport();

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
    const QMap<QString, FolderEntry> evidenceBefore = SnapshotFolder(evidenceDir.path());
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

QTEST_MAIN(TestExportCaseDetails)
#include "TestExportCaseDetails.moc"
