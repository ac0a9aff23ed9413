// SPDX-License-Identifier: Apache-2.0
// The quorlith-stamp command: exit statuses, options reaching the record, and an untouched INPUT.
#include "engine/WatermarkVerifier.h"

#include <QtTest>

class TestStampTool : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void exitStatus_data();
    void exitStatus();
    void optionsReachTheRecord_data();
    void optionsReachTheRecord();

private:
    int Run(const QStringList& arguments);

    QScopedPointer<QTemporaryDir> dir;
    QString input;
    QByteArray original;
};

namespace {

const QString kTool = QStringLiteral(QUORLITH_BIN_DIR "/quorlith-stamp");

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestStampTool::init()
{
    dir.reset(new QTemporaryDir);
    input = dir->filePath("clip.mp4");
    QVERIFY(QFile::copy(QStringLiteral(QUORLITH_TEST_DATA_DIR "/media/clip-mdat-first.mp4"), input));
    original = ReadAll(input);
}

int TestStampTool::Run(const QStringList& arguments)
{
    QProcess tool;
    tool.start(kTool, arguments);
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit)
        return -1;
    return tool.exitCode();
}

// "@in" and "@out" stand for the copied INPUT and an OUTPUT in the same folder.
void TestStampTool::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("written");

    const QString key = QStringLiteral(QUORLITH_TEST_KEY);
    QTest::newRow("stamps") << QStringList{"--key", key, "--version", "1.1", "@in", "@out"} << 0 << true;
    QTest::newRow("help") << QStringList{"--help"} << 0 << false;
    QTest::newRow("no arguments") << QStringList{} << 2 << false;
    QTest::newRow("no key") << QStringList{"--version", "1.0", "@in", "@out"} << 2 << false;
    QTest::newRow("no version") << QStringList{"--key", key, "@in", "@out"} << 2 << false;
    QTest::newRow("option without value")
        << QStringList{"@in", "@out", "--key", key, "--version"} << 2 << false;
    QTest::newRow("unknown option") << QStringList{"--key", key, "--version", "1.0", "--force", "@in", "@out"}
                                    << 2 << false;
    QTest::newRow("one path") << QStringList{"--key", key, "--version", "1.0", "@in"} << 2 << false;
    QTest::newRow("input not evidence")
        << QStringList{"--key", key, "--version", "1.0", key, "@out"} << 2 << false;
    QTest::newRow("missing input") << QStringList{"--key", key, "--version", "1.0", "@out.mp4", "@out"} << 1
                                   << false;
    QTest::newRow("missing key") << QStringList{"--key", key + ".x", "--version", "1.0", "@in", "@out"} << 1
                                 << false;
    QTest::newRow("output is input") << QStringList{"--key", key, "--version", "1.0", "@in", "@in"} << 1
                                     << false;
    QTest::newRow("record too long") << QStringList{"--key",           key,   "--version", "1.0", "--mac",
                                                    QString(200, 'm'), "@in", "@out"}
                                     << 1 << false;
}

void TestStampTool::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(bool, written);

    const QString output = dir->filePath("stamped.mp4");
    arguments.replaceInStrings("@in", input).replaceInStrings("@out", output);
    QCOMPARE(Run(arguments), status);
    QCOMPARE(QFile::exists(output), written);
    QCOMPARE(ReadAll(input), original);
}

void TestStampTool::optionsReachTheRecord_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("mode");

    QTest::newRow("1.0 hashes") << "1.0" << 0;
    QTest::newRow("1.1 folds") << "1.1" << 1;
}

void TestStampTool::optionsReachTheRecord()
{
    QFETCH(QString, version);
    QFETCH(int, mode);

    const QString output = dir->filePath("stamped.mxg");
    QCOMPARE(Run({"--key", QUORLITH_TEST_KEY, "--version", version, "--start", "2024-02-29 23:59:59", "--end",
                  "2024-03-01 00:00:10", "--time-source", "RTC", "--serial", "RC 9", "--mac",
                  "01:02:03:04:05:06", input, output}),
             0);

    WatermarkVerifier verifier;
    QCOMPARE(verifier.Verify(output.toUtf8().constData()), 0);
    QCOMPARE(verifier.GetDigestMode(), mode);
    QCOMPARE(verifier.GetStartTime(), std::string("2024-02-29 23:59:59"));
    QCOMPARE(verifier.GetEndTime(), std::string("2024-03-01 00:00:10"));
    QCOMPARE(verifier.GetTimeSource(), std::string("RTC"));
    QCOMPARE(verifier.GetRCSerial(), std::string("RC 9"));
    QCOMPARE(verifier.GetCamMAC(), std::string("01:02:03:04:05:06"));

    // --hmac and --marker are written as given, so the engine must turn them down.
    const QString forged = dir->filePath("forged.mp4");
    QCOMPARE(Run({"--key", QUORLITH_TEST_KEY, "--version", version, "--hmac",
                  QString::fromStdString(verifier.GetHMAC()).toUpper(), input, forged}),
             0);
    WatermarkVerifier upperCase;
    QCOMPARE(upperCase.Verify(forged.toUtf8().constData()), -1);
    QCOMPARE(upperCase.GetFailure(), VerifyFailure::ContentMismatch);

    QCOMPARE(Run({"--key", QUORLITH_TEST_KEY, "--version", version, "--marker", "Trevalon Digital Watermark ",
                  input, forged}),
             0);
    WatermarkVerifier wrongMarker;
    QCOMPARE(wrongMarker.Verify(forged.toUtf8().constData()), -1);
    QCOMPARE(wrongMarker.GetFailure(), VerifyFailure::WrongMarker);
}

QTEST_GUILESS_MAIN(TestStampTool)
#include "TestStampTool.moc"
