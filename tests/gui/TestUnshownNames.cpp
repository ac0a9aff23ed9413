// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "MessageBoxWatcher.h"
#include "app/MainWindow.h"
#include "filelist/UnshownNames.h"
#include "tests/support/EvidenceFiles.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFileDialog>
#include <QTreeView>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

// Evidence files whose names Qt's file dialog cannot offer as they are: the window says which, and
// what adds them instead.
class TestUnshownNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findsTheNamesTheDialogFails_data();
    void findsTheNamesTheDialogFails();
    void openFilesSaysSoAndPointsElsewhere_data();
    void openFilesSaysSoAndPointsElsewhere();

private:
    QTemporaryDir settingsDir;
};

namespace {

// A stamped still under a name of any bytes: the name is given to the system as it is.
bool MakeEvidenceNamed(const QByteArray& folder, const QByteArray& name)
{
    const QByteArray stamped = folder + "/.stamping.jpg";
    if (MakeEvidence(QFile::decodeName(folder), "still.jpg", ".stamping.jpg").isEmpty())
        return false;
    return ::rename(stamped.constData(), (folder + '/' + name).constData()) == 0;
}

// Answers the next file dialog once it shows folder: with path chosen, or cancelled when path is empty.
void AnswerFileDialogIn(const QString& folder, const QString& path)
{
    QMetaObject::invokeMethod(
        qApp,
        [folder, path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                AnswerFileDialogIn(folder, path);
                return;
            }
            dialog->setDirectory(folder);
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        },
        Qt::QueuedConnection);
}

const QList<QByteArray> kUnshown = {"bad\xff.jpg", "line\nbreak.jpg", "photo\xe2\x80\xaegpj.mp4"};
const QList<QByteArray> kShown = {"plain.jpg", "\xc3\x86r\xc3\xb8.avi", "back\\slash.jpg"};
const QList<QByteArray> kNotOffered = {".hidden\xff.jpg", "notes\xff.txt"};

} // namespace

void TestUnshownNames::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    UseTemporarySettings(settingsDir);
}

void TestUnshownNames::findsTheNamesTheDialogFails_data()
{
    QTest::addColumn<QList<QByteArray>>("names");
    QTest::addColumn<QList<QByteArray>>("unshown");
    QTest::newRow("all kinds") << kUnshown + kShown + kNotOffered
                               << QList<QByteArray>{"bad\xff.jpg", "line\nbreak.jpg",
                                                    "photo\xe2\x80\xaegpj.mp4"};
    QTest::newRow("only names it shows") << kShown + kNotOffered << QList<QByteArray>();
    QTest::newRow("empty folder") << QList<QByteArray>() << QList<QByteArray>();
}

// Not UTF-8, a line break and a right-to-left override, in byte order; hidden entries and names of no
// evidence type are no concern of the dialog's evidence filter.
void TestUnshownNames::findsTheNamesTheDialogFails()
{
    QFETCH(QList<QByteArray>, names);
    QFETCH(QList<QByteArray>, unshown);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray path = QFile::encodeName(folder.path());
    for (const QByteArray& name : names)
        QVERIFY2(MakeEvidenceNamed(path, name), name.constData());
    QList<QByteArray> found;
    for (const std::string& name : UnshownNames::In(path))
        found << QByteArray::fromStdString(name);
    QCOMPARE(found, unshown);
}

void TestUnshownNames::openFilesSaysSoAndPointsElsewhere_data()
{
    QTest::addColumn<bool>("choose");
    QTest::addColumn<bool>("withUnshown");
    QTest::newRow("file chosen") << true << true;
    QTest::newRow("dialog cancelled") << false << true;
    QTest::newRow("nothing unshown") << true << false;
}

// Whether the user chose a file or gave up, a folder holding names the dialog cannot offer is named
// with those names, escaped, and Open Folder is pointed to; the chosen file is verified all the same.
void TestUnshownNames::openFilesSaysSoAndPointsElsewhere()
{
    QFETCH(bool, choose);
    QFETCH(bool, withUnshown);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray path = QFile::encodeName(folder.path());
    for (const QByteArray& name : kShown + (withUnshown ? kUnshown : QList<QByteArray>()))
        QVERIFY(MakeEvidenceNamed(path, name));

    MainWindow window;
    MessageBoxWatcher boxes;
    AnswerFileDialogIn(folder.path(), choose ? folder.filePath("plain.jpg") : QString());
    QMetaObject::invokeMethod(&window, "OpenFiles");

    QCOMPARE(window.findChild<QTreeView*>()->model()->rowCount(), choose ? 1 : 0);
    QCOMPARE(boxes.seen.size(), withUnshown ? 1 : 0);
    if (!withUnshown)
        return;
    const QString text = boxes.seen.first().text;
    QVERIFY2(text.contains(folder.path()), qPrintable(text));
    for (const char* shown : {"bad\\xFF.jpg", "line\\x0Abreak.jpg", "photo\\u{202E}gpj.mp4"})
        QVERIFY2(text.contains(shown), qPrintable(text));
    QVERIFY(!text.contains("plain.jpg"));
    QVERIFY(text.contains("Open Folder adds them"));
}

QTEST_MAIN(TestUnshownNames)
#include "TestUnshownNames.moc"
