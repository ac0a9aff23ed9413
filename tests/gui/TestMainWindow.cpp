// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "app/MainWindow.h"

#include <QSettings>
#include <QToolBar>
#include <QTreeView>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void firstStartUsesDefaultGeometry();
    void storedGeometryIsRestoredExactly_data();
    void storedGeometryIsRestoredExactly();
    void closingStoresGeometryForTheNextStart();
    void toolBarsOfferNoMenu();

private:
    QTemporaryDir settingsDir;
};

namespace {
QSettings Store()
{
    return QSettings(QStringLiteral("Trevalon Inc."), QStringLiteral("Trevalon Quorlith"));
}
} // namespace

void TestMainWindow::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    UseTemporarySettings(settingsDir);
}

void TestMainWindow::init()
{
    Store().clear();
}

void TestMainWindow::firstStartUsesDefaultGeometry()
{
    MainWindow window;
    QCOMPARE(window.pos(), QPoint(200, 200));
    QCOMPARE(window.size(), QSize(840, 450));
    QCOMPARE(window.windowTitle(), QString("Trevalon Quorlith"));
    QVERIFY(window.centralWidget() == window.listView);
    QVERIFY(!window.isVisible());
}

void TestMainWindow::storedGeometryIsRestoredExactly_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("size");
    QTest::newRow("ordinary") << QPoint(37, 61) << QSize(640, 333);
    QTest::newRow("outside every screen") << QPoint(-4000, 9000) << QSize(1201, 799);
}

void TestMainWindow::storedGeometryIsRestoredExactly()
{
    QFETCH(QPoint, position);
    QFETCH(QSize, size);
    {
        QSettings settings = Store();
        settings.setValue("Pos", position);
        settings.setValue("Size", size);
    }
    MainWindow window;
    QCOMPARE(window.pos(), position);
    QCOMPARE(window.size(), size);
}

void TestMainWindow::closingStoresGeometryForTheNextStart()
{
    {
        MainWindow window;
        window.resize(701, 402);
        window.move(55, 66);
        QVERIFY(window.close());
        QCOMPARE(Store().value("Pos").toPoint(), QPoint(55, 66));
        QCOMPARE(Store().value("Size").toSize(), QSize(701, 402));
    }
    QCOMPARE(Store().allKeys(), QStringList({"Pos", "Size"}));
    MainWindow next;
    QCOMPARE(next.pos(), QPoint(55, 66));
    QCOMPARE(next.size(), QSize(701, 402));
}

void TestMainWindow::toolBarsOfferNoMenu()
{
    MainWindow window;
    auto* toolBar = new QToolBar(&window);
    window.addToolBar(toolBar);
    QVERIFY(window.createPopupMenu() == nullptr);
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
