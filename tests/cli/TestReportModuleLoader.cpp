// SPDX-License-Identifier: Apache-2.0
// The report module is taken only from the build of the program that loads it: one of another build, or
// of the entry table's older layout, is refused with a reason, and --report then writes nothing.
#include "QuorlithBuild.h"
#include "cli/ReportModuleLoader.h"
#include "tests/support/EvidenceFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
std::string StandIn(const char* kind)
{
    return std::string(QUORLITH_STAND_IN_MODULES "/") + kind + "/" QUORLITH_REPORT_MODULE_FILE;
}
} // namespace

class TestReportModuleLoader : public QObject
{
    Q_OBJECT

private slots:
    void onlyThisBuildsModuleIsTaken_data();
    void onlyThisBuildsModuleIsTaken();
    void reportWithAnotherBuildsModuleWritesNothing();
};

void TestReportModuleLoader::onlyThisBuildsModuleIsTaken_data()
{
    QTest::addColumn<QStringList>("candidates");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("error");
    const QString thisBuild = QString::fromStdString(StandIn("this-build"));
    const QString otherBuild = QString::fromStdString(StandIn("other-build"));
    const QString older = QString::fromStdString(StandIn("older-layout"));
    const QString absent = QString::fromStdString(StandIn("absent"));
    QTest::newRow("this build's") << QStringList{thisBuild} << true << QString();
    QTest::newRow("absent, then this build's") << QStringList{absent, thisBuild} << true << QString();
    QTest::newRow("another build's") << QStringList{otherBuild} << false
                                     << "the report module " + otherBuild +
                                            " belongs to another build (" QUORLITH_PROJECT_VERSION
                                            " 0123456789abcdef0123456789abcdef01234567 another) than this "
                                            "program (" QUORLITH_BUILD_IDENTITY "); reinstall the package";
    QTest::newRow("another build's, then nothing")
        << QStringList{otherBuild, absent} << false
        << "the report module " + otherBuild +
               " belongs to another build (" QUORLITH_PROJECT_VERSION
               " 0123456789abcdef0123456789abcdef01234567 another) "
               "than this program (" QUORLITH_BUILD_IDENTITY "); reinstall the package";
    QTest::newRow("of the older layout")
        << QStringList{older} << false << older + " is not the report module";
    QTest::newRow("absent") << QStringList{absent} << false
                            << "the report module " QUORLITH_REPORT_MODULE_FILE " is not installed";
}

void TestReportModuleLoader::onlyThisBuildsModuleIsTaken()
{
    QFETCH(QStringList, candidates);
    QFETCH(bool, loaded);
    QFETCH(QString, error);
    std::vector<std::string> paths;
    for (const QString& candidate : candidates)
        paths.push_back(candidate.toStdString());
    std::string reason;
    const ReportModuleEntries* entries = LoadFirstReportModule(paths, &reason);
    QCOMPARE(entries != nullptr, loaded);
    if (!loaded) {
        QCOMPARE(QString::fromStdString(reason), error);
        return;
    }
    // The stand-in answers the beside check with the path: the table reached is the module's own.
    std::string answer;
    QVERIFY(entries->canCreateBeside("stand-in", &answer));
    QCOMPARE(answer, std::string("stand-in"));
}

// The tool looks for the module beside itself: a copy of it with another build's module there refuses
// --report before verifying, with the status of a run that could not be done, and writes no report.
void TestReportModuleLoader::reportWithAnotherBuildsModuleWritesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString tool = dir.filePath("quorlith-verify");
    QVERIFY(QFile::copy(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"), tool));
    QVERIFY(QFile::copy(QString::fromStdString(StandIn("other-build")),
                        dir.filePath(QUORLITH_REPORT_MODULE_FILE)));
    const QString evidence = MakeEvidence(dir.path(), "still.jpg", "still.jpg");
    QVERIFY(!evidence.isEmpty());
    const QString report = dir.filePath("report.pdf");

    QProcess process;
    process.start(tool, {"--report", report, evidence});
    QVERIFY(process.waitForFinished(60000));
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 3);
    QVERIFY2(errors.contains("belongs to another build") && errors.contains("reinstall the package"),
             qPrintable(errors));
    QVERIFY(process.readAllStandardOutput().isEmpty());
    QVERIFY(!QFile::exists(report));
    QVERIFY(!QFile::exists(report + ".sha256"));
}

QTEST_GUILESS_MAIN(TestReportModuleLoader)
#include "TestReportModuleLoader.moc"
