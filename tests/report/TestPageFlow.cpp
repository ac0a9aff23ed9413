// SPDX-License-Identifier: Apache-2.0
#include "report/PageFlow.h"

#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

// Rows laid down the pages of a PDF, read back with pdftotext.
class TestPageFlow : public QObject
{
    Q_OBJECT

private slots:
    void rowOverPagesKeepsEveryCellWhole_data();
    void rowOverPagesKeepsEveryCellWhole();
};

namespace {

// Words numbered from first on, each one of its own: "c1w0001 c1w0002 ...".
QString NumberedWords(int cell, int count)
{
    QStringList words;
    for (int i = 1; i <= count; ++i)
        words << QString("c%1w%2").arg(cell).arg(i, 4, 10, QLatin1Char('0'));
    return words.join(QLatin1Char(' '));
}

} // namespace

void TestPageFlow::rowOverPagesKeepsEveryCellWhole_data()
{
    QTest::addColumn<QList<int>>("wordsPerCell");
    QTest::newRow("first cell longest") << QList<int>{600, 5, 40};
    QTest::newRow("middle cell longest") << QList<int>{5, 600, 40};
    QTest::newRow("last cell longest") << QList<int>{40, 5, 600};
}

// A row taller than a page goes on over the next pages, each cell from where it stopped, until every
// cell is done: none loses its lines when another one, before or after it, ends first.
void TestPageFlow::rowOverPagesKeepsEveryCellWhole()
{
    QFETCH(QList<int>, wordsPerCell);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath("row.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::A6));
        writer.setResolution(300);
        QPainter painter(&writer);
        const QRectF body(QPointF(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size());
        PageFlow flow(&writer, &painter, body, [](int) {});
        std::vector<FlowCell> row;
        for (int i = 0; i < wordsPerCell.size(); ++i) {
            FlowCell cell;
            cell.text = NumberedWords(i + 1, wordsPerCell[i]);
            cell.font = QFont("DejaVu Sans", 8);
            cell.width = body.width() / 3 - 10;
            cell.x = i * body.width() / 3;
            row.push_back(cell);
        }
        QVERIFY2(flow.Height(row) > 2 * body.height(), "the row fits on two pages: the test shows nothing");
        flow.Row(row);
        QVERIFY(painter.end());
    }

    QProcess text;
    text.start("pdftotext", {"-raw", "-enc", "UTF-8", pdf, "-"});
    QVERIFY(text.waitForFinished(60000) && text.exitCode() == 0);
    const QStringList found =
        QString::fromUtf8(text.readAllStandardOutput()).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    for (int i = 0; i < wordsPerCell.size(); ++i) {
        const QStringList cellWords = found.filter(QRegularExpression(QString("^c%1w").arg(i + 1)));
        QCOMPARE(cellWords.size(), wordsPerCell[i]);
        QCOMPARE(cellWords.join(QLatin1Char(' ')), NumberedWords(i + 1, wordsPerCell[i]));
    }
}

QTEST_MAIN(TestPageFlow)
#include "TestPageFlow.moc"
