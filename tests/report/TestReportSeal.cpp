// SPDX-License-Identifier: Apache-2.0
#include "report/ReportSeal.h"

#include <QtTest>

// The SHA-256 file beside a report, as an examiner checks it: with sha256sum -c in the report's folder.
class TestReportSeal : public QObject
{
    Q_OBJECT

private slots:
    void sha256sumChecksEveryName_data();
    void sha256sumChecksEveryName();
};

void TestReportSeal::sha256sumChecksEveryName_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("plain") << QByteArray("report.pdf");
    // sha256sum reads these three only escaped, and only after a backslash that starts the line.
    QTest::newRow("line break") << QByteArray("case\nreport.pdf");
    QTest::newRow("carriage return") << QByteArray("case\rreport.pdf");
    QTest::newRow("backslash") << QByteArray("case\\report.pdf");
    QTest::newRow("all three") << QByteArray("a\\b\nc\rd.pdf");
}

void TestReportSeal::sha256sumChecksEveryName()
{
    QFETCH(QByteArray, name);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
    QFile report(QFile::decodeName(path));
    QVERIFY(report.open(QIODevice::WriteOnly) && report.write("%PDF-1.4 the report\n") > 0);
    report.close();
    std::string digest;
    QString error;
    QVERIFY2(SealReport(path, &digest, &error), qPrintable(error));
    QCOMPARE(QByteArray::fromStdString(digest),
             QCryptographicHash::hash("%PDF-1.4 the report\n", QCryptographicHash::Sha256).toHex());

    QProcess check;
    check.setWorkingDirectory(dir.path());
    check.start("sha256sum", {"--strict", "-c", QFile::decodeName(SealPath(name))});
    QVERIFY(check.waitForFinished(60000));
    const QByteArray said = check.readAllStandardOutput() + check.readAllStandardError();
    QVERIFY2(check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0, said.constData());
}

QTEST_GUILESS_MAIN(TestReportSeal)
#include "TestReportSeal.moc"
