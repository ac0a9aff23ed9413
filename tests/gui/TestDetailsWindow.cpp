// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "app/MainWindow.h"
#include "engine/KeySet.h"
#include "filelist/ResultRole.h"
#include "tests/support/EvidenceFiles.h"
#include "ui/DetailsWindow.h"
#include "ui/Sha256Reading.h"
#include "verdict/VerdictText.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QtTest>

#include <atomic>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>

namespace {
QString Sha256Of(const QString& path)
{
    return QString::fromLatin1(QCryptographicHash::hash(ReadAll(path), QCryptographicHash::Sha256).toHex());
}

// The digest the recorder's side puts into the record of media stamped with record version mode.
QString RecordDigest(const QString& media, MediaType type, int mode)
{
    std::string hex;
    if (ComputeEvidenceDigest(QUORLITH_TEST_DATA_DIR "/media/" + media.toStdString(), type, mode, &hex) != 0)
        return QString();
    return QString::fromStdString(hex);
}

QModelIndex ShownRow(const MainWindow& window, const QString& name)
{
    const QAbstractItemModel* shown = window.findChild<QTreeView*>()->model();
    for (int row = 0; row < shown->rowCount(); ++row) {
        if (shown->index(row, 0).data().toString() == name)
            return shown->index(row, 0);
    }
    return QModelIndex();
}

// Changes one byte inside the file and puts its access and modification times back, as touch -r
// would; repeated until the change time has moved past changedNs, which the kernel stamps from a
// clock that moves in ticks.
bool EditKeepingTimes(const QString& path, int64_t changedNs)
{
    const QByteArray path8 = QFile::encodeName(path);
    struct stat before;
    if (stat(path8.constData(), &before) != 0)
        return false;
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    const QDeadlineTimer giveUp(10000);
    struct stat now = before;
    do {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite) || !file.seek(before.st_size / 2))
            return false;
        char byte = 0;
        if (!file.getChar(&byte) || !file.seek(before.st_size / 2) || !file.putChar(char(byte ^ 1)))
            return false;
        file.close();
        if (utimensat(AT_FDCWD, path8.constData(), times, 0) != 0 || stat(path8.constData(), &now) != 0)
            return false;
    } while (int64_t(now.st_ctim.tv_sec) * 1000000000 + now.st_ctim.tv_nsec == changedNs &&
             !giveUp.hasExpired());
    return now.st_size == before.st_size && now.st_mtim.tv_sec == before.st_mtim.tv_sec &&
           now.st_mtim.tv_nsec == before.st_mtim.tv_nsec &&
           int64_t(now.st_ctim.tv_sec) * 1000000000 + now.st_ctim.tv_nsec != changedNs;
}

// A reading held inside its first progress report, and let go again by the test.
QSemaphore heldInProgress;
QSemaphore progressMayGoOn;
std::atomic<bool> progressCaught{false};

// The details windows of window, newest last.
QList<DetailsWindow*> OpenDetails(const MainWindow& window)
{
    return window.findChildren<DetailsWindow*>(QString(), Qt::FindDirectChildrenOnly);
}
} // namespace

class TestDetailsWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void showsTheWholeResult_data();
    void showsTheWholeResult();
    void digestGoesIntoTheRowAndIsReused();
    void fileChangedSinceVerified_data();
    void fileChangedSinceVerified();
    void doubleClickAndEnterOpenDetails();
    void escapeClosesAndDeletes();
    void closingWhileHashingStopsTheReading();
    void rowRemovedWhileHashing();
    void closingTheMainWindowEndsItsDetails();

private:
    DetailsWindow* Open(MainWindow& window, const QString& path);
    static void FinishHashing(DetailsWindow* details);
    QString LargeEvidence();

    QTemporaryDir settingsDir;
    QTemporaryDir fixtureDir;
    WindowTestFolders folders;
    QString largePath;
};

void TestDetailsWindow::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QVERIFY(fixtureDir.isValid());
    UseTemporarySettings(settingsDir);
}

// One fresh working folder per test.
void TestDetailsWindow::init()
{
    QVERIFY(folders.Enter());
}

void TestDetailsWindow::cleanup()
{
    folders.Leave();
}

// Verifies path in window and opens the details of its row.
DetailsWindow* TestDetailsWindow::Open(MainWindow& window, const QString& path)
{
    window.VerifyFiles({path});
    // The list shows a name as the verdict library escapes it.
    const QModelIndex row = ShownRow(window, VerdictText::Display(QFileInfo(path).fileName().toStdString()));
    if (!row.isValid())
        return nullptr;
    window.ShowDetails(row.siblingAtColumn(3));
    const QList<DetailsWindow*> windows = OpenDetails(window);
    return windows.isEmpty() ? nullptr : windows.last();
}

// Waits for the reading to end and lets the window take its outcome.
void TestDetailsWindow::FinishHashing(DetailsWindow* details)
{
    if (details->hashing)
        details->hashing->Wait();
    // The reading's end reaches the window through the reading's own object.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

// Large enough that reading it takes far longer than the window needs to react.
QString TestDetailsWindow::LargeEvidence()
{
    if (largePath.isEmpty())
        largePath = MakeLargeEvidence(fixtureDir.path(), "large.mp4", qint64(256) << 20);
    return largePath;
}

void TestDetailsWindow::showsTheWholeResult_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("lines");
    const QString folder = fixtureDir.path();
    // The program's one key set when none other is installed.
    const QString builtInKeySet =
        "Key set: Built-in (fingerprint " + QString::fromStdString(BuiltInKeySet().fingerprint) + ")";

    // A serial with a byte that is not UTF-8 and a time source with a tab and a text that spells an
    // escape: all shown escaped, and the tab and the spelled-out escape still differ.
    StampRecord record;
    record.rcSerial = "QR-4410-\xff";
    record.timeSource = "NTP\tGPS \\x09";
    const QString still = MakeEvidence(folder, "still.jpg", "still.jpg", record);
    // The block lies before the JPG's last two bytes: 3116 content bytes, block at 3114..3625.
    QTest::newRow("authentic 1.0 still")
        << still
        << QStringList({"Full path: " + still, "Size: 3628 bytes", "Verdict: Authentication succeeded",
                        builtInKeySet, "Marker: Trevalon Digital Watermark", "Record version: 1.0",
                        "Digest in the record: " + RecordDigest("still.jpg", MediaType::Jpg, 0),
                        "Start Time: 2026-03-14 09:26:53", "Stop Time: 2026-03-14 09:31:07",
                        "Time source: NTP\\x09GPS \\\\x09", "Serial no: QR-4410-\\xFF",
                        "Camera MAC: 00:1B:44:11:3A:B7",
                        "Digest mode: 0 (record version 1.0: every content byte counts)",
                        "Protected bytes: 3116 of 3628 bytes", "Unprotected byte ranges: 3114-3625",
                        "Notes: Bytes 3114 to 3625 are the 512-byte watermark block, not content.",
                        "SHA-256: " + Sha256Of(still)});

    // Media data from 956 to 2441 (L = 1486), the block appended at 2442..2953. The fold keeps the
    // positions below (L >> 3) mod 64 = 57 of every 64: 23 full stripes and the 14 bytes left over.
    record = StampRecord();
    record.version = "1.1";
    const QString clip = MakeEvidence(folder, "clip-faststart.mp4", "clip.mp4", record);
    const qint64 length = 2442 - 956;
    const qint64 index = (length >> 3) % 64;
    const qint64 kept = length / 64 * index + qMin(length % 64, index);
    QTest::newRow("1.1 clip, partial coverage")
        << clip
        << QStringList(
               {"Full path: " + clip, "Size: 2954 bytes", "Verdict: Authentication succeeded", builtInKeySet,
                "Marker: Trevalon Digital Watermark", "Record version: 1.1",
                "Digest in the record: " + RecordDigest("clip-faststart.mp4", MediaType::Mp4, 1),
                "Start Time: 2026-03-14 09:26:53", "Stop Time: 2026-03-14 09:31:07", "Time source: NTP",
                "Serial no: QR-4410-0042", "Camera MAC: 00:1B:44:11:3A:B7",
                "Digest mode: 1 (record version 1.1: the content is folded, only part of it counts)",
                QString("Protected bytes: %1 of 2954 bytes").arg(kept),
                "Unprotected byte ranges: 0-955, 2442-2953",
                "Notes: Bytes 0 to 955, the container header before the media data, are not covered.",
                "Notes: Bytes 2442 to 2953 are the 512-byte watermark block, not content.",
                QString(
                    "Notes: Record version 1.1: of the %1 content bytes only %2 count, those whose position "
                    "in the content modulo 64 is below %3; they are combined by XOR per position, so "
                    "changes that cancel each other out go unnoticed.")
                    .arg(length)
                    .arg(kept)
                    .arg(index),
                "SHA-256: " + Sha256Of(clip)});

    // A name with a right-to-left override and a zero-width space, fields with a C1 control and a line
    // separator: each written as \u{XXXX}, and the title too, so nothing turns the text around or hides.
    record = StampRecord();
    record.rcSerial = "QR-4410-\xc2\x85";
    record.timeSource = "NTP\xe2\x80\xa8GPS";
    const QString hidden =
        MakeEvidence(folder, "still.jpg", QString::fromUtf8("gpj.\xe2\x80\xaezw\xe2\x80\x8b.jpg"), record);
    QTest::newRow("names and fields that would not show")
        << hidden
        << QStringList({"Full path: " + folder + "/gpj.\\u{202E}zw\\u{200B}.jpg", "Size: 3628 bytes",
                        "Verdict: Authentication succeeded", builtInKeySet,
                        "Marker: Trevalon Digital Watermark", "Record version: 1.0",
                        "Digest in the record: " + RecordDigest("still.jpg", MediaType::Jpg, 0),
                        "Start Time: 2026-03-14 09:26:53", "Stop Time: 2026-03-14 09:31:07",
                        "Time source: NTP\\u{2028}GPS", "Serial no: QR-4410-\\u{0085}",
                        "Camera MAC: 00:1B:44:11:3A:B7",
                        "Digest mode: 0 (record version 1.0: every content byte counts)",
                        "Protected bytes: 3116 of 3628 bytes", "Unprotected byte ranges: 3114-3625",
                        "Notes: Bytes 3114 to 3625 are the 512-byte watermark block, not content.",
                        "SHA-256: " + Sha256Of(hidden)});

    const QString plain = MakePlainMedia(folder, "still.jpg", "plain.jpg");
    QTest::newRow("no watermark")
        << plain
        << QStringList(
               {"Full path: " + plain, "Size: 3116 bytes", "Verdict: Authentication failed",
                "Reason: No watermark opens with the built-in recorder key: the file has no watermark, "
                "or it was made with another key, or it is damaged.",
                "Key set: none: the one key set tried did not open the watermark block", "Marker: ",
                "Record version: ", "Digest in the record: ", "Start Time: ", "Stop Time: ", "Time source: ",
                "Serial no: ", "Camera MAC: ", "Digest mode: not determined: the check stopped earlier",
                "Protected bytes: none: the check stopped before the watermark record was read",
                "SHA-256: " + Sha256Of(plain)});
}

// What the window shows, what its Copy button puts on the clipboard and its title.
void TestDetailsWindow::showsTheWholeResult()
{
    QFETCH(QString, path);
    QFETCH(QStringList, lines);
    QVERIFY(!path.isEmpty());
    MainWindow window;
    DetailsWindow* details = Open(window, path);
    QVERIFY(details);
    const QString shownName = lines.first().mid(lines.first().lastIndexOf('/') + 1);
    QVERIFY2(details->windowTitle().startsWith(shownName + " - "), qPrintable(details->windowTitle()));
    QVERIFY(details->isVisible());
    QVERIFY(!details->isModal());
    FinishHashing(details);

    const QString expected = lines.join('\n');
    // The view draws the path inside the marks that keep it in its stored order, and nothing else
    // differs; neither Copy nor a selection copied from the view takes the marks.
    QString shown = details->textView->toPlainText();
    QVERIFY(shown.startsWith(lines.first().left(lines.first().indexOf(": ") + 2) +
                             VerdictText::InStoredOrder(lines.first().mid(lines.first().indexOf(": ") + 2))));
    QCOMPARE(shown.remove(QRegularExpression("[\\x{2066}\\x{202D}\\x{202C}\\x{2069}]")), expected);
    QApplication::clipboard()->clear();
    details->copyButton->click();
    QCOMPARE(QApplication::clipboard()->text(), expected);
    QApplication::clipboard()->clear();
    details->textView->selectAll();
    details->textView->copy();
    QCOMPARE(QApplication::clipboard()->text(), expected);
}

// Once computed, the digest is kept with the row: the next details window shows it without reading.
void TestDetailsWindow::digestGoesIntoTheRowAndIsReused()
{
    const QString path = MakeEvidence(fixtureDir.path(), "still.jpg", "kept.jpg");
    MainWindow window;
    DetailsWindow* first = Open(window, path);
    QVERIFY(first && first->hashing);
    QVERIFY(first->textView->toPlainText().endsWith("SHA-256: being computed..."));
    FinishHashing(first);

    const QModelIndex row = ShownRow(window, "kept.jpg");
    QCOMPARE(QString::fromStdString(row.data(kResultRole).value<VerificationResult>().sha256),
             Sha256Of(path));
    window.ShowDetails(row);
    DetailsWindow* second = OpenDetails(window).last();
    QVERIFY(second != first);
    QVERIFY(!second->hashing);
    QVERIFY(second->Text().endsWith("SHA-256: " + Sha256Of(path)));
}

void TestDetailsWindow::fileChangedSinceVerified_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("saysChanged");
    QTest::addColumn<QString>("sha256Line");
    const QString notComputed = "SHA-256: not computed: the file changed after it was verified";
    QTest::newRow("modification time") << "touch" << true << notComputed;
    QTest::newRow("one byte appended") << "append" << true << notComputed;
    QTest::newRow("edited in place, times put back") << "edit" << true << notComputed;
    QTest::newRow("removed") << "remove" << false << "SHA-256: cannot be computed: the file cannot be read";
}

// A digest of the file as it is now would not be of the file that was verified: none is given, and a
// file whose size or times moved is said to have changed.
void TestDetailsWindow::fileChangedSinceVerified()
{
    QFETCH(QString, change);
    QFETCH(bool, saysChanged);
    QFETCH(QString, sha256Line);
    const QString path = MakeEvidence(folders.Work(), "still.jpg", "changed.jpg");
    QVERIFY(!path.isEmpty());
    MainWindow window;
    window.VerifyFiles({path});

    QFile file(path);
    if (change == "touch") {
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
        QVERIFY(file.setFileTime(modified.addSecs(-3600), QFileDevice::FileModificationTime));
    } else if (change == "append") {
        QVERIFY(file.open(QIODevice::Append));
        QCOMPARE(file.write("x", 1), qint64(1));
    } else if (change == "edit") {
        const VerificationResult verified =
            ShownRow(window, "changed.jpg").data(kResultRole).value<VerificationResult>();
        QVERIFY(EditKeepingTimes(path, verified.file.changedNs));
    } else {
        QVERIFY(file.remove());
    }
    file.close();

    window.ShowDetails(ShownRow(window, "changed.jpg"));
    DetailsWindow* details = OpenDetails(window).last();
    QVERIFY(!details->hashing);
    const QStringList lines = details->Text().split('\n');
    const QString changed =
        "The file changed after it was verified: it is no longer the same file in the same state as then.";
    QCOMPARE(lines.first() == changed, saysChanged);
    QCOMPARE(lines.last(), sha256Line);
    QVERIFY(ShownRow(window, "changed.jpg").data(kResultRole).value<VerificationResult>().sha256.empty());
}

// The list takes no focus: Enter reaches it through the window. Several details may be open at once.
void TestDetailsWindow::doubleClickAndEnterOpenDetails()
{
    const QStringList paths = {MakeEvidence(fixtureDir.path(), "still.jpg", "a.jpg"),
                               MakeEvidence(fixtureDir.path(), "clip.avi", "b.avi")};
    QVERIFY(!paths.contains(QString()));
    MainWindow window;
    window.VerifyFiles(paths);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTreeView* view = window.listView;

    // A double click as the system delivers it: press, release, double click, release.
    const QPoint second = view->visualRect(view->model()->index(1, 2)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, second);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, second, view->viewport()->mapToGlobal(second),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &doubleClick);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, second);
    QCOMPARE(OpenDetails(window).size(), 1);
    QVERIFY(OpenDetails(window).last()->windowTitle().contains("b.avi"));

    view->selectionModel()->select(view->model()->index(0, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, key);
    }
    const QList<DetailsWindow*> windows = OpenDetails(window);
    QCOMPARE(windows.size(), 3);
    QVERIFY(windows.at(1)->windowTitle().contains("a.jpg"));
    QVERIFY(windows.at(2)->windowTitle().contains("a.jpg"));
    for (DetailsWindow* details : windows)
        QVERIFY(details->isVisible());
    QCOMPARE(view->focusPolicy(), Qt::NoFocus);
}

void TestDetailsWindow::escapeClosesAndDeletes()
{
    const QString path = MakeEvidence(fixtureDir.path(), "still.jpg", "escape.jpg");
    MainWindow window;
    QPointer<DetailsWindow> details = Open(window, path);
    QVERIFY(details);
    QVERIFY(QTest::qWaitForWindowExposed(details));
    QTest::keyClick(details, Qt::Key_Escape);
    QVERIFY(!details || !details->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!details);
}

// Closed while the reading is under way: the reading is held inside its first progress report until the
// window is closed, so the thread cannot reach the end first, however the machine schedules it. The thread
// then stops after that piece, the window goes, and the row never receives a digest.
void TestDetailsWindow::closingWhileHashingStopsTheReading()
{
    const QString path = LargeEvidence();
    QVERIFY(!path.isEmpty());
    MainWindow window;
    QPointer<DetailsWindow> details = Open(window, path);
    QVERIFY(details && details->hashing);
    Sha256Reading* hashing = details->hashing;
    progressCaught.store(false);
    // Captures nothing: the reading thread then reads no memory that only Qt's uninstrumented
    // connection list hands over, which ThreadSanitizer would take for a race.
    connect(
        hashing, &Sha256Reading::Progress, hashing,
        [](int) {
            if (progressCaught.exchange(true))
                return;
            heldInProgress.release();
            progressMayGoOn.acquire();
        },
        Qt::DirectConnection);
    // Started before the hold could be set up: reading 256 MiB takes far longer than that, but a
    // reading that did end first shows nothing about stopping.
    while (!heldInProgress.tryAcquire(1, 10)) {
        if (hashing->IsDone())
            QSKIP("the reading ended before it could be held");
    }
    QTRY_VERIFY(details->Text().contains(QRegularExpression("SHA-256: being computed... [0-9]+%$")));

    details->close();
    progressMayGoOn.release();
    hashing->Wait();
    QCOMPARE(hashing->GetOutcome(), Sha256Reading::Outcome::Stopped);
    QVERIFY(hashing->BytesRead() < QFileInfo(path).size());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!details);
    QVERIFY(ShownRow(window, "large.mp4").data(kResultRole).value<VerificationResult>().sha256.empty());
}

// The row goes while its file is read: the window still shows the digest and touches no row.
void TestDetailsWindow::rowRemovedWhileHashing()
{
    const QString path = LargeEvidence();
    QVERIFY(!path.isEmpty());
    const QString other = MakeEvidence(fixtureDir.path(), "still.jpg", "other.jpg");
    MainWindow window;
    window.VerifyFiles({other});
    DetailsWindow* details = Open(window, path);
    QVERIFY(details && details->hashing);

    QTreeView* view = window.listView;
    view->selectionModel()->select(ShownRow(window, "large.mp4"),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    window.RemoveFiles();
    QCOMPARE(window.listModel->rowCount(), 1);
    FinishHashing(details);

    QVERIFY(details->Text().endsWith("SHA-256: " + Sha256Of(path)));
    QVERIFY(ShownRow(window, "other.jpg").data(kResultRole).value<VerificationResult>().sha256.empty());
}

// Details windows are the main window's children: they go with it, and their reading stops.
void TestDetailsWindow::closingTheMainWindowEndsItsDetails()
{
    const QString path = LargeEvidence();
    QVERIFY(!path.isEmpty());
    auto* window = new MainWindow;
    QPointer<DetailsWindow> details = Open(*window, path);
    QVERIFY(details && details->hashing);
    delete window;
    QVERIFY(!details);
}

QTEST_MAIN(TestDetailsWindow)
#include "TestDetailsWindow.moc"
