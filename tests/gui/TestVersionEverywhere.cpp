// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "MessageBoxWatcher.h"
#include "app/MainWindow.h"
#include "tests/support/EvidenceFiles.h"

#include <QRegularExpression>
#include <QtTest>

// An examiner who records the version gets one answer wherever they look: both programs' --version,
// the PDF reports of both, the About box, the Debian package and its changelog, the metainfo and the
// manual pages all name the version the project defines.
class TestVersionEverywhere : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPlaceNamesTheProjectsVersion();

private:
    QTemporaryDir settingsDir;
    QTemporaryDir work;
    QString evidence;
};

namespace {

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString FileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The first capture of pattern in text, or a word that cannot be a version when it is not there.
QString Captured(const QString& text, const QString& pattern)
{
    const QRegularExpressionMatch match =
        QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("(none)");
}

} // namespace

void TestVersionEverywhere::initTestCase()
{
    QVERIFY(settingsDir.isValid() && work.isValid());
    UseTemporarySettings(settingsDir);
    evidence = MakeEvidence(work.path(), "still.jpg", "still.jpg");
    QVERIFY(!evidence.isEmpty());
}

void TestVersionEverywhere::everyPlaceNamesTheProjectsVersion()
{
    const QString defined =
        Captured(FileText(QUORLITH_SOURCE_DIR "/CMakeLists.txt"), R"(^project\(\w+ VERSION ([0-9.]+))");
    const QStringList parts = defined.split('.');
    QCOMPARE(parts.size(), 3);

    const QString bin = QStringLiteral(QUORLITH_BIN_DIR "/");
    const QString packaging = QStringLiteral(QUORLITH_BUILD_DIR "/packaging/");
    const QString cliReport = work.filePath("cli.pdf");
    QVERIFY(!Run(bin + "quorlith-verify", {"--report", cliReport, evidence}).isEmpty());
    MainWindow window;
    window.AddPaths({evidence});
    const QString windowReport = work.filePath("window.pdf");
    MessageBoxWatcher boxes;
    AnswerNextFileDialog({windowReport});
    AnswerNextCaseForm();
    window.ExportReport();
    QMetaObject::invokeMethod(&window, "About");
    QCOMPARE(boxes.seen.size(), 2);

    const QString version = QStringLiteral(R"(([0-9][^\s"()<]*))");
    const QList<QPair<QString, QString>> named = {
        {"quorlith --version", Captured(Run(bin + "quorlith", {"--version"}), "^quorlith " + version)},
        {"quorlith-verify --version",
         Captured(Run(bin + "quorlith-verify", {"--version"}), "^quorlith-verify " + version)},
        {"PDF of quorlith-verify", Captured(Run("pdftotext", {"-enc", "UTF-8", cliReport, "-"}),
                                            "Trevalon Quorlith " + version + R"( \(quorlith-verify\))")},
        {"PDF of the window", Captured(Run("pdftotext", {"-enc", "UTF-8", windowReport, "-"}),
                                       "Trevalon Quorlith " + version + R"( \(quorlith\))")},
        {"package", Captured(FileText(QUORLITH_BUILD_DIR "/CPackConfig.cmake"),
                             R"(^set\(CPACK_PACKAGE_VERSION ")" + version)},
        {"package changelog", Captured(FileText(packaging + "changelog"), R"(^quorlith \()" + version)},
        {"metainfo", Captured(FileText(packaging + "example.trevalon.Quorlith.metainfo.xml"),
                              "<release version=\"" + version)},
        {"quorlith(1)",
         Captured(FileText(packaging + "quorlith.1"), "^\\.TH .*\"Trevalon Quorlith " + version)},
        {"quorlith-verify(1)",
         Captured(FileText(packaging + "quorlith-verify.1"), "^\\.TH .*\"Trevalon Quorlith " + version)},
    };
    for (const auto& place : named)
        QVERIFY2(place.second == defined, qPrintable(place.first + " names " + place.second));

    // The About box keeps the form it always had: MAJOR.MINOR-PPP.
    const QString heading =
        QString::asprintf("%s.%s-%03d", qPrintable(parts[0]), qPrintable(parts[1]), parts[2].toInt());
    QCOMPARE(Captured(boxes.seen.last().text, "<H3>Trevalon Quorlith Version ([^<]*)</H3>"), heading);
}

QTEST_MAIN(TestVersionEverywhere)
#include "TestVersionEverywhere.moc"
