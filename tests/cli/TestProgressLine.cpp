// SPDX-License-Identifier: Apache-2.0
#include "cli/ProgressLine.h"

#include <QtTest>

class TestProgressLine : public QObject
{
    Q_OBJECT

private slots:
    void fitsTheTerminal_data();
    void fitsTheTerminal();
    void barShowsTheBytesDone();
};

namespace {

ProgressFigures QuarterDone()
{
    ProgressFigures figures;
    figures.filesDone = 3;
    figures.totalFiles = 10;
    figures.bytesDone = 1 << 20;
    figures.totalBytes = 4 << 20;
    figures.seconds = 0.5;
    return figures;
}

} // namespace

void TestProgressLine::fitsTheTerminal_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("hasRate");
    QTest::addColumn<bool>("hasBytes");
    QTest::addColumn<bool>("hasBar");
    QTest::newRow("wide") << 200 << true << true << true;
    QTest::newRow("80 columns") << 80 << true << true << true;
    QTest::newRow("just room for the rate") << 51 << true << true << true;
    QTest::newRow("one column short of the rate") << 50 << false << true << true;
    QTest::newRow("no room for the bytes") << 38 << false << false << true;
    QTest::newRow("no room for a bar") << 22 << false << false << false;
    QTest::newRow("narrower than the file count") << 8 << false << false << false;
    QTest::newRow("one column") << 1 << false << false << false;
    QTest::newRow("no width reported") << 0 << false << false << false;
}

// A line that reaches the last column wraps, and "\r" then wipes only its second half: every line
// must leave the last column free.
void TestProgressLine::fitsTheTerminal()
{
    QFETCH(int, columns);
    QFETCH(bool, hasRate);
    QFETCH(bool, hasBytes);
    QFETCH(bool, hasBar);
    const QByteArray line = QByteArray::fromStdString(ProgressLine(QuarterDone(), columns));
    QVERIFY2(line.size() <= std::max(columns - 1, 0), line.constData());
    QCOMPARE(line.contains("MiB/s"), hasRate);
    QCOMPARE(line.contains("1.0 MiB/4.0 MiB"), hasBytes);
    QCOMPARE(line.startsWith('['), hasBar);
    if (columns > 11)
        QVERIFY2(line.contains("3/10 files"), line.constData());
}

void TestProgressLine::barShowsTheBytesDone()
{
    const std::string line = ProgressLine(QuarterDone(), 80);
    QCOMPARE(QByteArray::fromStdString(line.substr(0, 26)), QByteArray("[######------------------]"));
}

QTEST_GUILESS_MAIN(TestProgressLine)
#include "TestProgressLine.moc"
