// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "app/MainWindow.h"
#include "tests/support/EvidenceFiles.h"

#include <QStandardItemModel>
#include <QtTest>

#include <clocale>

// A window run over authentic evidence with lower-case suffixes in the locale named by LC_ALL (Turkish and
// Azerbaijani, whose case rules for "i" are not ASCII's). The application applies that locale to the C
// library, so the engine's extension check runs under it.
class TestVerifyRunLocale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void lowerCaseSuffixesVerify();

private:
    QTemporaryDir settingsDir;
    WindowTestFolders folders;
};

void TestVerifyRunLocale::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    UseTemporarySettings(settingsDir);
    // A locale that is not generated leaves the C library in "C", and the test would prove nothing.
    const QByteArray asked = qgetenv("LC_ALL");
    QVERIFY2(!asked.isEmpty() && QByteArray(std::setlocale(LC_CTYPE, nullptr)) == asked,
             "LC_ALL names a locale that is not generated: run scripts/install-deps.sh");
    QVERIFY(folders.Enter());
}

void TestVerifyRunLocale::cleanupTestCase()
{
    folders.Leave();
}

void TestVerifyRunLocale::lowerCaseSuffixesVerify()
{
    const QStringList paths = {MakeEvidence(folders.User(), "clip.avi", "clip.avi"),
                               MakeEvidence(folders.User(), "clip-mdat-first.mp4", "clip.mp4"),
                               MakeEvidence(folders.User(), "clip-mdat-first.mp4", "clip.mxg"),
                               MakeEvidence(folders.User(), "still.jpg", "photo.jpg")};
    QVERIFY(!paths.contains(QString()));

    MainWindow window;
    window.VerifyFiles(paths);
    QCOMPARE(window.succeededCount, 4);
    QCOMPARE(window.failedCount, 0);
    const QString succeeded = QCoreApplication::translate("QObject", "Authentication succeeded");
    for (int row = 0; row < window.listModel->rowCount(); ++row)
        QCOMPARE(window.listModel->index(row, 1).data().toString(), succeeded);
}

QTEST_MAIN(TestVerifyRunLocale)
#include "TestVerifyRunLocale.moc"
