#include "EvidenceFiles.h"
#include "GuiTestSupport.h"
#include "app/MainWindow.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTreeView>
#include <QtTest>

class TestResultList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensEmptySortedByFileName();
    void rowsSortCaseSensitively();
    void statusLine_data();
    void statusLine();

private:
    QTemporaryDir settingsDir;
};

void TestResultList::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    UseTemporarySettings(settingsDir);
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

QTEST_MAIN(TestResultList)
#include "TestResultList.moc"
