// SPDX-License-Identifier: Apache-2.0
#include "filelist/TabSeparatedText.h"

#include <QtTest>

using Rows = QVector<QStringList>;
Q_DECLARE_METATYPE(Rows)

class TestTabSeparatedText : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
};

void TestTabSeparatedText::rows_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing") << Rows() << QString();
    QTest::newRow("header and one row")
        << Rows({{"File Name", "Serial no"}, {"a.jpg", "QR-1"}}) << "File Name\tSerial no\na.jpg\tQR-1\n";
    QTest::newRow("empty cells keep their place") << Rows({{"", "b", ""}}) << "\tb\t\n";
    QTest::newRow("tab in a cell") << Rows({{"a\tb.jpg", "x"}}) << "\"a\tb.jpg\"\tx\n";
    QTest::newRow("line feed in a cell") << Rows({{"a\nb.jpg"}}) << "\"a\nb.jpg\"\n";
    QTest::newRow("carriage return in a cell") << Rows({{"a\rb.jpg"}}) << "\"a\rb.jpg\"\n";
    QTest::newRow("quotes doubled") << Rows({{"say \"hi\".jpg", "ok"}}) << "\"say \"\"hi\"\".jpg\"\tok\n";
    QTest::newRow("comma and semicolon need nothing") << Rows({{"a,b;c.jpg"}}) << "a,b;c.jpg\n";
    // OWASP, CSV Injection: a leading = + - or @ makes a pasted cell a formula; a leading ' is
    // guarded as well, so that a reader drops exactly one.
    QTest::newRow("formula") << Rows({{"=HYPERLINK(\"http://x\",\"y\").jpg", "QR-1"}})
                             << "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\").jpg\"\tQR-1\n";
    QTest::newRow("plus, minus and at sign")
        << Rows({{"+1.jpg", "-", "@SUM(1)"}}) << "'+1.jpg\t'-\t'@SUM(1)\n";
    QTest::newRow("apostrophe") << Rows({{"'a'.jpg"}}) << "''a'.jpg\n";
    QTest::newRow("formula with a tab") << Rows({{"=1\t2"}}) << "\"'=1\t2\"\n";
    QTest::newRow("formula characters further in") << Rows({{"a=b+c-d@e'.jpg"}}) << "a=b+c-d@e'.jpg\n";
    QTest::newRow("non-Latin text as it is") << Rows({{"认证成功", "Ünïcode"}}) << "认证成功\tÜnïcode\n";
}

void TestTabSeparatedText::rows()
{
    QFETCH(Rows, rows);
    QFETCH(QString, text);
    QCOMPARE(TabSeparatedText(rows), text);
}

QTEST_MAIN(TestTabSeparatedText)
#include "TestTabSeparatedText.moc"
