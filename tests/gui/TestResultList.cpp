// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "app/MainWindow.h"
#include "filelist/ResultRole.h"
#include "tests/support/EvidenceFiles.h"
#include "verdict/FileVerifier.h"
#include "verdict/JsonLinesWriter.h"
#include "verdict/VerdictText.h"

#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QStyle>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTreeView>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

namespace {
// The report line the command-line tool writes for result with --json.
std::string JsonLine(const VerificationResult& result)
{
    char* buffer = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&buffer, &size);
    if (!out)
        return std::string();
    JsonLinesWriter(out, false).Write(result);
    std::fclose(out);
    const std::string line(buffer, size);
    std::free(buffer);
    return line;
}

// The shown row of the file called name, or an invalid index.
QModelIndex ShownRow(const QAbstractItemModel* shown, const QString& name)
{
    for (int row = 0; row < shown->rowCount(); ++row) {
        if (shown->index(row, 0).data().toString() == name)
            return shown->index(row, 0);
    }
    return QModelIndex();
}
} // namespace

class TestResultList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensEmptySortedByFileName();
    void rowsSortCaseSensitively();
    void statusLine_data();
    void statusLine();
    void toolTipExplainsTheVerdict_data();
    void toolTipExplainsTheVerdict();
    void toolTipBeginsWithTheFullPath_data();
    void toolTipBeginsWithTheFullPath();
    void rowsHoldTheCommandLineResult();
    void fileNameCellSignsPartialProtection_data();
    void fileNameCellSignsPartialProtection();
    void recordFieldsReadAsInTheDetails();
    void fileNameCellDrawnAsStored();

private:
    QString Make(const QString& kind);

    QTemporaryDir settingsDir;
    QTemporaryDir fixtureDir;
};

void TestResultList::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QVERIFY(fixtureDir.isValid());
    UseTemporarySettings(settingsDir);
}

// One file for each verdict a file the window lists can get; kind is also the file's name.
QString TestResultList::Make(const QString& kind)
{
    const QString folder = fixtureDir.path();
    const QString path = QDir(folder).filePath(kind);
    if (QFileInfo::exists(path))
        return path;
    StampRecord record;
    if (kind == "authentic-1.0.jpg")
        return MakeEvidence(folder, "still.jpg", kind);
    if (kind == "partial-1.1.mp4") {
        record.version = "1.1";
        return MakeEvidence(folder, "clip-faststart.mp4", kind, record);
    }
    if (kind == "unprotected-1.1.jpg") {
        // 4,096 content bytes: fold index (4096 >> 3) mod 64 = 0, so no content byte counts.
        const QString media = QDir(folder).filePath("media-4096.jpg");
        QFile file(media);
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(4096, 'x')) != 4096)
            return QString();
        file.close();
        record.version = "1.1";
        return StampEvidence(QUORLITH_TEST_KEY, record, QFile::encodeName(media).toStdString(),
                             QFile::encodeName(path).toStdString()) == 0
                   ? path
                   : QString();
    }
    if (kind == "binary-fields.jpg") {
        record.startTime = "2026-03-14\x01 09:26:53";
        record.rcSerial = "QR\xE2\x96\xA1\xFF-bin";
        return MakeEvidence(folder, "still.jpg", kind, record);
    }
    if (kind == "stamped-jpg.avi") {
        const QString stamped = MakeEvidence(folder, "still.jpg", "for-renaming-as-avi.jpg");
        return !stamped.isEmpty() && QFile::rename(stamped, path) ? path : QString();
    }
    if (kind == "unstamped.jpg")
        return MakePlainMedia(folder, "still.jpg", kind);
    if (kind == "tampered.avi")
        return MakeTamperedEvidence(folder, "clip.avi", kind);
    if (kind == "bad-marker.jpg") {
        record.marker = "Trevalon Digital Watermark ";
        return MakeEvidence(folder, "still.jpg", kind, record);
    }
    if (kind == "version-1.2.mp4") {
        record.version = "1.2";
        return MakeEvidence(folder, "clip-mdat-first.mp4", kind, record);
    }
    if (kind == "short.jpg" || kind == "tiny.jpg") {
        QFile file(path);
        const QByteArray bytes(kind == "short.jpg" ? 100 : 512, 'x');
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
    }
    if (kind == "stamped.jpeg") {
        const QString stamped = MakeEvidence(folder, "still.jpg", "for-renaming.jpg");
        return !stamped.isEmpty() && QFile::rename(stamped, path) ? path : QString();
    }
    if (kind == "still-as.mp4") {
        // A still under a video name has no media data box; the stamping side cannot compute a
        // digest for it either, so the record carries any.
        const QString copy = MakePlainMedia(folder, "still.jpg", "still-copy.mp4");
        record.hmac = std::string(32, '0');
        return !copy.isEmpty() &&
                       StampEvidence(QUORLITH_TEST_KEY, record, QFile::encodeName(copy).toStdString(),
                                     QFile::encodeName(path).toStdString()) == 0
                   ? path
                   : QString();
    }
    return QString();
}

void TestResultList::opensEmptySortedByFileName()
{
    MainWindow window;
    const QTreeView* view = window.listView;
    const QAbstractItemModel* shown = view->model();
    QCOMPARE(shown->rowCount(), 0);
    QCOMPARE(shown->columnCount(), 5);
    const QStringList headers = {"File Name", "Authentication Result", "Start Time", "Stop Time",
                                 "Serial no"};
    const int widths[] = {200, 180, 150, 150, 150};
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(shown->headerData(column, Qt::Horizontal).toString(), headers.at(column));
        QCOMPARE(view->columnWidth(column), widths[column]);
    }
    QCOMPARE(view->header()->sortIndicatorSection(), 0);
    QCOMPARE(view->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    QVERIFY(view->header()->stretchLastSection());
    QVERIFY(!view->header()->sectionsMovable());
    QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(view->selectionMode(), QAbstractItemView::ContiguousSelection);
    QCOMPARE(view->focusPolicy(), Qt::NoFocus);
    QCOMPARE(window.statusBar()->currentMessage(),
             QString("Total files: 0  Authentication succeeded: 0  Authentication failed: 0"));
}

// Display text compared case-sensitively: capitals before small letters.
void TestResultList::rowsSortCaseSensitively()
{
    QTemporaryDir dir;
    const QStringList paths = {MakeEvidence(dir.path(), "still.jpg", "b.jpg"),
                               MakeEvidence(dir.path(), "still.jpg", "A.jpg"),
                               MakeEvidence(dir.path(), "still.jpg", "a.jpg")};
    QVERIFY(!paths.contains(QString()));
    MainWindow window;
    window.VerifyFiles(paths);

    const QAbstractItemModel* shown = window.listView->model();
    QStringList names;
    for (int row = 0; row < shown->rowCount(); ++row)
        names << shown->index(row, 0).data().toString();
    QCOMPARE(names, QStringList({"A.jpg", "a.jpg", "b.jpg"}));

    window.listView->sortByColumn(0, Qt::DescendingOrder);
    names.clear();
    for (int row = 0; row < shown->rowCount(); ++row)
        names << shown->index(row, 0).data().toString();
    QCOMPARE(names, QStringList({"b.jpg", "a.jpg", "A.jpg"}));
}

void TestResultList::statusLine_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("succeeded");
    QTest::addColumn<int>("failed");
    QTest::addColumn<QString>("line");
    QTest::newRow("two of three pass")
        << 3 << 2 << 1 << "Total files: 3  Authentication succeeded: 2  Authentication failed: 1";
    QTest::newRow("no digit grouping")
        << 12345 << 10000 << 2345
        << "Total files: 12345  Authentication succeeded: 10000  Authentication failed: 2345";
}

void TestResultList::statusLine()
{
    QFETCH(int, total);
    QFETCH(int, succeeded);
    QFETCH(int, failed);
    QFETCH(QString, line);
    QLocale::setDefault(QLocale(QLocale::German));
    MainWindow window;
    window.totalCount = total;
    window.succeededCount = succeeded;
    window.failedCount = failed;
    window.UpdateStatusBar();
    QLocale::setDefault(QLocale::c());
    QCOMPARE(window.statusBar()->currentMessage(), line);
}

// Every cell of a row carries the same tooltip: the reason of a failure in one sentence, the coverage
// of a partly protected authentic file, and nothing for a fully covered one.
void TestResultList::toolTipExplainsTheVerdict_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("authentic 1.0 still") << "authentic-1.0.jpg" << QString();
    // Content from 956 to 2441: L = 1486, index (L >> 3) mod 64 = 57, kept 23 * 57 + min(1486 mod 64, 57).
    QTest::newRow("1.1 clip, partial coverage")
        << "partial-1.1.mp4"
        << "The digest protects only 1325 of the 2954 bytes of this file.";
    QTest::newRow("1.1 still, no content byte protected")
        << "unprotected-1.1.jpg"
        << "The digest protects only 0 of the 4608 bytes of this file.";
    QTest::newRow("no watermark") << "unstamped.jpg"
                                  << "No watermark opens with the built-in recorder key: the file has no "
                                     "watermark, or it was made with another key, or it is damaged.";
    QTest::newRow("tampered content") << "tampered.avi"
                                      << "The content does not match the digest in the watermark: it was "
                                         "changed, or the digest in the record is not in the expected form.";
    QTest::newRow("bad marker") << "bad-marker.jpg"
                                << "The watermark record has a marker that this program does not accept.";
    QTest::newRow("unsupported version") << "version-1.2.mp4"
                                         << "The watermark record's version is neither 1.0 nor 1.1.";
    QTest::newRow("too small") << "short.jpg"
                               << "The file is empty or too small to hold a watermark block.";
    QTest::newRow("block unreadable") << "tiny.jpg"
                                      << "The watermark block cannot be read.";
    QTest::newRow("unsupported type") << "stamped.jpeg"
                                      << "The file name does not end in .jpg, .avi, .mp4 or .mxg.";
    QTest::newRow("JPG renamed to .avi")
        << "stamped-jpg.avi"
        << "The content is of another type than the ending of the file name says: the watermark block lies "
           "where another type of file keeps it. Was the file renamed?";
    QTest::newRow("no media data")
        << "still-as.mp4"
        << "The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.";
}

void TestResultList::toolTipExplainsTheVerdict()
{
    QFETCH(QString, kind);
    QFETCH(QString, toolTip);
    const QString path = Make(kind);
    QVERIFY2(!path.isEmpty(), "fixture not made");
    MainWindow window;
    window.VerifyFiles({path});

    const QAbstractItemModel* shown = window.listView->model();
    QCOMPARE(shown->rowCount(), 1);
    for (int column = 0; column < shown->columnCount(); ++column)
        QCOMPARE(shown->index(0, column).data(Qt::ToolTipRole).toString(),
                 toolTip.isEmpty() ? path : path + '\n' + toolTip);
}

void TestResultList::toolTipBeginsWithTheFullPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shownName");
    QTest::newRow("plain") << "IMG_0001.jpg"
                           << "IMG_0001.jpg";
    QTest::newRow("markup") << "<b>IMG<i>_0001.jpg"
                            << "<b>IMG<i>_0001.jpg";
    QTest::newRow("entity") << "&lt;IMG_0001.jpg"
                            << "&lt;IMG_0001.jpg";
    QTest::newRow("tab and line feed") << "IMG\t0001\n.jpg"
                                       << "IMG\\x090001\\x0A.jpg";
}

// Two files of one name in two camera folders: their rows read alike, their tooltips do not. Each
// begins with the full path as the details window escapes it, and a name that looks like markup shows
// as it is, not as rich text.
void TestResultList::toolTipBeginsWithTheFullPath()
{
    QFETCH(QString, name);
    QFETCH(QString, shownName);
    const QDir base(fixtureDir.path());
    QVERIFY(base.mkpath("cam02") && base.mkpath("cam03"));
    const QStringList paths = {MakeEvidence(base.filePath("cam02"), "still.jpg", name),
                               MakeTamperedEvidence(base.filePath("cam03"), "still.jpg", name)};
    QVERIFY(!paths.contains(QString()));
    MainWindow window;
    window.VerifyFiles(paths);

    const QAbstractItemModel* shown = window.listView->model();
    QCOMPARE(shown->rowCount(), 2);
    QStringList firstLines;
    for (int row = 0; row < 2; ++row) {
        const QString toolTip = shown->index(row, 1).data(Qt::ToolTipRole).toString();
        // What a tooltip label shows of the text: Qt takes it for rich text by its first line.
        const QString seen =
            Qt::mightBeRichText(toolTip) ? QTextDocumentFragment::fromHtml(toolTip).toPlainText() : toolTip;
        const QStringList lines = seen.split('\n');
        QCOMPARE(lines.size(), shown->index(row, 1).data().toString() == "Authentication failed" ? 2 : 1);
        firstLines << lines.first();
    }
    firstLines.sort();
    QCOMPARE(firstLines, QStringList({fixtureDir.path() + "/cam02/" + shownName,
                                      fixtureDir.path() + "/cam03/" + shownName}));
}

// The window and quorlith-verify give every file of the set the same result, field for field, as the
// command-line tool's JSON report shows it.
void TestResultList::rowsHoldTheCommandLineResult()
{
    const QStringList kinds = {"authentic-1.0.jpg", "partial-1.1.mp4", "unstamped.jpg",  "tampered.avi",
                               "bad-marker.jpg",    "version-1.2.mp4", "short.jpg",      "tiny.jpg",
                               "stamped.jpeg",      "still-as.mp4",    "stamped-jpg.avi"};
    QStringList paths;
    for (const QString& kind : kinds)
        paths << Make(kind);
    QVERIFY(!paths.contains(QString()));
    MainWindow window;
    window.VerifyFiles(paths);

    const QAbstractItemModel* shown = window.listView->model();
    QCOMPARE(shown->rowCount(), paths.size());
    for (const QString& path : paths) {
        const QModelIndex row = ShownRow(shown, QFileInfo(path).fileName());
        QVERIFY2(row.isValid(), qPrintable(path));
        const QVariant stored = row.data(kResultRole);
        QVERIFY(stored.canConvert<VerificationResult>());
        VerificationTarget target;
        target.path = QFile::encodeName(path).toStdString();
        const VerificationResult expected = FileVerifier(false).Verify(target);
        QCOMPARE(QString::fromStdString(JsonLine(stored.value<VerificationResult>())),
                 QString::fromStdString(JsonLine(expected)));
    }
}

// A green row whose version 1.1 digest leaves content unprotected carries a sign in its File Name
// cell: a warning sign when no content byte is protected, a half-filled circle for part; other rows
// carry none.
void TestResultList::fileNameCellSignsPartialProtection_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("sign");
    QTest::newRow("1.0, fully protected") << "authentic-1.0.jpg"
                                          << "none";
    QTest::newRow("1.1, part protected") << "partial-1.1.mp4"
                                         << "partial";
    QTest::newRow("1.1, no content byte protected") << "unprotected-1.1.jpg"
                                                    << "warning";
    QTest::newRow("failed") << "tampered.avi"
                            << "none";
}

void TestResultList::fileNameCellSignsPartialProtection()
{
    QFETCH(QString, kind);
    QFETCH(QString, sign);
    const QString path = Make(kind);
    QVERIFY2(!path.isEmpty(), "fixture not made");
    MainWindow window;
    window.VerifyFiles({path});

    const QAbstractItemModel* shown = window.listView->model();
    QCOMPARE(shown->rowCount(), 1);
    for (int column = 1; column < shown->columnCount(); ++column)
        QVERIFY(shown->index(0, column).data(Qt::DecorationRole).isNull());
    const QIcon icon = shown->index(0, 0).data(Qt::DecorationRole).value<QIcon>();
    QCOMPARE(icon.isNull(), sign == "none");
    const QImage warning =
        QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16).toImage();
    if (sign != "none")
        QCOMPARE(icon.pixmap(16).toImage() == warning, sign == "warning");
    // Below the path, a line about coverage or the failure.
    QCOMPARE(shown->index(0, 0).data(Qt::ToolTipRole).toString().contains('\n'),
             sign != "none" || kind == "tampered.avi");
}

// Record fields whose bytes are not all text read in the list as in the details window: a control
// byte and a byte that is not UTF-8 as \xNN, a valid character as itself.
void TestResultList::recordFieldsReadAsInTheDetails()
{
    const QString path = Make("binary-fields.jpg");
    QVERIFY2(!path.isEmpty(), "fixture not made");
    MainWindow window;
    window.VerifyFiles({path});

    const QAbstractItemModel* shown = window.listView->model();
    QCOMPARE(shown->rowCount(), 1);
    QCOMPARE(shown->index(0, 1).data().toString(), QString("Authentication succeeded"));
    QCOMPARE(shown->index(0, 2).data().toString(), QString("2026-03-14\\x01 09:26:53"));
    QCOMPARE(shown->index(0, 4).data().toString(), QString::fromUtf8("QR\xE2\x96\xA1\\xFF-bin"));
    const QStringList details =
        VerdictText::DetailLines(shown->index(0, 0).data(kResultRole).value<VerificationResult>(), QString());
    QVERIFY(details.contains("Start Time: " + shown->index(0, 2).data().toString()));
    QVERIFY(details.contains("Serial no: " + shown->index(0, 4).data().toString()));
}

// Two names that differ only in the order of a right-to-left letter and digits are painted apart, each
// left to right as stored, while the list's text stays the stored name.
void TestResultList::fileNameCellDrawnAsStored()
{
    QList<QImage> cells;
    for (const QString& name : {QString::fromUtf8("\xd7\x90-12.jpg"), QString::fromUtf8("12-\xd7\x90.jpg")}) {
        const QString path = MakePlainMedia(fixtureDir.path(), "still.jpg", name);
        QVERIFY2(!path.isEmpty(), "fixture not made");
        MainWindow window;
        window.resize(900, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.VerifyFiles({path});
        const QAbstractItemModel* shown = window.listView->model();
        QCOMPARE(shown->rowCount(), 1);
        QCOMPARE(shown->index(0, 0).data().toString(), name);
        const QRect cell = window.listView->visualRect(shown->index(0, 0));
        QVERIFY(!cell.isEmpty());
        cells << window.listView->viewport()->grab(cell).toImage();
    }
    QVERIFY(cells[0] != cells[1]);
}

QTEST_MAIN(TestResultList)
#include "TestResultList.moc"
