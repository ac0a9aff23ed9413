// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "app/MainWindow.h"
#include "tests/support/EvidenceFiles.h"
#include "ui/DetailsWindow.h"
#include "ui/DrawableText.h"

#include <QAbstractItemModel>
#include <QTreeView>
#include <QtTest>

// Names in the scripts users have read as themselves in the window, and a character no installed font
// draws reads escaped, never as an empty box that two names would share.
class TestDrawableText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void namesOfEveryScript_data();
    void namesOfEveryScript();
    void listAndDetailsShowNoBox();

private:
    QTemporaryDir settingsDir;
    QTemporaryDir evidenceDir;
};

void TestDrawableText::initTestCase()
{
    QVERIFY(settingsDir.isValid() && evidenceDir.isValid());
    UseTemporarySettings(settingsDir);
}

void TestDrawableText::namesOfEveryScript_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    // The fonts the package depends on draw these.
    const char* const drawn[] = {
        "IMG_0001.jpg",   "Überwachung-Ærø.jpg", "Камера.jpg",  "Κάμερα.jpg",     "カメラ一.jpg",
        "監視攝影機.jpg", "카메라.jpg",          "कैमरा-०१.jpg", "กล้องวงจรปิด.jpg", "كاميرا.jpg",
        "מצלמה.jpg",      "ক্যামেরা.jpg",         "கேமரா.jpg",   "ካሜራ.jpg",        "កាមេរ៉ា.jpg",
        "ქართული.jpg",    "Տեսախցիկ.jpg",
    };
    for (const char* name : drawn)
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(name);
    // Khitan Small Script and CJK Extension G, which no font of the package has.
    QTest::newRow("Khitan") << QString::fromUcs4(U"cam\U00018B00.jpg") << "cam\\u{18B00}.jpg";
    QTest::newRow("CJK Extension G after Thai")
        << QString::fromUcs4(U"\u0E01\U00030000.jpg") << QString::fromUcs4(U"\u0E01") + "\\u{30000}.jpg";
}

void TestDrawableText::namesOfEveryScript()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QCOMPARE(DrawableText::Of(name), shown);
}

// A name with a character no font draws: the list, its tooltip and the details window all read it
// escaped, and two such names stay apart.
void TestDrawableText::listAndDetailsShowNoBox()
{
    const QStringList paths = {
        MakeEvidence(evidenceDir.path(), "still.jpg", QString::fromUcs4(U"\u0E01\U00018B00.jpg")),
        MakeEvidence(evidenceDir.path(), "still.jpg", QString::fromUcs4(U"\u0E01\U00018B01.jpg"))};
    QVERIFY(!paths.contains(QString()));
    MainWindow window;
    window.AddPaths(paths);
    const QAbstractItemModel* shown = window.findChild<QTreeView*>()->model();
    QCOMPARE(shown->rowCount(), 2);
    const QString thai = QString::fromUcs4(U"\u0E01");
    QStringList names;
    for (int row = 0; row < 2; ++row) {
        names << shown->index(row, 0).data().toString();
        QVERIFY(shown->index(row, 0).data(Qt::ToolTipRole).toString().endsWith(names.last()));
    }
    QCOMPARE(names, QStringList({thai + "\\u{18B00}.jpg", thai + "\\u{18B01}.jpg"}));

    window.ShowDetails(shown->index(0, 0));
    const QList<DetailsWindow*> details = window.findChildren<DetailsWindow*>();
    QCOMPARE(details.size(), 1);
    QVERIFY(details.first()->windowTitle().startsWith(names.first()));
    QVERIFY(details.first()->Text().contains(evidenceDir.path() + '/' + names.first() + '\n'));
    details.first()->close();
}

QTEST_MAIN(TestDrawableText)
#include "TestDrawableText.moc"
