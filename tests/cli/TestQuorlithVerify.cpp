// SPDX-License-Identifier: Apache-2.0
#include "tests/support/DeepFolders.h"
#include "tests/support/EvidenceFiles.h"
#include "tests/support/ReversibleText.h"
#include "tests/support/SecondFamily.h"

#include <QtTest>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// The quorlith-verify program as an examiner runs it, on stamped evidence in a temporary folder.
class TestQuorlithVerify : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void jsonLines();
    void csvMatchesJson();
    void textReport();
    void exitStatus_data();
    void exitStatus();
    void jobsGiveTheSameOutput_data();
    void jobsGiveTheSameOutput();
    void laneWidthsGiveTheSameOutput_data();
    void laneWidthsGiveTheSameOutput();
    void fifoDoesNotHang_data();
    void fifoDoesNotHang();
    void nameThatIsNotUtf8();
    void namesThatLookAlikeStayApart();
    void recordValuesThatLookAlikeStayApart();
    void csvCellsAreNeitherFormulasNorControls();
    void unreadableFolderAndFileAreReported();
    void nothingChangedOrLeftBehind();
    void outputThatCannotBeWritten_data();
    void outputThatCannotBeWritten();
    void interruptedRunEndsOnWholeLines_data();
    void interruptedRunEndsOnWholeLines();
    void secondSignalDoesNotReplaceTheFirst();
    void version();
    void machineCryptoSettingsChangeNothing();
    void reportNameThatIsNotPdf_data();
    void reportNameThatIsNotPdf();
    void pdfReport_data();
    void pdfReport();
    void pdfReportNamesTheKeySets();
    void pdfReportThatCannotBeWritten_data();
    void pdfReportThatCannotBeWritten();
    void reportChecksTheStateWhenWritten();
    void guiLibrariesOnlyForAReport_data();
    void guiLibrariesOnlyForAReport();
    void pdfReportNameThatIsNotUtf8();
    void pdfReportProvesItself();
    void pdfReportProperties_data();
    void pdfReportProperties();
    void listSkipped();
    void pathGivenAgainIsTakenOnce_data();
    void pathGivenAgainIsTakenOnce();
    void reportNeverReplacedUnasked_data();
    void reportNeverReplacedUnasked();
    void reportInsideAFolderBeingVerified();
    void pdfCountsSuccessesByProtection();
    void jsonGivesEveryFieldBack_data();
    void jsonGivesEveryFieldBack();
    void pdfSaysTheAccessTimeWasKept();
    void pdfNamesTheUserAndTheTimeZone_data();
    void pdfNamesTheUserAndTheTimeZone();
    void runRecordOnlyWhenAsked_data();
    void runRecordOnlyWhenAsked();
    void rehashStatesTheDigestAgain_data();
    void rehashStatesTheDigestAgain();
    void exhibitNamesTheFilesBelowItsPath();
    void pdfReportListsWhatWasLeftOut();
    void caseDetailsOnEveryPage();
    void caseDetailsNeedAReport_data();
    void caseDetailsNeedAReport();
    void pdfReportColumnsKeepApart();
    void signalWhileTheReportIsLaidOut();
    void reportWithoutItsDigestIsNotLeft();
    void pdfReportNamesPathsAsGiven();
    void pdfReportSaysWhatItEscaped();
    void pdfReportTimesWithTheirOffset_data();
    void pdfReportTimesWithTheirOffset();
    void pdfReportOnAFullDisk_data();
    void pdfReportOnAFullDisk();
    void folderDeeperThanPathMax();
    void folderWithoutEvidence_data();
    void folderWithoutEvidence();
    void entryThatCannotBeExamined_data();
    void entryThatCannotBeExamined();

private:
    QString Evidence(const QString& relative) const { return dir.filePath("evidence/" + relative); }
    // A folder of kLinkCount names of one stamped still: a run long enough to stop in its middle.
    QString ManyLinks();
    // A folder of every kind of evidence, failures included, and stills of many lengths.
    QString ManyFiles();

    QTemporaryDir dir;
};

namespace {

const char* const kSpecialName = "clip, \"A\" \xc3\x86r\xc3\xb8.mp4";

// Their JSON lines are far more than a pipe holds, so a run whose output is not read cannot end by itself.
const int kLinkCount = 2000;

const QStringList kCsvKeys = {"path",       "authentic", "reason",      "marker",    "version", "hmac",
                              "start_time", "end_time",  "time_source", "rc_serial", "cam_mac", "digest_mode",
                              "size",       "coverage",  "key_set",     "sha256"};
// JSON gives each field of bytes a twin that holds them exactly when they are not UTF-8.
QStringList JsonKeys()
{
    const QStringList twinned = {"path",     "marker",      "version",   "hmac",   "start_time",
                                 "end_time", "time_source", "rc_serial", "cam_mac"};
    QStringList keys;
    for (const QString& key : kCsvKeys) {
        keys << key;
        if (twinned.contains(key))
            keys << key + "_base64";
    }
    return keys;
}
const QStringList kJsonKeys = JsonKeys();

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// What the tool says on standard error once a report is written: its SHA-256, read here from the disk.
QByteArray ReportWrittenNote(const QByteArray& path, const QByteArray& asGiven = QByteArray())
{
    // The name's bytes as they are, also where they are not UTF-8.
    const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return "cannot read " + path;
    QFile file;
    QByteArray content;
    if (file.open(fd, QIODevice::ReadOnly))
        content = file.readAll();
    file.close();
    close(fd);
    const QByteArray name = asGiven.isEmpty() ? path : asGiven;
    return "quorlith-verify: PDF report '" + name + "' written, SHA-256 " +
           QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex() + " (also in '" + name +
           ".sha256')\n";
}

// Root reads everything, so as root the program runs as the unprivileged user "nobody".
void StartUnprivileged(QProcess* process, const QStringList& arguments)
{
    const QString program = QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify");
    if (geteuid() == 0)
        process->start(QStringLiteral("setpriv"),
                       QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + arguments);
    else
        process->start(program, arguments);
}

Run Verify(const QStringList& arguments, const QString& workingDirectory = QString(), int timeoutMs = 60000,
           const QString& locale = QString(), const QString& opensslConfiguration = QString(),
           const QString& md5Lanes = QString())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!md5Lanes.isEmpty())
        environment.insert("QUORLITH_MD5_LANES", md5Lanes);
    if (!locale.isEmpty())
        environment.insert("LC_ALL", locale);
    if (!opensslConfiguration.isEmpty())
        environment.insert("OPENSSL_CONF", opensslConfiguration);
    process.setProcessEnvironment(environment);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"), arguments);
    Run run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QList<QJsonObject> JsonLines(const QByteArray& out)
{
    QList<QJsonObject> objects;
    for (const QByteArray& line : out.split('\n')) {
        if (line.isEmpty())
            continue;
        objects << QJsonDocument::fromJson(line).object();
    }
    return objects;
}

// The keys of one JSON object line in the order they are written.
QStringList KeyOrder(const QByteArray& line, const QJsonObject& object)
{
    QMap<int, QString> byPosition;
    for (const QString& key : object.keys())
        byPosition.insert(line.indexOf("\"" + key.toUtf8() + "\":"), key);
    return byPosition.values();
}

// RFC 4180 reader: records end in CR LF, quoted fields may hold commas, CR LF and doubled quotes.
QList<QStringList> ParseCsv(const QByteArray& bytes, bool* wellFormed)
{
    QList<QStringList> rows;
    QStringList row;
    QByteArray field;
    bool quoted = false;
    *wellFormed = true;
    for (int i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (quoted) {
            if (c == '"' && i + 1 < bytes.size() && bytes[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"' && field.isEmpty()) {
            quoted = true;
        } else if (c == ',') {
            row << QString::fromUtf8(field);
            field.clear();
        } else if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            row << QString::fromUtf8(field);
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else if (c == '"' || c == '\n' || c == '\r') {
            *wellFormed = false;
        } else {
            field += c;
        }
    }
    *wellFormed = *wellFormed && !quoted && row.isEmpty() && field.isEmpty();
    return rows;
}

QString CsvText(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QString();
    case QJsonValue::Bool:
        return value.toBool() ? "true" : "false";
    case QJsonValue::Double:
        return QString::number(value.toVariant().toLongLong());
    case QJsonValue::String:
        return value.toString();
    default:
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    }
}

// Every file below folder with its size, modification time and bytes.
QMap<QString, QString> FolderState(const QString& folder)
{
    QMap<QString, QString> state;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat status;
        if (lstat(QFile::encodeName(path).constData(), &status) != 0)
            continue;
        QString line = QString("%1 %2 %3.%4")
                           .arg(status.st_mode)
                           .arg(status.st_size)
                           .arg(status.st_mtim.tv_sec)
                           .arg(status.st_mtim.tv_nsec);
        if (S_ISREG(status.st_mode))
            line += " " + QCryptographicHash::hash(ReadAll(path), QCryptographicHash::Sha256).toHex();
        state.insert(path, line);
    }
    return state;
}

// Starts the program with SIGINT, SIGTERM and SIGHUP at their defaults, as a terminal starts it, or
// with one of them ignored, as nohup does; the test's own start (a shell's background job ignores
// SIGINT) must not decide.
class SignalsProcess : public QProcess
{
public:
    explicit SignalsProcess(int ignored) : ignored(ignored) {}

protected:
    void setupChildProcess() override
    {
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signal, signal == ignored ? SIG_IGN : SIG_DFL);
    }

private:
    int ignored;
};

// Starts the program with a limit on the size of the files it writes, the full disk of a system where
// no file system can be mounted for the test.
class SizeLimitedProcess : public QProcess
{
public:
    explicit SizeLimitedProcess(rlim_t limit) : limit(limit) {}

protected:
    void setupChildProcess() override
    {
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small;
        getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &small);
    }

private:
    rlim_t limit;
};

// The N and M of "after N of M files" in a message; -1 for each when it has none.
QPair<int, int> StoppedAfter(const QByteArray& message)
{
    const QRegularExpressionMatch match =
        QRegularExpression("after (\\d+) of (\\d+) files").match(QString::fromUtf8(message));
    if (!match.hasMatch())
        return {-1, -1};
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

} // namespace

QString TestQuorlithVerify::ManyLinks()
{
    const QString folder = dir.filePath("links");
    if (QDir(folder).exists())
        return folder;
    QDir().mkpath(folder);
    const QByteArray source = QFile::encodeName(Evidence("photo.jpg"));
    for (int i = 0; i < kLinkCount; ++i) {
        const QByteArray name =
            QFile::encodeName(folder + QString("/%1.jpg").arg(i, 4, 10, QLatin1Char('0')));
        if (link(source.constData(), name.constData()) != 0)
            return QString();
    }
    return folder;
}

void TestQuorlithVerify::initTestCase()
{
    QVERIFY(dir.isValid());
    QDir root(dir.path());
    QVERIFY(root.mkpath("evidence/sub") && root.mkpath("evidence/.hidden-folder") && root.mkpath("empty"));
    QVERIFY(StampMedia(MediaPath("still.jpg"), Evidence("photo.jpg"), "1.0"));
    QVERIFY(StampMedia(MediaPath("clip-faststart.mp4"), Evidence(QString::fromUtf8(kSpecialName)), "1.1"));
    QVERIFY(StampMedia(MediaPath("clip.avi"), Evidence("sub/clip.AVI"), "1.0"));
    QVERIFY(StampMedia(MediaPath("clip-mdat-first.mp4"), Evidence("sub/tampered.mxg"), "1.0"));
    QVERIFY(Poke(Evidence("sub/tampered.mxg"), 100, 0x00));
    // Not taken by the folder rule: hidden, linked, or the last suffix is not an evidence one.
    QVERIFY(QFile::copy(Evidence("photo.jpg"), Evidence(".hidden.jpg")));
    QVERIFY(QFile::copy(Evidence("photo.jpg"), Evidence(".hidden-folder/photo.jpg")));
    QVERIFY(QFile::link("photo.jpg", Evidence("link.jpg")));
    QVERIFY(QFile::link("sub", Evidence("linked-folder")));
    QVERIFY(QFile::copy(Evidence("photo.jpg"), Evidence("photo.jpg.bak")));
    QVERIFY(QFile::copy(Evidence("photo.jpg"), Evidence("photo.jpeg")));
    QVERIFY(WriteAll(Evidence("notes.txt"), "examiner's notes"));
}

void TestQuorlithVerify::jsonLines()
{
    const Run run = Verify({"--json", "--sha256", Evidence("")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QByteArray());
    QVERIFY(run.out.endsWith('\n'));

    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    const QList<QJsonObject> objects = JsonLines(run.out);
    QStringList paths;
    for (int i = 0; i < objects.size(); ++i) {
        QCOMPARE(KeyOrder(lines[i], objects[i]), kJsonKeys);
        QVERIFY(objects[i]["path_base64"].isNull());
        paths << objects[i]["path"].toString();
        const QByteArray bytes = ReadAll(objects[i]["path"].toString());
        QCOMPARE(objects[i]["size"].toInt(), bytes.size());
        QCOMPARE(objects[i]["sha256"].toString().toLatin1(),
                 QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    }
    QCOMPARE(paths, (QStringList{Evidence(QString::fromUtf8(kSpecialName)), Evidence("photo.jpg"),
                                 Evidence("sub/clip.AVI"), Evidence("sub/tampered.mxg")}));

    const QJsonObject clip = objects[0];
    QCOMPARE(clip["authentic"].toBool(), true);
    QVERIFY(clip["reason"].isNull());
    QCOMPARE(clip["marker"].toString(), QString("Trevalon Digital Watermark"));
    QCOMPARE(clip["version"].toString(), QString("1.1"));
    QCOMPARE(clip["digest_mode"].toInt(), 1);
    QCOMPARE(clip["start_time"].toString(), QString::fromStdString(StampRecord().startTime));
    QCOMPARE(clip["cam_mac"].toString(), QString::fromStdString(StampRecord().camMac));
    // The fast-start clip's media data starts at 956 (tests/data/media/README.md).
    const QJsonObject coverage = clip["coverage"].toObject();
    QCOMPARE(coverage.keys(), (QStringList{"notes", "protected_bytes", "unprotected_ranges"}));
    QCOMPARE(coverage["unprotected_ranges"].toArray().first().toArray(), (QJsonArray{0, 955}));
    QVERIFY(coverage["protected_bytes"].toInt() < clip["size"].toInt() - 956 - 512);

    const QJsonObject tampered = objects[3];
    QCOMPARE(tampered["authentic"].toBool(), false);
    QCOMPARE(tampered["reason"].toString(), QString("content-mismatch"));
    QCOMPARE(tampered["digest_mode"].toInt(), 0);
    QCOMPARE(tampered["rc_serial"].toString(), QString::fromStdString(StampRecord().rcSerial));
}

void TestQuorlithVerify::csvMatchesJson()
{
    const Run csv = Verify({"--csv", "--sha256", Evidence(""), Evidence("missing.avi")});
    const Run json = Verify({"--json", "--sha256", Evidence(""), Evidence("missing.avi")});
    QCOMPARE(csv.exitCode, 1);
    QCOMPARE(csv.err, QByteArray());
    QVERIFY(csv.out.contains("\"" + Evidence("").toUtf8() + "clip, \"\"A\"\" \xc3\x86r\xc3\xb8.mp4\","));

    bool wellFormed = false;
    const QList<QStringList> rows = ParseCsv(csv.out, &wellFormed);
    QVERIFY(wellFormed);
    QCOMPARE(rows.first(), kCsvKeys);
    const QList<QJsonObject> objects = JsonLines(json.out);
    QCOMPARE(rows.size(), objects.size() + 1);
    for (int i = 0; i < objects.size(); ++i) {
        const QStringList& row = rows[i + 1];
        QCOMPARE(row.size(), kCsvKeys.size());
        for (int k = 0; k < kCsvKeys.size(); ++k) {
            const QJsonValue value = objects[i][kCsvKeys[k]];
            if (value.isObject())
                QCOMPARE(QJsonDocument::fromJson(row[k].toUtf8()).object(), value.toObject());
            else
                QCOMPARE(row[k], CsvText(value));
        }
    }
    QCOMPARE(rows.last()[2], QString("not-found"));
}

void TestQuorlithVerify::textReport()
{
    const Run run = Verify({Evidence(""), Evidence("missing.jpg")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QByteArray());
    const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6);

    const QString start = QString::fromStdString(StampRecord().startTime);
    const QString end = QString::fromStdString(StampRecord().endTime);
    const QString serial = QString::fromStdString(StampRecord().rcSerial);
    QVERIFY(lines[0].startsWith("Authentication succeeded  " + Evidence(QString::fromUtf8(kSpecialName))));
    QVERIFY(lines[0].contains("Partial coverage"));
    QCOMPARE(lines[1], "Authentication succeeded  " + Evidence("photo.jpg") + "  Start Time: " + start +
                           "  Stop Time: " + end + "  Serial no: " + serial + "  Key: Built-in");
    QVERIFY(lines[3].startsWith("Authentication failed  " + Evidence("sub/tampered.mxg")));
    QVERIFY(lines[3].contains("Serial no: " + serial));
    QVERIFY(lines[3].contains("Reason: the content does not match the digest in the watermark."));
    QVERIFY(lines[4].startsWith("Authentication failed  " + Evidence("missing.jpg")));
    QVERIFY(lines[4].contains("Reason: the file does not exist."));
    // Both clips leave part of the file unprotected: the 1.1 fold, the AVI's header before the media data.
    QCOMPARE(lines[5], QString("Total files: 5  Authentication succeeded: 3  Authentication failed: 2  "
                               "Succeeded, fully protected: 1  Succeeded, partly protected: 2  "
                               "Succeeded, nothing protected: 0"));
}

void TestQuorlithVerify::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("reportWritten");

    QTest::newRow("every file authentic") << QStringList{"photo.jpg", "sub/clip.AVI"} << 0 << true;
    QTest::newRow("a file given by name is verified whatever its name")
        << QStringList{"--json", ".hidden.jpg"} << 0 << true;
    QTest::newRow("one changed file") << QStringList{"photo.jpg", "sub/tampered.mxg"} << 1 << true;
    QTest::newRow("a path that does not exist") << QStringList{"photo.jpg", "gone.jpg"} << 1 << true;
    QTest::newRow("an ignored name given by hand fails") << QStringList{"photo.jpeg"} << 1 << true;
    QTest::newRow("help") << QStringList{"--help"} << 0 << true;
    QTest::newRow("no path") << QStringList{"--json"} << 2 << false;
    QTest::newRow("two formats") << QStringList{"--json", "--csv", "photo.jpg"} << 2 << false;
    QTest::newRow("bad job count") << QStringList{"-j", "0", "photo.jpg"} << 2 << false;
    QTest::newRow("unknown option") << QStringList{"--quick", "photo.jpg"} << 2 << false;
}

void TestQuorlithVerify::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(bool, reportWritten);
    const Run run = Verify(arguments, Evidence(""));
    QCOMPARE(run.exitCode, status);
    QCOMPARE(!run.out.isEmpty(), reportWritten);
    QCOMPARE(run.err.isEmpty(), status != 2);
}

void TestQuorlithVerify::jobsGiveTheSameOutput_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("text") << QString();
    QTest::newRow("json") << "--json";
    QTest::newRow("csv") << "--csv";
}

QString TestQuorlithVerify::ManyFiles()
{
    const QString many = dir.filePath("many");
    if (!QDir(many).exists()) {
        if (!QDir().mkpath(many))
            return QString();
        const QStringList sources = {Evidence("photo.jpg"), Evidence("sub/clip.AVI"),
                                     Evidence("sub/tampered.mxg"), Evidence(QString::fromUtf8(kSpecialName)),
                                     Evidence("notes.txt")};
        for (int i = 0; i < 60; ++i) {
            const QString source = sources[i % sources.size()];
            const QString name =
                QString("%1-%2").arg(i, 2, 10, QLatin1Char('0')).arg(QFileInfo(source).fileName());
            if (!QFile::copy(source, many + "/" + (i % 7 == 0 ? name + ".mp4" : name)))
                return QString();
        }
        // Stills of many lengths, so that the lanes of the multi-buffer MD5 finish at different steps.
        QByteArray still = ReadAll(MediaPath("still.jpg"));
        for (int i = 0; i < 40; ++i) {
            const QString media = dir.filePath(QString("still-media-%1.jpg").arg(i));
            still.insert(still.size() - 2, QByteArray(i * 997, static_cast<char>(i)));
            if (!WriteAll(media, still) ||
                !StampMedia(media, many + QString("/still-%1.jpg").arg(i), i % 3 == 0 ? "1.1" : "1.0"))
                return QString();
        }
    }
    return many;
}

void TestQuorlithVerify::jobsGiveTheSameOutput()
{
    QFETCH(QString, format);
    const QString many = ManyFiles();
    QVERIFY(!many.isEmpty());
    QStringList arguments{"--sha256", many};
    if (!format.isEmpty())
        arguments.prepend(format);
    const Run single = Verify(QStringList{"-j", "1"} + arguments);
    QCOMPARE(single.exitCode, 1);
    QVERIFY(single.out.count('\n') > 40);
    for (const char* jobs : {"2", "5", "16"}) {
        const Run parallel = Verify(QStringList{"--jobs", jobs} + arguments);
        QCOMPARE(parallel.exitCode, single.exitCode);
        QCOMPARE(parallel.out, single.out);
    }
}

void TestQuorlithVerify::laneWidthsGiveTheSameOutput_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("withSha256");
    QTest::newRow("text") << QString() << false;
    QTest::newRow("json") << "--json" << false;
    QTest::newRow("json, SHA-256") << "--json" << true;
    QTest::newRow("csv, SHA-256") << "--csv" << true;
}

// The MD5 lanes forced to each width (capped by the processor), with one job and with several: the
// output of one file after another, byte for byte.
void TestQuorlithVerify::laneWidthsGiveTheSameOutput()
{
    QFETCH(QString, format);
    QFETCH(bool, withSha256);
    const QString many = ManyFiles();
    QVERIFY(!many.isEmpty());
    QStringList arguments{many};
    if (withSha256)
        arguments.prepend("--sha256");
    if (!format.isEmpty())
        arguments.prepend(format);
    const Run oneStream =
        Verify(QStringList{"-j", "1"} + arguments, QString(), 60000, QString(), QString(), "1");
    QCOMPARE(oneStream.exitCode, 1);
    QVERIFY(oneStream.out.count('\n') > 80);
    for (const char* lanes : {"8", "16"}) {
        for (const char* jobs : {"1", "2"}) {
            const Run run =
                Verify(QStringList{"-j", jobs} + arguments, QString(), 60000, QString(), QString(), lanes);
            QCOMPARE(run.exitCode, oneStream.exitCode);
            QCOMPARE(run.out, oneStream.out);
        }
    }
}

void TestQuorlithVerify::fifoDoesNotHang_data()
{
    QTest::addColumn<bool>("byFolder");
    QTest::newRow("named on the command line") << false;
    QTest::newRow("found in a folder") << true;
}

void TestQuorlithVerify::fifoDoesNotHang()
{
    QFETCH(bool, byFolder);
    const QString folder = dir.filePath("fifo");
    const QString fifo = folder + "/clip.mp4";
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFileInfo::exists(fifo) || mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);

    const Run run = Verify({"--json", byFolder ? folder : fifo}, QString(), 10000);
    QCOMPARE(run.exitCode, 1);
    const QList<QJsonObject> objects = JsonLines(run.out);
    QCOMPARE(objects.size(), 1);
    QCOMPARE(objects[0]["path"].toString(), fifo);
    QCOMPARE(objects[0]["reason"].toString(), QString("not-a-file"));
}

// A name in another encoding is verified like any other: the engine reads the file the program opened,
// whatever bytes its name holds.
void TestQuorlithVerify::nameThatIsNotUtf8()
{
    const QString folder = dir.filePath("latin1");
    QVERIFY(QDir().mkpath(folder));
    const QString stamped = folder + "/stamped.jpg";
    QVERIFY(StampMedia(MediaPath("still.jpg"), stamped, "1.0"));
    const QByteArray latin1Name = QFile::encodeName(folder) + "/caf\xe9.jpg";
    QCOMPARE(std::rename(QFile::encodeName(stamped).constData(), latin1Name.constData()), 0);

    const Run json = Verify({"--json", folder});
    const Run text = Verify({folder});
    unlink(latin1Name.constData());

    QCOMPARE(json.exitCode, 0);
    const QList<QJsonObject> objects = JsonLines(json.out);
    QCOMPARE(objects.size(), 1);
    QCOMPARE(objects[0]["path"].toString(), folder + "/caf\\xE9.jpg");
    QCOMPARE(objects[0]["authentic"].toBool(), true);
    QCOMPARE(QByteArray::fromBase64(objects[0]["path_base64"].toString().toLatin1()), latin1Name);
    QCOMPARE(QString::fromUtf8(text.out).toUtf8(), text.out);
    QVERIFY(text.out.contains("Authentication succeeded  " + QFile::encodeName(folder) + "/caf\\xE9.jpg"));
}

// Whether text holds a character that shows nothing or changes how the text around it is shown:
// a control character, a Unicode format character (bidirectional controls, zero-width characters)
// or a line or paragraph separator.
bool HoldsInvisibleCharacters(const QByteArray& utf8)
{
    for (const QChar c : QString::fromUtf8(utf8)) {
        const QChar::Category category = c.category();
        if ((category == QChar::Other_Control && !QString("\n\r\f").contains(c)) ||
            category == QChar::Other_Format || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            return true;
    }
    return false;
}

// Each pair is one name holding a newline, a byte that is not UTF-8 or a character that shows
// nothing or reorders the text, and one that spells it out or looks the same on a screen; one of each
// pair is authentic, the other not. Every format must tell them apart, and a reader must get each
// name's bytes back with its own verdict.
void TestQuorlithVerify::namesThatLookAlikeStayApart()
{
    const QString folder = dir.filePath("alike");
    QVERIFY(QDir().mkpath(folder));
    const QByteArray base = QFile::encodeName(folder) + "/";
    // "photo" U+202E "gpj.mp4" shows as "photo4pm.jpg"; "zw" U+200B ".jpg" as "zw.jpg".
    const QMap<QByteArray, bool> expected = {{base + "n\nl.jpg", true},
                                             {base + "n\\x0Al.jpg", false},
                                             {base + "u\\xFF.jpg", true},
                                             {base + "u\xff.jpg", false},
                                             {base + "photo\xe2\x80\xaegpj.mp4", false},
                                             {base + "photo4pm.jpg", true},
                                             {base + "zw\xe2\x80\x8b.jpg", true},
                                             {base + "zw.jpg", false},
                                             {base + "line\xe2\x80\xa8"
                                                     "break.jpg",
                                              true},
                                             {base + "next\xc2\x85line.jpg", true},
                                             {base + "next\\u{0085}line.jpg", false}};
    for (auto file = expected.cbegin(); file != expected.cend(); ++file) {
        const QString staged = folder + "/staged.jpg";
        QVERIFY(StampMedia(MediaPath("still.jpg"), staged, "1.0"));
        if (!file.value())
            QVERIFY(Poke(staged, 100, 0x00));
        QCOMPARE(std::rename(QFile::encodeName(staged).constData(), file.key().constData()), 0);
    }

    QTemporaryDir work;
    QVERIFY(work.isValid());
    const Run text = Verify({"--report", work.filePath("report.pdf"), folder});
    const Run json = Verify({"--json", folder});
    const Run csv = Verify({"--csv", folder});
    for (const QByteArray& path : expected.keys())
        unlink(path.constData());
    for (const Run* run : {&text, &json, &csv})
        QVERIFY2(!HoldsInvisibleCharacters(run->out), run->out.constData());

    QMap<QByteArray, bool> fromText;
    for (const QByteArray& line : text.out.split('\n')) {
        const bool authentic = line.startsWith("Authentication succeeded  ");
        if (!authentic && !line.startsWith("Authentication failed  "))
            continue;
        const int from = line.indexOf("  ") + 2;
        bool ok = false;
        fromText.insert(FromReversibleText(line.mid(from, line.indexOf("  Start Time: ") - from), &ok),
                        authentic);
        QVERIFY2(ok, line.constData());
    }
    QCOMPARE(fromText, expected);

    QMap<QByteArray, bool> fromJson;
    for (const QJsonObject& object : JsonLines(json.out)) {
        const QJsonValue base64 = object["path_base64"];
        const QByteArray path = base64.isNull() ? object["path"].toString().toUtf8()
                                                : QByteArray::fromBase64(base64.toString().toLatin1());
        fromJson.insert(path, object["authentic"].toBool());
    }
    QCOMPARE(fromJson, expected);

    bool wellFormed = false;
    QMap<QByteArray, bool> fromCsv;
    for (const QStringList& row : ParseCsv(csv.out, &wellFormed).mid(1)) {
        bool ok = false;
        fromCsv.insert(FromReversibleText(row[0].toUtf8(), &ok), row[1] == "true");
        QVERIFY2(ok, qPrintable(row[0]));
    }
    QVERIFY(wellFormed);
    QCOMPARE(fromCsv, expected);

    // The PDF writes each name as the text output does, in the heading of its block ("3. name"), and
    // says how once.
    QProcess pdfText;
    pdfText.start("pdftotext", {"-enc", "UTF-8", work.filePath("report.pdf"), "-"});
    QVERIFY(pdfText.waitForFinished(60000));
    QCOMPARE(pdfText.exitCode(), 0);
    const QByteArray report = pdfText.readAllStandardOutput();
    QVERIFY(!HoldsInvisibleCharacters(report));
    for (const QByteArray& name : {QByteArray("photo\\u{202E}gpj.mp4"), QByteArray("zw\\u{200B}.jpg"),
                                   QByteArray("line\\u{2028}break.jpg"), QByteArray("next\\u{0085}line.jpg"),
                                   QByteArray("next\\\\u{0085}line.jpg"), QByteArray("n\\x0Al.jpg")})
        QVERIFY2(report.contains(". " + name), name.constData());
    QVERIFY(report.simplified().contains("\\u{XXXX}"));
}

// A record value holding the four characters \x0A and one holding a newline come out apart in the
// text report, each giving its own bytes back.
void TestQuorlithVerify::recordValuesThatLookAlikeStayApart()
{
    const QString folder = dir.filePath("alike-serials");
    QVERIFY(QDir().mkpath(folder));
    const QMap<QString, QByteArray> serials = {{"escaped.jpg", "QR\\x0A1"}, {"newline.jpg", "QR\n1"}};
    for (auto serial = serials.cbegin(); serial != serials.cend(); ++serial) {
        StampRecord record;
        record.rcSerial = serial.value().toStdString();
        QVERIFY(StampMedia(MediaPath("still.jpg"), folder + "/" + serial.key(), record));
    }

    const Run run = Verify({folder});
    QCOMPARE(run.exitCode, 0);
    QMap<QString, QByteArray> fromText;
    for (const QByteArray& line : run.out.split('\n')) {
        const int from = line.indexOf("  Serial no: ") + 13;
        if (from < 13)
            continue;
        const int to = line.indexOf("  ", from);
        bool ok = false;
        const QByteArray serial = FromReversibleText(line.mid(from, to < 0 ? -1 : to - from), &ok);
        QVERIFY2(ok, line.constData());
        const int pathFrom = line.indexOf("  ") + 2;
        fromText.insert(
            QFileInfo(QString::fromUtf8(line.mid(pathFrom, line.indexOf("  Start Time: ") - pathFrom)))
                .fileName(),
            serial);
    }
    QCOMPARE(fromText.keys(), serials.keys());
    for (auto serial = serials.cbegin(); serial != serials.cend(); ++serial)
        QCOMPARE(fromText.value(serial.key()), serial.value());
}

// Names and record fields that a spreadsheet would run as formulas, and control bytes that it or a
// terminal would act on, all come out as text that gives the bytes back.
void TestQuorlithVerify::csvCellsAreNeitherFormulasNorControls()
{
    const QString folder = dir.filePath("formulas");
    QVERIFY(QDir().mkpath(folder));
    const QStringList copies = {"=HYPERLINK(\"x\",\"y\").jpg",
                                "+1.jpg",
                                "-1.jpg",
                                "@SUM(1).jpg",
                                "'a'.jpg",
                                "tab\t.jpg",
                                "esc\x1b[2J.jpg"};
    for (const QString& name : copies)
        QVERIFY(QFile::copy(Evidence("photo.jpg"), folder + "/" + name));
    StampRecord record;
    record.rcSerial = "=1+2";
    record.timeSource = "-NTP\x1b[0m";
    record.camMac = "@00:1B:44:11:3A:B7";
    QVERIFY(StampMedia(MediaPath("still.jpg"), folder + "/fields.jpg", record));
    const QStringList names = copies + QStringList{"fields.jpg"};

    const Run run = Verify(QStringList{"--csv", "--"} + names, folder);
    QCOMPARE(run.exitCode, 0);
    for (int i = 0; i < run.out.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(run.out[i]);
        const bool lineEnd = run.out.mid(i, 2) == "\r\n" || run.out.mid(i - 1, 2) == "\r\n";
        QVERIFY2((byte >= 0x20 && byte != 0x7F) || lineEnd,
                 qPrintable(QString("byte %1 at %2").arg(byte).arg(i)));
    }
    QVERIFY(run.out.contains("\r\n\"'=HYPERLINK(\"\"x\"\",\"\"y\"\").jpg\",true,"));

    bool wellFormed = false;
    const QList<QStringList> rows = ParseCsv(run.out, &wellFormed);
    QVERIFY(wellFormed);
    QCOMPARE(rows.size(), names.size() + 1);
    QStringList paths;
    for (const QStringList& row : rows.mid(1)) {
        for (const QString& cell : row)
            QVERIFY2(cell.isEmpty() || !QString("=+-@").contains(cell.front()), qPrintable(cell));
        // A reader drops exactly one leading "'".
        const QString path = row[0].startsWith('\'') ? row[0].mid(1) : row[0];
        bool ok = false;
        paths << QString::fromUtf8(FromReversibleText(path.toUtf8(), &ok));
        QVERIFY(ok);
    }
    QCOMPARE(paths, names);
    const QStringList& fields = rows.last();
    QCOMPARE(fields[kCsvKeys.indexOf("rc_serial")], QString("'=1+2"));
    QCOMPARE(fields[kCsvKeys.indexOf("time_source")], QString("'-NTP\\x1B[0m"));
    QCOMPARE(fields[kCsvKeys.indexOf("cam_mac")], QString("'@00:1B:44:11:3A:B7"));
}

void TestQuorlithVerify::unreadableFolderAndFileAreReported()
{
    QTemporaryDir lockedDir;
    QVERIFY(lockedDir.isValid());
    const QString folder = lockedDir.path();
    const auto everyone = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                          QFileDevice::ReadOther | QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(folder, everyone));
    QVERIFY(QDir().mkpath(folder + "/closed"));
    QVERIFY(StampMedia(MediaPath("still.jpg"), folder + "/closed/photo.jpg", "1.0"));
    QVERIFY(StampMedia(MediaPath("still.jpg"), folder + "/open.jpg", "1.0"));
    QVERIFY(StampMedia(MediaPath("still.jpg"), folder + "/secret.jpg", "1.0"));
    QVERIFY(QFile::setPermissions(folder + "/open.jpg", QFileDevice::ReadOwner | QFileDevice::ReadOther));
    QVERIFY(QFile::setPermissions(folder + "/secret.jpg", QFileDevice::Permissions()));
    QVERIFY(QFile::setPermissions(folder + "/closed", QFileDevice::Permissions()));

    const QStringList arguments{"--json", folder};
    QProcess process;
    StartUnprivileged(&process, arguments);
    QVERIFY(process.waitForFinished(60000));
    QFile::setPermissions(folder + "/closed", everyone);

    QCOMPARE(process.exitCode(), 1);
    const QList<QJsonObject> objects = JsonLines(process.readAllStandardOutput());
    QCOMPARE(objects.size(), 3);
    QCOMPARE(objects[0]["path"].toString(), folder + "/closed");
    QCOMPARE(objects[0]["reason"].toString(), QString("unreadable"));
    QCOMPARE(objects[1]["path"].toString(), folder + "/open.jpg");
    QCOMPARE(objects[1]["authentic"].toBool(), true);
    QCOMPARE(objects[2]["path"].toString(), folder + "/secret.jpg");
    QCOMPARE(objects[2]["reason"].toString(), QString("unreadable"));
}

void TestQuorlithVerify::nothingChangedOrLeftBehind()
{
    const QString work = dir.filePath("work");
    QVERIFY(QDir().mkpath(work));
    const QMap<QString, QString> before = FolderState(Evidence(""));
    for (const char* format : {"--json", "--csv", "--sha256"})
        QVERIFY(Verify({format, "-j", "3", Evidence("")}, work).exitCode == 1);
    QCOMPARE(FolderState(Evidence("")), before);
    QCOMPARE(QDir(work).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList());
}

void TestQuorlithVerify::outputThatCannotBeWritten_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("stoppedAfter");
    // The first line's flush finds the disk full; the CSV header's does before any file.
    QTest::newRow("JSON over many files") << QStringList{"--json", "-j1"} << 1;
    QTest::newRow("CSV over many files") << QStringList{"--csv", "-j1"} << 0;
    QTest::newRow("text over many files, with a PDF report") << QStringList{"--report", "report.pdf"} << 1;
    QTest::newRow("help") << QStringList{"--help"} << -1;
    QTest::newRow("version") << QStringList{"--version"} << -1;
}

// A full disk stops the run at once with its own status, not that of a file found not authentic, and
// no report is made of the part that was verified.
void TestQuorlithVerify::outputThatCannotBeWritten()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, stoppedAfter);
    if (!QFileInfo::exists("/dev/full"))
        QSKIP("no /dev/full to write to");
    QTemporaryDir work;
    QVERIFY(work.isValid());
    if (stoppedAfter >= 0) {
        const QString links = ManyLinks();
        QVERIFY(!links.isEmpty());
        arguments << links;
    }
    QProcess process;
    process.setWorkingDirectory(work.path());
    process.setStandardOutputFile("/dev/full");
    process.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"), arguments);
    QVERIFY(process.waitForFinished(60000));
    const QByteArray message = process.readAllStandardError();
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 3);
    QVERIFY2(message.startsWith("quorlith-verify: the output could not be written (No space left on device)"),
             message.constData());
    if (stoppedAfter >= 0)
        QCOMPARE(StoppedAfter(message), qMakePair(stoppedAfter, kLinkCount));
    QCOMPARE(
        QDir(work.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QStringList());
}

void TestQuorlithVerify::interruptedRunEndsOnWholeLines_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("withReport");
    QTest::addColumn<bool>("ignoredAtStart");
    QTest::newRow("SIGINT") << int(SIGINT) << false << false;
    QTest::newRow("SIGTERM") << int(SIGTERM) << false << false;
    QTest::newRow("SIGHUP") << int(SIGHUP) << false << false;
    QTest::newRow("SIGTERM with a PDF report") << int(SIGTERM) << true << false;
    QTest::newRow("SIGHUP ignored from the start, as under nohup") << int(SIGHUP) << false << true;
}

// The output is not read once the first line came: the pipe fills long before the last line, so the
// run cannot end before the signal, however fast it is. Reading again lets it wind down.
void TestQuorlithVerify::interruptedRunEndsOnWholeLines()
{
    QFETCH(int, signal);
    QFETCH(bool, withReport);
    QFETCH(bool, ignoredAtStart);
    const QString links = ManyLinks();
    QVERIFY(!links.isEmpty());
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QStringList arguments{"--json", "-j1", links};
    if (withReport)
        arguments << "--report" << work.filePath("report.pdf");

    SignalsProcess process(ignoredAtStart ? signal : 0);
    process.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"), arguments);
    QByteArray out;
    while (!out.contains('\n') && process.waitForReadyRead(60000))
        out += process.readAllStandardOutput();
    QVERIFY(out.contains('\n'));
    QCOMPARE(kill(static_cast<pid_t>(process.processId()), signal), 0);
    const bool finished = process.waitForFinished(60000);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    QVERIFY(finished);
    out += process.readAllStandardOutput();
    const QByteArray message = process.readAllStandardError();

    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY(out.endsWith('\n'));
    const QList<QByteArray> lines = out.trimmed().split('\n');
    for (const QByteArray& line : lines) {
        QJsonParseError error;
        QJsonDocument::fromJson(line, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, line.constData());
    }
    if (ignoredAtStart) {
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(lines.size(), kLinkCount);
        QCOMPARE(message, QByteArray());
        return;
    }
    QCOMPARE(process.exitCode(), 128 + signal);
    QVERIFY2(lines.size() < kLinkCount, qPrintable(QString::number(lines.size())));
    const QString name = signal == SIGINT ? "SIGINT" : signal == SIGTERM ? "SIGTERM" : "SIGHUP";
    QVERIFY2(message.contains("interrupted by " + name.toUtf8()), message.constData());
    QCOMPARE(StoppedAfter(message), qMakePair(lines.size(), kLinkCount));
    QCOMPARE(message.contains("PDF report"), withReport);
    QCOMPARE(
        QDir(work.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QStringList());
}

// SIGINT, then SIGTERM while the run winds down: the run stopped for SIGINT, and says so. The output
// goes to a pipe that is left unread until it is full, so the program waits on it and cannot end
// between the two signals; they come a moment apart, as from a person pressing Ctrl+C and then
// running kill, since the program's threads could otherwise take them in either order.
void TestQuorlithVerify::secondSignalDoesNotReplaceTheFirst()
{
    const QString links = ManyLinks();
    QVERIFY(!links.isEmpty());
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QByteArray fifo = QFile::encodeName(work.filePath("output"));
    QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
    const int reader = open(fifo.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    QVERIFY(reader >= 0);

    SignalsProcess process(0);
    process.setStandardOutputFile(QFile::decodeName(fifo));
    process.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"), {"--json", "-j1", links});
    QVERIFY(process.waitForStarted());
    // The pipe is full once what it holds stops growing: its lines are far more than a pipe takes.
    const QDeadlineTimer giveUp(60000);
    int held = 0;
    int heldBefore = -1;
    while ((held == 0 || held != heldBefore) && !giveUp.hasExpired()) {
        heldBefore = held;
        QThread::msleep(300);
        QCOMPARE(ioctl(reader, FIONREAD, &held), 0);
    }
    QVERIFY(held > 0 && held == heldBefore);
    const pid_t pid = static_cast<pid_t>(process.processId());
    QCOMPARE(kill(pid, SIGINT), 0);
    QThread::msleep(200);
    QCOMPARE(kill(pid, SIGTERM), 0);

    QByteArray out;
    bool finished = false;
    for (bool last = false; !last && !giveUp.hasExpired();) {
        last = finished;
        char piece[65536];
        ssize_t got;
        while ((got = read(reader, piece, sizeof piece)) > 0)
            out.append(piece, static_cast<int>(got));
        finished = finished || process.waitForFinished(20);
    }
    close(reader);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    QVERIFY(finished);

    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QByteArray message = process.readAllStandardError();
    QCOMPARE(process.exitCode(), 128 + SIGINT);
    QVERIFY2(message.contains("interrupted by SIGINT") && !message.contains("SIGTERM"), message.constData());
    QVERIFY(out.endsWith('\n'));
    QCOMPARE(StoppedAfter(message).first, out.count('\n'));
}

// The second line names the built-in key set by its fingerprint: the SHA-256 of its canonical encoding
// (label, then modulus, exponent and HMAC key, each after its 4-byte big-endian length), computed here from
// the key file the build took the modulus from and the test recorders' HMAC key.
void TestQuorlithVerify::version()
{
    QFile modulusFile(QStringLiteral(QUORLITH_SOURCE_DIR "/tests/keys/recorder-test-modulus.hex"));
    QVERIFY(modulusFile.open(QIODevice::ReadOnly));
    const QByteArray modulus = QByteArray::fromHex(modulusFile.readAll().trimmed());
    QCOMPARE(modulus.size(), 256);
    const auto part = [](const QByteArray& bytes) {
        QByteArray length(4, '\0');
        qToBigEndian(static_cast<quint32>(bytes.size()), length.data());
        return length + bytes;
    };
    const QByteArray encoding = QByteArray("quorlith-key-set 1", 19) + part(modulus) +
                                part(QByteArray("\x01\x00\x01", 3)) +
                                part(QByteArray::fromStdString(StampRecord().hmacKey));
    const QByteArray fingerprint = QCryptographicHash::hash(encoding, QCryptographicHash::Sha256).toHex();

    const Run run = Verify({"--version"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("quorlith-verify " QUORLITH_PROJECT_VERSION "\n"
                                 "Key fingerprint (SHA-256 of the built-in key set): ") +
                          fingerprint + '\n');
}

// A machine's OpenSSL configuration file is not read: one that loads only the provider that does nothing
// made every authentic file fail, since no watermark block opened.
void TestQuorlithVerify::machineCryptoSettingsChangeNothing()
{
    const QString configuration = dir.filePath("null-provider.cnf");
    QVERIFY(WriteAll(configuration, "openssl_conf = openssl_init\n"
                                    "[openssl_init]\nproviders = provider_sect\n"
                                    "[provider_sect]\nnull = null_sect\n"
                                    "[null_sect]\nactivate = 1\n"));
    for (const QStringList& arguments :
         {QStringList{"--json", "--sha256", Evidence("")}, QStringList{"--version"}}) {
        const Run plain = Verify(arguments);
        const Run configured = Verify(arguments, QString(), 60000, QString(), configuration);
        QCOMPARE(configured.exitCode, plain.exitCode);
        QCOMPARE(configured.err, plain.err);
        QCOMPARE(configured.out, plain.out);
        QVERIFY(plain.out.contains(arguments.size() > 1 ? "\"authentic\":true" : "Key fingerprint"));
    }
}

void TestQuorlithVerify::reportNameThatIsNotPdf_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("text file") << QStringList{"--report", "report.txt"};
    QTest::newRow("PDF followed by another ending") << QStringList{"--report=report.pdf.csv"};
    QTest::newRow("an evidence file taken for the name") << QStringList{"--report", "photo.jpg"};
}

void TestQuorlithVerify::reportNameThatIsNotPdf()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(QFile::copy(Evidence("photo.jpg"), work.filePath("photo.jpg")));
    const QByteArray before = ReadAll(work.filePath("photo.jpg"));
    const Run run = Verify(QStringList{Evidence("photo.jpg")} + arguments, work.path());
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(run.err.contains(".pdf"));
    QCOMPARE(QDir(work.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"photo.jpg"});
    QCOMPARE(ReadAll(work.filePath("photo.jpg")), before);
}

// The report follows the locale: its language (the window's verdict words from the catalogue the
// locale table picks) and its paper, while the usual output stays exactly as without --report.
void TestQuorlithVerify::pdfReport_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("succeeded");
    QTest::addColumn<QString>("failed");
    QTest::addColumn<QString>("paper");
    QTest::newRow("C: English, A4") << "C.UTF-8"
                                    << "Authentication succeeded"
                                    << "Authentication failed"
                                    << "(A4)";
    QTest::newRow("en_US: English, Letter") << "en_US.UTF-8"
                                            << "Authentication succeeded"
                                            << "Authentication failed"
                                            << "(letter)";
    QTranslator german;
    QVERIFY(german.load(":/translations/ger"));
    QTest::newRow("de_DE: German, A4")
        << "de_DE.UTF-8" << german.translate("QObject", "Authentication succeeded")
        << german.translate("QObject", "Authentication failed") << "(A4)";
    // The paper follows LC_PAPER, not the language's country.
    QTest::newRow("en_CA: English, Letter") << "en_CA.UTF-8"
                                            << "Authentication succeeded"
                                            << "Authentication failed"
                                            << "(letter)";
    QTranslator spanish;
    QVERIFY(spanish.load(":/translations/spn"));
    QTest::newRow("es_MX: Spanish, Letter")
        << "es_MX.UTF-8" << spanish.translate("QObject", "Authentication succeeded")
        << spanish.translate("QObject", "Authentication failed") << "(letter)";
}

void TestQuorlithVerify::guiLibrariesOnlyForAReport_data()
{
    QTest::addColumn<bool>("report");
    QTest::newRow("a plain run") << false;
    QTest::newRow("--report") << true;
}

// The dynamic loader names every library it loads when LD_DEBUG asks it to: Qt comes in with a report,
// and a run without one starts without any of it.
void TestQuorlithVerify::guiLibrariesOnlyForAReport()
{
    QFETCH(bool, report);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString pdf = work.filePath("report.pdf");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_DEBUG", "files");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"),
                  (report ? QStringList{"--report", pdf} : QStringList()) +
                      QStringList{Evidence("photo.jpg")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QByteArray loaded = process.readAllStandardError();
    QVERIFY2(loaded.contains("libcrypto.so"), loaded.left(2000).constData());
    QCOMPARE(loaded.contains("libQt5Gui.so"), report);
    QCOMPARE(loaded.contains("libQt5Core.so"), report);
    QCOMPARE(QFileInfo::exists(pdf), report);
}

void TestQuorlithVerify::pdfReport()
{
    QFETCH(QString, locale);
    QFETCH(QString, succeeded);
    QFETCH(QString, failed);
    QFETCH(QString, paper);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QStringList files = {Evidence("photo.jpg"), Evidence(QString::fromUtf8(kSpecialName)),
                               Evidence("sub/tampered.mxg")};

    // A path whose reason carries a system error text, which the C library words in the user's language.
    const QString loop = work.filePath("loop.jpg");
    QVERIFY(QFile::link(loop, loop));

    const Run plain = Verify(QStringList{"-j", "2"} + files + QStringList{loop}, QString(), 60000, locale);
    const Run reported =
        Verify(QStringList{"--report", work.filePath("report.pdf"), "-j", "2"} + files + QStringList{loop},
               QString(), 60000, locale);
    QVERIFY2(plain.out.contains("symbolic links"), plain.out.constData());
    QCOMPARE(reported.exitCode, plain.exitCode);
    QCOMPARE(reported.out, plain.out);
    QCOMPARE(reported.err, ReportWrittenNote(QFile::encodeName(work.filePath("report.pdf"))));

    QProcess text;
    text.start("pdftotext", {"-enc", "UTF-8", work.filePath("report.pdf"), "-"});
    QVERIFY(text.waitForFinished(60000));
    QCOMPARE(text.exitCode(), 0);
    // Words wrapped in a narrow column come out on two lines.
    const QString report = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    for (const QString& file : files) {
        QVERIFY2(report.contains(QFileInfo(file).fileName()), qPrintable(file));
        const QByteArray digest = QCryptographicHash::hash(ReadAll(file), QCryptographicHash::Sha256).toHex();
        QVERIFY2(report.contains(QString::fromLatin1(digest)), qPrintable(file));
    }
    // The count, the statement, the summary's rows and the files' blocks.
    QCOMPARE(report.count(succeeded), 1 + 1 + 2 + 2);
    QCOMPARE(report.count(failed), 1 + 1 + 2 + 2);
    const Run version = Verify({"--version"});
    const QByteArray fingerprint = version.out.mid(version.out.lastIndexOf(' ') + 1).trimmed();
    QCOMPARE(fingerprint.size(), 64);
    QVERIFY(report.contains(QString::fromLatin1(fingerprint)));

    QProcess info;
    info.start("pdfinfo", {work.filePath("report.pdf")});
    QVERIFY(info.waitForFinished(60000));
    const QByteArray facts = info.readAllStandardOutput();
    QVERIFY2(facts.contains(paper.toLatin1()), facts.constData());
}

// The report states the key sets the tool verified with, as the tool loaded them (the module has a
// key-set code of its own): the built-in set and a --keys file with its path and SHA-256, a key file of
// the user's folder that was not loaded, and for each file the set that opened it or how many were tried.
void TestQuorlithVerify::pdfReportNamesTheKeySets()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString keys = work.filePath("keys");
    const QString userKeys = work.filePath("config/quorlith/keys.d");
    QVERIFY(QDir().mkpath(keys) && QDir().mkpath(userKeys));
    const QString keyFile = CopySecondFamilyKeyFile(keys);
    QVERIFY(!keyFile.isEmpty());
    QVERIFY(WriteAll(userKeys + "/broken.key", "quorlith-key-set 1\nname: Broken\nmodulus: 0G\n"));
    const QString builtIn = MakeEvidence(work.path(), "still.jpg", "built-in.jpg");
    const QString second = MakeSecondFamilyEvidence(work.path(), "clip.avi", "second.avi");
    const QString plain = MakePlainMedia(work.path(), "still.jpg", "plain.jpg");
    QVERIFY(!builtIn.isEmpty() && !second.isEmpty() && !plain.isEmpty());

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", work.filePath("config"));
    process.setProcessEnvironment(environment);
    const QString pdf = work.filePath("report.pdf");
    process.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"),
                  {"--keys", keyFile, "--report", pdf, builtIn, second, plain});
    QVERIFY(process.waitForFinished(60000));
    const QByteArray errors = process.readAllStandardError();
    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(errors.contains("quorlith-verify: key set not loaded: " + QFile::encodeName(userKeys) +
                             "/broken.key: line 3:"),
             errors.constData());

    // Line by line, the label beside its value; without the spaces, a value wrapped in its column reads on.
    QProcess text;
    text.start("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"});
    QVERIFY(text.waitForFinished(60000));
    const QString report = QString::fromUtf8(text.readAllStandardOutput()).remove(QRegularExpression("\\s"));
    QProcess list;
    list.setProcessEnvironment(environment);
    list.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"), {"--keys", keyFile, "--list-keys"});
    QVERIFY(list.waitForFinished(60000));
    const QString listed = QString::fromUtf8(list.readAllStandardOutput());
    QStringList fingerprints;
    const QRegularExpression fingerprint("fingerprint ([0-9a-f]{64})");
    for (QRegularExpressionMatchIterator it = fingerprint.globalMatch(listed); it.hasNext();)
        fingerprints << it.next().captured(1);
    QCOMPARE(fingerprints.size(), 2);
    const QString builtInFingerprint = fingerprints[0];
    const QString secondFingerprint = fingerprints[1];
    const QString keyFileDigest =
        QString::fromLatin1(QCryptographicHash::hash(ReadAll(keyFile), QCryptographicHash::Sha256).toHex());
    const QString expected[] = {
        "Key set 1 Built-in fingerprint " + builtInFingerprint + " built into the program",
        "Key set 2 Second test family fingerprint " + secondFingerprint + " given with --keys: " + keyFile +
            " (file SHA-256 " + keyFileDigest + "); RSA modulus of 2048 bits",
        "Key file not loaded " + userKeys + "/broken.key: line 3:",
        "Key set Built-in (fingerprint " + builtInFingerprint + ")",
        "Key set Second test family (fingerprint " + secondFingerprint + ")",
        "Key set none: not one of the 2 key sets tried opened the watermark block",
    };
    for (QString line : expected)
        QVERIFY2(report.contains(line.remove(' ')), qPrintable(line + "\n" + report));
}

void TestQuorlithVerify::pdfReportThatCannotBeWritten_data()
{
    QTest::addColumn<QString>("reportPath");
    QTest::addColumn<int>("systemError");
    QTest::newRow("read-only folder") << "report.pdf" << int(EACCES);
    QTest::newRow("folder that does not exist") << "missing/report.pdf" << int(ENOENT);
    QTest::newRow("a file where the folder should be") << "photo.jpg/report.pdf" << int(ENOTDIR);
}

// A report that cannot be made is a usage error found before the first file is verified, not after
// hours of work. As root the program runs as the unprivileged user "nobody", for whom the folder is
// read-only.
void TestQuorlithVerify::pdfReportThatCannotBeWritten()
{
    QFETCH(QString, reportPath);
    QFETCH(int, systemError);
    QTemporaryDir lockedDir;
    QVERIFY(lockedDir.isValid());
    const QString folder = lockedDir.path();
    const QString evidence = folder + "/photo.jpg";
    QVERIFY(QFile::copy(Evidence("photo.jpg"), evidence));
    QVERIFY(QFile::setPermissions(evidence, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadOther | QFileDevice::ExeOther));
    const QString report = folder + "/" + reportPath;
    const QStringList arguments{"--report", report, evidence, ManyLinks()};
    QProcess process;
    StartUnprivileged(&process, arguments);
    QVERIFY(process.waitForFinished(60000));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(process.exitCode(), 2);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    QCOMPARE(process.readAllStandardError(),
             "quorlith-verify: the PDF report '" + QFile::encodeName(report) +
                 "' cannot be created in its folder: " + QByteArray(std::strerror(systemError)) +
                 "\nTry 'quorlith-verify --help' for more information.\n");
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"photo.jpg"});
}

// The report takes the name's bytes as given, also where they are not UTF-8.
void TestQuorlithVerify::pdfReportNameThatIsNotUtf8()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(work.path());
    process.start("sh", {"-c", "exec \"$0\" --report \"$(printf 'r\\351sum\\351.pdf')\" \"$1\"",
                         QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"), Evidence("photo.jpg")});
    QVERIFY(process.waitForFinished(60000));
    const QByteArray name = QFile::encodeName(work.path()) + "/r\xe9sum\xe9.pdf";
    QCOMPARE(process.readAllStandardError(), ReportWrittenNote(name, "r\xe9sum\xe9.pdf"));
    QCOMPARE(process.exitCode(), 0);
    struct stat status;
    QCOMPARE(stat(name.constData(), &status), 0);
    QVERIFY(S_ISREG(status.st_mode) && status.st_size > 1000);
    // Qt lists no name that is not UTF-8: the folder is read as bytes.
    QList<QByteArray> names;
    DIR* folder = opendir(QFile::encodeName(work.path()).constData());
    QVERIFY(folder);
    while (const dirent* entry = readdir(folder)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names << entry->d_name;
    }
    closedir(folder);
    std::sort(names.begin(), names.end());
    QCOMPARE(names, (QList<QByteArray>{"r\xe9sum\xe9.pdf", "r\xe9sum\xe9.pdf.sha256"}));
}

namespace {

QString RunTool(const QString& program, const QStringList& arguments, int* exitCode = nullptr,
                const QString& workingDirectory = QString())
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return QString();
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Each page's text, as pdftotext reads it.
QStringList PdfPages(const QString& pdf)
{
    QStringList pages;
    const QRegularExpression count("Pages: +(\\d+)");
    const int pageCount = count.match(RunTool("pdfinfo", {pdf})).captured(1).toInt();
    for (int page = 1; page <= pageCount; ++page)
        pages << RunTool("pdftotext", {"-layout", "-enc", "UTF-8", "-f", QString::number(page), "-l",
                                       QString::number(page), pdf, "-"});
    return pages;
}

} // namespace

// --list-skipped ends the text output with every entry of the folder the search did not take, and why;
// without it the output is as before, and it does not go with JSON or CSV.
void TestQuorlithVerify::listSkipped()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString folder = work.filePath("export");
    QVERIFY(QDir().mkpath(folder + "/.thumbs/.older"));
    QVERIFY(QFile::copy(Evidence("photo.jpg"), folder + "/photo.jpg"));
    QVERIFY(WriteAll(folder + "/.hidden.jpg", "x"));
    QVERIFY(WriteAll(folder + "/notes.txt", "x"));
    QVERIFY(QFile::link(Evidence("photo.jpg"), folder + "/link.jpg"));
    // What a hidden folder holds is counted, at any depth, though not verified.
    for (const char* name : {"/.thumbs/a.jpg", "/.thumbs/b.MP4", "/.thumbs/c.txt", "/.thumbs/.older/d.avi"})
        QVERIFY(WriteAll(folder + name, "x"));

    const Run plain = Verify({folder});
    const Run listed = Verify({"--list-skipped", folder});
    QCOMPARE(listed.exitCode, plain.exitCode);
    QCOMPARE(listed.exitCode, 0);
    const QByteArray prefix = "Skipped  " + QFile::encodeName(folder);
    QCOMPARE(listed.out, plain.out + prefix + "/.hidden.jpg  (hidden: its name starts with a dot)\n" +
                             prefix +
                             "/.thumbs  (a hidden folder, not searched: its name starts with a dot; 3 files "
                             "below it have an evidence type's name)\n" +
                             prefix + "/link.jpg  (a symbolic link, not followed)\n" + prefix +
                             "/notes.txt  (the name does not end in .jpg, .avi, .mp4 or .mxg)\n");
    QVERIFY(!plain.out.contains("Skipped"));
    QCOMPARE(Verify({"--json", "--list-skipped", folder}).exitCode, 2);
}

void TestQuorlithVerify::pathGivenAgainIsTakenOnce_data()
{
    QTest::addColumn<QStringList>("paths");
    // The files verified, each once, in the output's order.
    QTest::addColumn<QStringList>("verified");
    // The paths given again, each with its note on standard error.
    QTest::addColumn<QStringList>("notes");
    const QStringList both = {"cam01/a.jpg", "cam01/sub/b.jpg"};
    QTest::newRow("a folder twice") << QStringList{"cam01", "cam01"} << both << QStringList{"cam01|folder"};
    QTest::newRow("a folder and one below it")
        << QStringList{"cam01", "cam01/sub"} << both << QStringList{"cam01/sub|folder"};
    QTest::newRow("a folder below, then the one above")
        << QStringList{"cam01/sub", "cam01"} << QStringList{"cam01/sub/b.jpg", "cam01/a.jpg"}
        << QStringList{"cam01/sub|folder"};
    QTest::newRow("a file twice") << QStringList{"cam01/a.jpg", "cam01/a.jpg"} << QStringList{"cam01/a.jpg"}
                                  << QStringList{"cam01/a.jpg|file"};
    QTest::newRow("a file by another name of the same path")
        << QStringList{"cam01/a.jpg", "./cam01//a.jpg"} << QStringList{"cam01/a.jpg"}
        << QStringList{"./cam01//a.jpg|file"};
    QTest::newRow("a file, then its folder")
        << QStringList{"cam01/a.jpg", "cam01"} << both << QStringList{"cam01/a.jpg|file"};
    QTest::newRow("a folder, then a file in it written otherwise")
        << QStringList{"cam01", "./cam01/sub/b.jpg"} << both << QStringList{"./cam01/sub/b.jpg|file"};
    QTest::newRow("a file and a folder apart")
        << QStringList{"cam01/a.jpg", "cam01/sub"} << both << QStringList();
}

// The same folder given twice, a folder and one below it, or a file given twice or also found in a folder
// given: each file is verified and listed once, and standard error says which path was given again.
void TestQuorlithVerify::pathGivenAgainIsTakenOnce()
{
    QFETCH(QStringList, paths);
    QFETCH(QStringList, verified);
    QFETCH(QStringList, notes);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(QDir().mkpath(work.filePath("cam01/sub")));
    QVERIFY(QFile::copy(Evidence("photo.jpg"), work.filePath("cam01/a.jpg")));
    QVERIFY(QFile::copy(Evidence("photo.jpg"), work.filePath("cam01/sub/b.jpg")));

    const Run run = Verify(paths, work.path());
    QVERIFY2(run.exitCode == 0, (run.out + run.err).constData());
    QStringList listed;
    for (const QByteArray& line : run.out.split('\n')) {
        if (line.startsWith("Authentication"))
            listed << QString::fromUtf8(line.split(' ').value(3));
    }
    QCOMPARE(listed, verified);
    QVERIFY2(run.out.contains(QString("Total files: %1 ").arg(verified.size()).toUtf8()),
             run.out.constData());
    QStringList expectedErr;
    for (const QString& note : notes)
        expectedErr << "quorlith-verify: " + note.section('|', 0, 0) +
                           (note.endsWith("|folder") ? ": a folder given more than once or below another one "
                                                       "given: its entries are taken once"
                                                     : ": a file given more than once or also found in a "
                                                       "folder given: verified and listed once");
    QCOMPARE(QString::fromUtf8(run.err).split('\n', Qt::SkipEmptyParts), expectedErr);
}

void TestQuorlithVerify::reportNeverReplacedUnasked_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QString>("refused");
    QTest::newRow("nothing there") << QStringList() << false << "";
    QTest::newRow("an earlier report")
        << QStringList{"report.pdf", "report.pdf.sha256"} << false << "report.pdf";
    QTest::newRow("its digest file alone")
        << QStringList{"report.pdf.sha256"} << false << "report.pdf.sha256";
    QTest::newRow("an earlier report, --overwrite")
        << QStringList{"report.pdf", "report.pdf.sha256"} << true << "";
}

// A report onto an earlier one, or onto the digest file beside it, is a usage error found before any
// file is verified, and leaves both as they were; --overwrite lets it replace them.
void TestQuorlithVerify::reportNeverReplacedUnasked()
{
    QFETCH(QStringList, existing);
    QFETCH(bool, overwrite);
    QFETCH(QString, refused);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    for (const QString& name : existing)
        QVERIFY(WriteAll(work.filePath(name), "earlier record of " + name.toUtf8()));
    const QString pdf = work.filePath("report.pdf");
    QStringList arguments{"--report", pdf, Evidence("photo.jpg")};
    if (overwrite)
        arguments.prepend("--overwrite");
    const Run run = Verify(arguments);
    if (refused.isEmpty()) {
        QCOMPARE(run.exitCode, 0);
        QVERIFY(ReadAll(pdf).startsWith("%PDF-"));
        QCOMPARE(run.err, ReportWrittenNote(QFile::encodeName(pdf)));
        return;
    }
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err, "quorlith-verify: '" + QFile::encodeName(work.filePath(refused)) +
                          "' exists already; give --overwrite to replace the report and its SHA-256 file\n"
                          "Try 'quorlith-verify --help' for more information.\n");
    for (const QString& name : existing)
        QCOMPARE(ReadAll(work.filePath(name)), "earlier record of " + name.toUtf8());
    QVERIFY(!QFile::exists(pdf) || existing.contains("report.pdf"));
}

// A report written into a folder being verified, given under any spelling, is warned about before the
// run and named in the report's facts: the next verification of that folder will come across it.
void TestQuorlithVerify::reportInsideAFolderBeingVerified()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(QDir().mkpath(work.filePath("ev2/sub")));
    QVERIFY(QFile::copy(Evidence("photo.jpg"), work.filePath("ev2/photo.jpg")));
    const Run inside = Verify({"--report", "ev2/sub/report.pdf", "./ev2/"}, work.path());
    QCOMPARE(inside.exitCode, 0);
    QVERIFY2(inside.err.startsWith("quorlith-verify: warning: the PDF report 'ev2/sub/report.pdf' lies in "
                                   "'./ev2/', a folder being verified\n"),
             inside.err.constData());
    const QString text = PdfPages(work.filePath("ev2/sub/report.pdf")).join(QString()).simplified();
    QVERIFY2(text.contains("This report lies inside ./ev2/, a folder being verified"), qPrintable(text));

    const Run beside = Verify({"--report", "report.pdf", "ev2"}, work.path());
    QCOMPARE(beside.exitCode, 0);
    QVERIFY2(!beside.err.contains("warning"), beside.err.constData());
    QVERIFY(!PdfPages(work.filePath("report.pdf")).join(QString()).contains("This report lies inside"));
}

// Page 1 counts the successes apart by how much of the file their digest protects, as the summary line
// does: the still protects every byte, both clips part of them, and a version 1.1 still of 4,096 content
// bytes none (its fold index, (4096 >> 3) mod 64, is 0).
void TestQuorlithVerify::pdfCountsSuccessesByProtection()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(WriteAll(work.filePath("media.jpg"), QByteArray(4096, 'x')));
    QVERIFY(StampMedia(work.filePath("media.jpg"), work.filePath("none.jpg"), "1.1"));
    const QString pdf = work.filePath("counts.pdf");
    const Run run = Verify({"--report", pdf, Evidence(""), work.filePath("none.jpg")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.endsWith("Total files: 5  Authentication succeeded: 4  Authentication failed: 1  "
                              "Succeeded, fully protected: 1  Succeeded, partly protected: 2  "
                              "Succeeded, nothing protected: 1\n"),
             run.out.constData());
    const QString text = PdfPages(pdf).value(0).simplified();
    QVERIFY2(
        text.contains("Authentication succeeded 4 fully protected 1 partly protected 2 nothing protected 1 "
                      "Authentication failed 1"),
        qPrintable(text));
}

void TestQuorlithVerify::jsonGivesEveryFieldBack_data()
{
    QTest::addColumn<QString>("field");
    for (const char* field : {"rc_serial", "cam_mac", "time_source", "start_time", "end_time"})
        QTest::newRow(field) << field;
}

// A record field holding the bytes FF FE and one holding the text \xFF\xFE read alike as JSON text;
// the field's base64 twin gives the first back exactly, and is null for the second, whose text is exact.
void TestQuorlithVerify::jsonGivesEveryFieldBack()
{
    QFETCH(QString, field);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QMap<QString, std::string StampRecord::*> members = {{"rc_serial", &StampRecord::rcSerial},
                                                               {"cam_mac", &StampRecord::camMac},
                                                               {"time_source", &StampRecord::timeSource},
                                                               {"start_time", &StampRecord::startTime},
                                                               {"end_time", &StampRecord::endTime}};
    const QMap<QString, QByteArray> written = {{"a-bytes.jpg", "\xff\xfe"}, {"b-text.jpg", "\\xFF\\xFE"}};
    for (auto file = written.cbegin(); file != written.cend(); ++file) {
        StampRecord record;
        record.*members.value(field) = file.value().toStdString();
        QVERIFY(StampMedia(MediaPath("still.jpg"), work.filePath(file.key()), record));
    }
    const Run run = Verify({"--json", work.path()});
    const QList<QJsonObject> objects = JsonLines(run.out);
    QCOMPARE(objects.size(), 2);
    QCOMPARE(objects[0][field].toString(), objects[1][field].toString());
    for (const QJsonObject& object : objects) {
        const QJsonValue twin = object[field + "_base64"];
        const QByteArray bytes = twin.isNull() ? object[field].toString().toUtf8()
                                               : QByteArray::fromBase64(twin.toString().toLatin1());
        QCOMPARE(bytes, written.value(QFileInfo(object["path"].toString()).fileName()));
    }
}

// The file's block says that the verification read the file without moving its last access time, and
// the access time a second report gives is still the one from before the first.
void TestQuorlithVerify::pdfSaysTheAccessTimeWasKept()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString still = work.filePath("still.jpg");
    QVERIFY(QFile::copy(Evidence("photo.jpg"), still));
    QFile file(still);
    QVERIFY(
        file.open(QIODevice::ReadOnly) &&
        file.setFileTime(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC), QFileDevice::FileAccessTime));
    file.close();
    for (const char* name : {"first.pdf", "second.pdf"}) {
        QCOMPARE(Verify({"--report", work.filePath(name), still}).exitCode, 0);
        const QString text = PdfPages(work.filePath(name)).join(QString()).simplified();
        QVERIFY2(text.contains("Last access before verifying 2026-01-02 03:04:05"), qPrintable(text));
        QVERIFY2(text.contains("Access time kept: the file was read without changing its last access time"),
                 qPrintable(text));
    }
}

void TestQuorlithVerify::pdfNamesTheUserAndTheTimeZone_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("named");
    // Zones without summer time, so that the abbreviation is the same whenever the test runs.
    QTest::newRow("Tokyo") << "Asia/Tokyo"
                           << "Asia/Tokyo (JST)";
    QTest::newRow("Kolkata") << "Asia/Kolkata"
                             << "Asia/Kolkata (IST)";
    QTest::newRow("UTC") << "UTC"
                         << "UTC";
}

// The facts name who ran the program, the time zone of their local times, beside the offsets, and the
// self-test that ran before the first file.
void TestQuorlithVerify::pdfNamesTheUserAndTheTimeZone()
{
    QFETCH(QString, zone);
    QFETCH(QString, named);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString pdf = work.filePath("facts.pdf");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TZ", zone);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"),
                  {"--report", pdf, Evidence("photo.jpg")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const struct passwd* user = getpwuid(geteuid());
    QVERIFY(user != nullptr);
    const QString text = PdfPages(pdf).value(0).simplified();
    QVERIFY2(
        text.contains(QString("User %1 (%2) ").arg(geteuid()).arg(QString::fromLocal8Bit(user->pw_name))),
        qPrintable(text));
    QVERIFY2(text.contains("Time zone " + named + " "), qPrintable(text));
    QVERIFY2(
        text.contains("Tool validation passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC "
                      "2202), the version 1.1 fold and the RSA public operation gave their known answers"),
        qPrintable(text));
}

void TestQuorlithVerify::runRecordOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("asked");
    QTest::newRow("without --run-record") << false;
    QTest::newRow("with --run-record") << true;
}

// --json --run-record begins with one line describing the run, the program and its key sets as
// --version and --list-keys name them; without it the first line is already a file's.
void TestQuorlithVerify::runRecordOnlyWhenAsked()
{
    QFETCH(bool, asked);
    QStringList arguments{"--json", Evidence("photo.jpg")};
    if (asked)
        arguments.prepend("--run-record");
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    const Run run = Verify(arguments);
    QCOMPARE(run.exitCode, 0);
    const QList<QJsonObject> objects = JsonLines(run.out);
    QCOMPARE(objects.size(), asked ? 2 : 1);
    QCOMPARE(objects.last()["path"].toString(), Evidence("photo.jpg"));
    if (!asked) {
        QVERIFY(!objects.first().contains("run"));
        return;
    }
    const QJsonObject record = objects.first()["run"].toObject();
    QCOMPARE(record["program"].toString(), QString("quorlith-verify"));
    const QList<QByteArray> version = Verify({"--version"}).out.split('\n');
    QCOMPARE("quorlith-verify " + record["version"].toString().toUtf8(), version.value(0));
    QVERIFY(!record["source_revision"].toString().isEmpty());
    const QDateTime started = QDateTime::fromString(record["started"].toString(), Qt::ISODate);
    QVERIFY2(started >= before && started <= QDateTime::currentDateTimeUtc(),
             qPrintable(record["started"].toString()));
    const QJsonArray sets = record["key_sets"].toArray();
    QVERIFY(!sets.isEmpty());
    QCOMPARE(sets.first()["name"].toString(), QString("Built-in"));
    QVERIFY(version.value(1).endsWith(sets.first()["fingerprint"].toString().toUtf8()));
    QCOMPARE(sets.first()["source"].toString(), QString("built in"));
}

void TestQuorlithVerify::rehashStatesTheDigestAgain_data()
{
    QTest::addColumn<bool>("rehash");
    QTest::newRow("without --rehash") << false;
    QTest::newRow("with --rehash") << true;
}

// --rehash: each file's block gives its SHA-256 computed again as the report was written, beside the
// first, so that "unchanged" rests on the content.
void TestQuorlithVerify::rehashStatesTheDigestAgain()
{
    QFETCH(bool, rehash);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString pdf = work.filePath("rehash.pdf");
    QStringList arguments{"--report", pdf, Evidence("photo.jpg")};
    if (rehash)
        arguments.prepend("--rehash");
    QCOMPARE(Verify(arguments).exitCode, 0);
    const QString digest = QString::fromLatin1(
        QCryptographicHash::hash(ReadAll(Evidence("photo.jpg")), QCryptographicHash::Sha256).toHex());
    const QString text = PdfPages(pdf).join(QString()).simplified();
    QCOMPARE(text.contains("SHA-256 at report time " + digest + ", the same as when it was verified"),
             rehash);
    QCOMPARE(text.contains("SHA-256 at report time"), rehash);
}

// --exhibit NAME=PATH: each file's block names the exhibit whose PATH holds it, the deepest one, and
// the facts list the exhibit by its name; a PATH that does not exist is a usage error.
void TestQuorlithVerify::exhibitNamesTheFilesBelowItsPath()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(QDir().mkpath(work.filePath("usb/card")));
    QVERIFY(QFile::copy(Evidence("photo.jpg"), work.filePath("usb/a.jpg")));
    QVERIFY(QFile::copy(Evidence("photo.jpg"), work.filePath("usb/card/b.jpg")));
    QVERIFY(QFile::copy(Evidence("photo.jpg"), work.filePath("c.jpg")));
    const QString pdf = work.filePath("exhibits.pdf");
    const Run run = Verify({"--report", pdf, "--exhibit", "EX-3 USB stick=usb", "--exhibit",
                            "EX-4 SD card=usb/card", "usb", "c.jpg"},
                           work.path());
    QCOMPARE(run.exitCode, 0);
    const QStringList pages = PdfPages(pdf);
    const QString text = pages.join(QString()).simplified();
    QVERIFY2(text.contains("Exhibit EX-3 USB stick Exhibit EX-4 SD card"), qPrintable(text));
    const auto blockOf = [&](const QString& path) {
        const int from = text.indexOf("Full path " + work.filePath(path));
        return text.mid(from, text.indexOf("State at report time", from) - from);
    };
    QVERIFY2(blockOf("usb/a.jpg").contains("Exhibit EX-3 USB stick"), qPrintable(blockOf("usb/a.jpg")));
    QVERIFY2(blockOf("usb/card/b.jpg").contains("Exhibit EX-4 SD card"),
             qPrintable(blockOf("usb/card/b.jpg")));
    QVERIFY2(!blockOf("c.jpg").contains("Exhibit"), qPrintable(blockOf("c.jpg")));

    const Run missing =
        Verify({"--report", work.filePath("none.pdf"), "--exhibit", "EX-5=gone", "c.jpg"}, work.path());
    QCOMPARE(missing.exitCode, 2);
    QCOMPARE(missing.out, QByteArray());
}

// The report's appendix names each entry the folder search did not take, and why: a hidden file, a link
// and a file of another type each by name, also when many share one ending; it stands before the
// signatures, which cover it.
void TestQuorlithVerify::pdfReportListsWhatWasLeftOut()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString folder = work.filePath("export");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::copy(Evidence("photo.jpg"), folder + "/photo.jpg"));
    QVERIFY(WriteAll(folder + "/.hidden.jpg", "x"));
    QVERIFY(WriteAll(folder + "/notes.txt", "x"));
    QVERIFY(QFile::link(Evidence("photo.jpg"), folder + "/link.jpg"));
    const int logCount = 14;
    for (int i = 0; i < logCount; ++i)
        QVERIFY(WriteAll(folder + QString("/recorder-%1.log").arg(i), "x"));
    // A watermarked still under a name of another type is evidence by its content: it must be named.
    QVERIFY(QFile::copy(Evidence("photo.jpg"), folder + "/nl\nname.log"));
    const QString pdf = work.filePath("report.pdf");
    QCOMPARE(Verify({"--report", pdf, folder}).exitCode, 0);

    const QString text = PdfPages(pdf).join(QString()).simplified();
    const int appendix = text.indexOf("Appendix: what the folder search left out");
    QVERIFY2(appendix > 0, qPrintable(text));
    QVERIFY2(appendix < text.lastIndexOf("Signatures"), qPrintable(text));
    const QString listed = text.mid(appendix);
    for (const QString& line : {folder + "/.hidden.jpg hidden: its name starts with a dot",
                                folder + "/link.jpg a symbolic link, not followed",
                                folder + "/notes.txt the name does not end in .jpg, .avi, .mp4 or .mxg",
                                folder + "/nl\\x0Aname.log the name does not end in"})
        QVERIFY2(listed.contains(line), qPrintable(line + "\n" + listed));
    for (int i = 0; i < logCount; ++i) {
        const QString line = folder + QString("/recorder-%1.log the name does not end in").arg(i);
        QVERIFY2(listed.contains(line), qPrintable(line + "\n" + listed));
    }
    QVERIFY2(!listed.contains("entries ending in"), qPrintable(listed));
    QVERIFY(!listed.contains("photo.jpg "));

    // Files given one by one leave nothing out, and the report says so.
    const QString single = work.filePath("single.pdf");
    QCOMPARE(Verify({"--report", single, folder + "/photo.jpg"}).exitCode, 0);
    QVERIFY(PdfPages(single).join(QString()).simplified().contains("The folder search left nothing out."));
}

// The report carries its own digest beside it in sha256sum's format: the check passes on the report as
// written and fails once one byte of it changes. The report is PDF/A-1b.
void TestQuorlithVerify::pdfReportProvesItself()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString pdf = work.filePath("case report.pdf");
    const Run run = Verify({"--report", pdf, "--case", "2026/114", Evidence("photo.jpg")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, ReportWrittenNote(QFile::encodeName(pdf)));

    QFile seal(pdf + ".sha256");
    QVERIFY(seal.open(QIODevice::ReadOnly));
    QVERIFY2(QRegularExpression("^[0-9a-f]{64}  case report\\.pdf\n$")
                 .match(QString::fromUtf8(seal.readAll()))
                 .hasMatch(),
             "not sha256sum's format");
    int status = -1;
    RunTool("sha256sum", {"-c", "case report.pdf.sha256"}, &status, work.path());
    QCOMPARE(status, 0);

    // One byte in the middle of the report, changed by one bit.
    QFile report(pdf);
    QVERIFY(report.open(QIODevice::ReadWrite));
    const qint64 middle = report.size() / 2;
    QVERIFY(report.seek(middle));
    char byte = 0;
    QVERIFY(report.getChar(&byte));
    QVERIFY(report.seek(middle));
    QVERIFY(report.putChar(static_cast<char>(byte ^ 1)));
    report.close();
    RunTool("sha256sum", {"--quiet", "-c", "case report.pdf.sha256"}, &status, work.path());
    QCOMPARE(status, 1);

    const QString info = RunTool("pdfinfo", {pdf}) + RunTool("pdfinfo", {"-meta", pdf});
    QVERIFY2(info.contains(QRegularExpression("PDF version: +1\\.4")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression("pdfaid:part[^0-9]{1,3}1")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression("pdfaid:conformance[^A-Z]{1,3}B")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression("Title: +Verification report, Case 2026/114")),
             qPrintable(info));
}

void TestQuorlithVerify::pdfReportProperties_data()
{
    QTest::addColumn<QStringList>("details");
    QTest::addColumn<QStringList>("info");     // lines pdfinfo shows
    QTest::addColumn<QStringList>("metadata"); // what the XMP metadata holds
    const QString subject = "Authenticity of video-surveillance evidence files by their recorder watermarks";
    QTest::newRow("examiner and exhibits")
        << QStringList{"--case",    "2026/114",        "--examiner", QString::fromUtf8("A. N\u202Eelson"),
                       "--exhibit", "EX-1 <USB> & co", "--exhibit",  "EX-2"}
        << QStringList{"Title: +Verification report, Case 2026/114\n",
                       "Subject: +" + subject + "; Exhibit EX-1 <USB> & co, EX-2\n",
                       "Author: +A\\. N\\\\u\\{202E\\}elson\n"}
        << QStringList{">Verification report, Case 2026/114</rdf:li>",
                       ">" + subject + "; Exhibit EX-1 &lt;USB&gt; &amp; co, EX-2</rdf:li>",
                       "<dc:creator>\\s*<rdf:Seq>\\s*<rdf:li>A\\. N\\\\u\\{202E\\}elson</rdf:li>"};
    // A character XML does not take keeps the metadata readable, written as the page writes it.
    QTest::newRow("a noncharacter in the examiner's name")
        << QStringList{"--examiner", QString::fromUtf8("B. \uFFFF")}
        << QStringList{"Author: +B\\. \\\\u\\{FFFF\\}\n"}
        << QStringList{"<rdf:li>B\\. \\\\u\\{FFFF\\}</rdf:li>"};
    QTest::newRow("no case details") << QStringList{}
                                     << QStringList{"Title: +Verification report\n",
                                                    "Subject: +" + subject + "\n"}
                                     << QStringList{">Verification report</rdf:li>",
                                                    ">" + subject + "</rdf:li>"};
}

// The document properties carry the title, the subject and the examiner as author, both in the document
// information that pdfinfo reads and in the XMP metadata, escaped as on the page; the report stays
// PDF/A-1b and checks against its SHA-256 file.
void TestQuorlithVerify::pdfReportProperties()
{
    QFETCH(QStringList, details);
    QFETCH(QStringList, info);
    QFETCH(QStringList, metadata);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString pdf = work.filePath("report.pdf");
    QCOMPARE(Verify(QStringList{"--report", pdf} + details + QStringList{Evidence("photo.jpg")}).exitCode, 0);

    const QString shown = RunTool("pdfinfo", {pdf});
    for (const QString& line : info)
        QVERIFY2(QRegularExpression(line).match(shown).hasMatch(), qPrintable(line + "\n" + shown));
    QVERIFY2(shown.contains("Author:") == details.contains("--examiner"), qPrintable(shown));
    const QString xmp = RunTool("pdfinfo", {"-meta", pdf});
    for (const QString& part : metadata)
        QVERIFY2(QRegularExpression(part).match(xmp).hasMatch(), qPrintable(part + "\n" + xmp));
    QVERIFY2(xmp.contains(QRegularExpression("pdfaid:part[^0-9]{1,3}1")), qPrintable(xmp));
    QVERIFY2(xmp.contains(QRegularExpression("pdfaid:conformance[^A-Z]{1,3}B")), qPrintable(xmp));
    QVERIFY(!(shown + xmp).contains(QChar(0x202E)));
    // The text is whole after the update of the properties.
    QVERIFY(PdfPages(pdf).join(QString()).contains("photo.jpg"));
    int status = -1;
    RunTool("sha256sum", {"-c", "report.pdf.sha256"}, &status, work.path());
    QCOMPARE(status, 0);
}

// The case number and the examiner head every page, the identifier stands in every footer, the same on
// all; the facts list every field given, each through the reversible escaping, and the last page carries
// the signature block.
void TestQuorlithVerify::caseDetailsOnEveryPage()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString pdf = work.filePath("report.pdf");
    const QStringList files{Evidence("photo.jpg"), Evidence("sub/clip.AVI"), Evidence("sub/tampered.mxg")};
    const Run run =
        Verify(QStringList{"--report", pdf, "--case", "2026/114", "--exhibit", "EX-1 USB stick",
                           "--exhibit=EX-2 DVD", "--examiner", QString::fromUtf8("A. N\u202Eelson"),
                           "--organisation", "Forensic Unit 3", "--note", "second look"} +
               files);
    QCOMPARE(run.exitCode, 1);
    const QStringList pages = PdfPages(pdf);
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    const QRegularExpression identifier(
        "Report ([0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12})");
    QSet<QString> identifiers;
    for (int page = 0; page < pages.size(); ++page) {
        const QString text = pages[page].simplified();
        QVERIFY2(text.contains("Case 2026/114"), qPrintable(QString("page %1: %2").arg(page + 1).arg(text)));
        QVERIFY2(text.contains("Examiner A. N\\u{202E}elson"),
                 qPrintable(QString("page %1: %2").arg(page + 1).arg(text)));
        QVERIFY2(!text.contains(QChar(0x202E)), qPrintable(QString("page %1").arg(page + 1)));
        QVERIFY2(text.contains(QString("Page %1 of %2").arg(page + 1).arg(pages.size())), qPrintable(text));
        const QRegularExpressionMatch match = identifier.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(QString("page %1: %2").arg(page + 1).arg(text)));
        identifiers << match.captured(1);
    }
    QCOMPARE(identifiers.size(), 1);
    const QString first = pages.first().simplified();
    for (const QString field :
         {"Exhibit EX-1 USB stick", "Exhibit EX-2 DVD", "Organisation Forensic Unit 3", "Note second look"})
        QVERIFY2(first.contains(field), qPrintable(field + "\n" + first));
    // What the report was made with, as the program found it at run time.
    for (const QString& fact : {"Operating system " + QSysInfo::prettyProductName(),
                                QSysInfo::kernelVersion(), "Qt version " + QString::fromLatin1(qVersion())})
        QVERIFY2(first.contains(fact), qPrintable(fact + "\n" + first));
    QVERIFY2(first.contains(QRegularExpression("Crypto library [A-Za-z][^\\n]* \\d+\\.\\d+\\.\\d+")),
             qPrintable(first));
    QVERIFY2(first.contains(QRegularExpression("Source revision ([0-9a-f]{40}|unknown) ")),
             qPrintable(first));
    QVERIFY2(first.contains("start and stop times carry no time zone"), qPrintable(first));
    // The file-system facts read when the file was verified stand in its block.
    struct stat photo;
    QCOMPARE(stat(QFile::encodeName(Evidence("photo.jpg")).constData(), &photo), 0);
    QVERIFY2(pages.join(QString()).simplified().contains(QString("inode %1; modified ").arg(photo.st_ino)),
             qPrintable(pages.join(QString())));
    const QString last = pages.last().simplified();
    for (const QString field : {"Signatures", "Reviewer or witness", "Signature", "Date"})
        QVERIFY2(last.contains(field), qPrintable(field + "\n" + last));

    // A second report of the same files gets an identifier of its own.
    const QString second = work.filePath("again.pdf");
    QCOMPARE(Verify(QStringList{"--report", second} + files).exitCode, 1);
    const QRegularExpressionMatch again = identifier.match(PdfPages(second).first());
    QVERIFY(again.hasMatch());
    QVERIFY(!identifiers.contains(again.captured(1)));
}

void TestQuorlithVerify::caseDetailsNeedAReport_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("--case without --report") << QStringList{"--case", "1"};
    QTest::newRow("--exhibit= without --report") << QStringList{"--exhibit=EX-1"};
    QTest::newRow("--examiner without --report") << QStringList{"--examiner", "A. Nelson"};
    QTest::newRow("--organisation without --report") << QStringList{"--organisation", "Unit"};
    QTest::newRow("--note without --report") << QStringList{"--note", "n"};
    QTest::newRow("--note with no text") << QStringList{"--report", "r.pdf", "--note"};
    // A text beyond its bound stops the run before any file is verified, not after it.
    QTest::newRow("--case of 5,100 characters")
        << QStringList{"--report", "r.pdf", "--case", QString(5100, 'c')};
    QTest::newRow("--examiner of 201 bytes")
        << QStringList{"--report", "r.pdf", "--examiner", QString(201, 'e')};
    QStringList exhibits{"--report", "r.pdf"};
    for (int i = 0; i < 21; ++i)
        exhibits << "--exhibit" << QString("EX-%1").arg(i);
    QTest::newRow("21 exhibits") << exhibits;
}

// Case details describe a report: without one, without their text, or with more text than a report
// takes, the command line is wrong.
void TestQuorlithVerify::caseDetailsNeedAReport()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const Run run = Verify(QStringList{Evidence("photo.jpg")} + arguments, work.path());
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.out.isEmpty(), run.out.constData());
    QVERIFY(QDir(work.path()).isEmpty());
}

// The facts name the working folder and the command line; the summary numbers each file and names it
// below the folder given, so that a/photo.jpg and b/photo.jpg stay apart; the blocks give absolute paths.
void TestQuorlithVerify::pdfReportNamesPathsAsGiven()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(QDir(work.path()).mkpath("case1/a") && QDir(work.path()).mkpath("case1/b"));
    QVERIFY(QFile::copy(Evidence("photo.jpg"), work.filePath("case1/a/photo.jpg")));
    QVERIFY(QFile::copy(Evidence("photo.jpg"), work.filePath("case1/b/photo.jpg")));
    const QString program = QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify");
    const Run run = Verify({"--report", "report.pdf", "-j", "1", "case1"}, work.path());
    QCOMPARE(run.exitCode, 0);

    QProcess text;
    text.start("pdftotext", {"-layout", "-enc", "UTF-8", work.filePath("report.pdf"), "-"});
    QVERIFY(text.waitForFinished(60000));
    const QString report = QString::fromUtf8(text.readAllStandardOutput());
    const QString folder = QDir(work.path()).canonicalPath();
    // A block starts a line, or a page when the one before fills the page.
    const QStringList lines = {
        "Working folder +" + QRegularExpression::escape(folder) + "\n",
        "\n1 +a/photo.jpg +Authentication succeeded",
        "\n2 +b/photo.jpg +Authentication succeeded",
        "[\n\f]1\\. photo.jpg\nFull path +" + QRegularExpression::escape(folder + "/case1/a/photo.jpg") +
            "\n",
        "[\n\f]2\\. photo.jpg\nFull path +" + QRegularExpression::escape(folder + "/case1/b/photo.jpg") +
            "\n",
    };
    for (const QString& line : lines)
        QVERIFY2(QRegularExpression(line).match(report).hasMatch(), qPrintable(line + "\n" + report));
    // A long command line wraps anywhere: read without the breaks.
    const int start = report.indexOf("Command line");
    QString commandLine = report.mid(start, report.indexOf("Key set 1", start) - start);
    commandLine.remove(QRegularExpression("\\s"));
    QCOMPARE(commandLine, "Commandline" + program + "--reportreport.pdf-j1case1");
}

// A character that no font of the report can draw is written escaped, and the run says so.
void TestQuorlithVerify::pdfReportSaysWhatItEscaped()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString missing = work.filePath(QString::fromUcs4(U"\U00010000.jpg"));
    const Run run = Verify({"--report", work.filePath("report.pdf"), missing});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err,
             QByteArray("quorlith-verify: the PDF report shows characters that none of its fonts can "
                        "draw in their escaped form: \\u{10000}\n") +
                 ReportWrittenNote(QFile::encodeName(work.filePath("report.pdf"))));
}

// SIGTERM once every file is verified, while the report of thousands is laid out: the program ends with
// the signal's status, says the report was not written, writes no summary line and leaves nothing.
void TestQuorlithVerify::signalWhileTheReportIsLaidOut()
{
    const QString links = ManyLinks();
    QVERIFY(!links.isEmpty());
    QTemporaryDir work;
    QVERIFY(work.isValid());
    SignalsProcess process(0);
    process.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"),
                  {"--report", work.filePath("report.pdf"), links});
    // The report is laid out once the last file's line is out, before the summary, into a file of a
    // temporary name that appears as the layout begins.
    QByteArray out;
    while (out.count('\n') < kLinkCount && process.waitForReadyRead(60000))
        out += process.readAllStandardOutput();
    QCOMPARE(out.count('\n'), kLinkCount);
    const auto entries = [&work] {
        return QDir(work.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    };
    QElapsedTimer waited;
    waited.start();
    while (entries().isEmpty() && process.state() == QProcess::Running && waited.elapsed() < 60000)
        QTest::qWait(2);
    QVERIFY(!entries().isEmpty());
    QCOMPARE(kill(static_cast<pid_t>(process.processId()), SIGTERM), 0);
    QVERIFY(process.waitForFinished(60000));
    out += process.readAllStandardOutput();
    QCOMPARE(out.count('\n'), kLinkCount);
    QVERIFY(!out.contains("Total files:"));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 143);
    QCOMPARE(
        process.readAllStandardError(),
        QByteArray(
            "quorlith-verify: interrupted by SIGTERM after the last file; the PDF report was not written\n"));
    QCOMPARE(
        QDir(work.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QStringList());
}

// When the digest cannot be written beside the report (here a folder holds its name, which only
// --overwrite lets the run go past), the report is not left without it: neither stays, and the
// message still gives the report's SHA-256.
void TestQuorlithVerify::reportWithoutItsDigestIsNotLeft()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(QDir(work.path()).mkdir("report.pdf.sha256"));
    const Run run = Verify({"--report", work.filePath("report.pdf"), "--overwrite", Evidence("photo.jpg")});
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(QRegularExpression(
                 "^quorlith-verify: the SHA-256 of the PDF report '[^']*report\\.pdf', [0-9a-f]{64} "
                 "could not be written beside it: [^;\\n]+; the report was removed\\n$")
                 .match(QString::fromUtf8(run.err))
                 .hasMatch(),
             run.err.constData());
    QCOMPARE(
        QDir(work.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QStringList{"report.pdf.sha256"});
    QVERIFY(QFileInfo(work.filePath("report.pdf.sha256")).isDir());
}

// In German the verdicts are long ("Prüfung fehlgeschlagen"): every column is as wide as its text
// needs, so that no word ends closer to the next word on its line than a space's width.
void TestQuorlithVerify::pdfReportColumnsKeepApart()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const Run run = Verify({"--report", work.filePath("report.pdf"), Evidence("photo.jpg"),
                            Evidence("sub/tampered.mxg"), Evidence("sub/clip.AVI")},
                           QString(), 60000, "de_DE.UTF-8");
    QCOMPARE(run.exitCode, 1);
    QProcess text;
    text.start("pdftotext", {"-bbox", "-enc", "UTF-8", work.filePath("report.pdf"), "-"});
    QVERIFY(text.waitForFinished(60000));
    const QString boxes = QString::fromUtf8(text.readAllStandardOutput());
    struct Word
    {
        double left, top, right;
        QString text;
    };
    int checked = 0;
    for (const QString& page : boxes.split("<page ").mid(1)) {
        QList<Word> words;
        const QRegularExpression item("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                                      "yMax=\"[0-9.]+\">([^<]*)</word>");
        for (QRegularExpressionMatchIterator it = item.globalMatch(page); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            words.append({match.captured(1).toDouble(), match.captured(2).toDouble(),
                          match.captured(3).toDouble(), match.captured(4)});
        }
        for (const Word& word : words) {
            if (!word.text.startsWith("fehlgeschlagen") && !word.text.startsWith("bestanden"))
                continue;
            // The nearest word to its right on the same line.
            for (const Word& next : words) {
                if (qAbs(next.top - word.top) < 2 && next.left > word.left && next.left - word.right < 2.5)
                    QFAIL(qPrintable(word.text + " touches " + next.text));
            }
            ++checked;
        }
    }
    QVERIFY(checked >= 6);
}

void TestQuorlithVerify::pdfReportTimesWithTheirOffset_data()
{
    QTest::addColumn<QString>("timeZone");
    QTest::addColumn<QString>("offset");
    // POSIX counts west of Greenwich as positive: "XST-05:30" is five and a half hours east of UTC.
    QTest::newRow("UTC+05:30") << "XST-05:30"
                               << "+05:30";
    QTest::newRow("UTC-04:30") << "XST+04:30"
                               << "-04:30";
    QTest::newRow("UTC+01:00") << "XST-01"
                               << "+01:00";
    QTest::newRow("UTC") << "UTC0"
                         << "+00:00";
}

// The report gives the start and the end of the verification and the time it was written, each as a
// local time with its offset from UTC: read back together they must name the moments of the run.
void TestQuorlithVerify::pdfReportTimesWithTheirOffset()
{
    QFETCH(QString, timeZone);
    QFETCH(QString, offset);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TZ", timeZone);
    process.setProcessEnvironment(environment);
    const QDateTime before = QDateTime::currentDateTimeUtc().addMSecs(-1000);
    process.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"),
                  {"--report", work.filePath("report.pdf"), Evidence("photo.jpg")});
    QVERIFY(process.waitForFinished(60000));
    const QDateTime after = QDateTime::currentDateTimeUtc().addMSecs(1000);
    QCOMPARE(process.exitCode(), 0);

    QProcess text;
    text.start("pdftotext", {"-layout", "-enc", "UTF-8", work.filePath("report.pdf"), "-"});
    QVERIFY(text.waitForFinished(60000));
    const QString report = QString::fromUtf8(text.readAllStandardOutput());
    QDateTime previous = before;
    for (const QString label : {"Verification started", "Verification ended", "Report written"}) {
        const QRegularExpressionMatch match =
            QRegularExpression(label +
                               " +(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d) UTC([+-]\\d\\d:\\d\\d)\n")
                .match(report);
        QVERIFY2(match.hasMatch(), qPrintable(label + "\n" + report));
        QCOMPARE(match.captured(2), offset);
        const QDateTime moment =
            QDateTime::fromString(match.captured(1) + match.captured(2), "yyyy-MM-dd HH:mm:sst");
        QVERIFY2(moment.isValid(), qPrintable(match.captured(0)));
        const QDateTime utc = moment.toUTC();
        QVERIFY2(utc >= previous.addMSecs(-1000) && utc <= after,
                 qPrintable(label + ": " + utc.toString(Qt::ISODate)));
        previous = utc;
    }
    QVERIFY2(report.contains("Verification report written "), qPrintable(report));
}

void TestQuorlithVerify::pdfReportOnAFullDisk_data()
{
    QTest::addColumn<bool>("onTmpfs");
    QTest::newRow("a tmpfs without room for the last page") << true;
    QTest::newRow("a file size limit 400 bytes short") << false;
}

// The disk fills while the report's last bytes are written: the run says so in the system's words and
// leaves no report, not a report without its end. A small tmpfs is the full disk where one can be
// mounted (as root); elsewhere a file size limit plays it.
void TestQuorlithVerify::pdfReportOnAFullDisk()
{
    QFETCH(bool, onTmpfs);
    QTemporaryDir measureDir;
    QVERIFY(measureDir.isValid());
    const QStringList files{Evidence("photo.jpg"), Evidence("sub/clip.AVI")};
    const Run whole = Verify(QStringList{"--report", measureDir.filePath("report.pdf")} + files);
    QCOMPARE(whole.exitCode, 0);
    const qint64 wholeSize = QFileInfo(measureDir.filePath("report.pdf")).size();
    QVERIFY(wholeSize > 8192);

    QTemporaryDir target;
    QVERIFY(target.isValid());
    const qint64 page = 4096;
    // The times and the random identifier in the report change its compressed size by up to some 150
    // bytes from one run to the next.
    const qint64 shortBy = 400;
    const qint64 room = (wholeSize - shortBy) / page * page;
    const QByteArray options = "size=" + QByteArray::number(room + 2 * page) + ",mode=0755";
    const bool mounted = onTmpfs && mount("tmpfs", QFile::encodeName(target.path()).constData(), "tmpfs", 0,
                                          options.constData()) == 0;
    QStringList left;
    if (mounted) {
        QVERIFY(WriteAll(target.filePath("filler"), QByteArray(2 * page, 'f')));
        left << "filler";
    } else if (onTmpfs) {
        qInfo("no tmpfs can be mounted here: a file size limit plays the full disk");
    }
    SizeLimitedProcess process(mounted ? RLIM_INFINITY : static_cast<rlim_t>(wholeSize - shortBy));
    process.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"),
                  QStringList{"--report", target.filePath("report.pdf")} + files);
    const bool finished = process.waitForFinished(60000);
    const QStringList found =
        QDir(target.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (mounted)
        umount(QFile::encodeName(target.path()).constData());
    QVERIFY(finished);

    QCOMPARE(process.exitCode(), 3);
    QCOMPARE(process.readAllStandardOutput(), whole.out);
    const QByteArray expected =
        "quorlith-verify: the PDF report '" + QFile::encodeName(target.filePath("report.pdf")) +
        "' could not be written: " + QByteArray(std::strerror(mounted ? ENOSPC : EFBIG)) + "\n";
    QCOMPARE(process.readAllStandardError(), expected);
    QCOMPARE(found, left);
}

// A file changed after its result came in, while the run goes on: the report, written at the end, says
// that it changed. The output is not read meanwhile, so the run waits on a full pipe until the change
// is made (the JSON lines of the files after it are far more than a pipe holds).
void TestQuorlithVerify::reportChecksTheStateWhenWritten()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString early = work.filePath("early.jpg");
    QVERIFY(StampMedia(MediaPath("still.jpg"), early, "1.0"));
    const QString later = work.filePath("later");
    QVERIFY(QDir().mkpath(later));
    const int laterCount = 150;
    for (int i = 0; i < laterCount; ++i) {
        const QByteArray name = QFile::encodeName(later + QString("/%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
        QCOMPARE(link(QFile::encodeName(Evidence("photo.jpg")).constData(), name.constData()), 0);
    }

    QProcess process;
    process.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify"),
                  {"--json", "-j1", "--report", work.filePath("report.pdf"), early, later});
    QByteArray out;
    // The second line is written after the first file's result went to the report.
    while (out.count('\n') < 2 && process.waitForReadyRead(60000))
        out += process.readAllStandardOutput();
    QVERIFY(out.count('\n') >= 2);
    QFile file(early);
    QVERIFY(file.open(QIODevice::Append) && file.write("x", 1) == 1);
    file.close();
    QVERIFY(process.waitForFinished(60000));
    out += process.readAllStandardOutput();
    QCOMPARE(process.exitCode(), 0);
    const QList<QJsonObject> objects = JsonLines(out);
    QCOMPARE(objects.size(), 1 + laterCount);
    QCOMPARE(objects[0]["path"].toString(), early);
    QCOMPARE(objects[0]["authentic"].toBool(), true);

    QProcess text;
    text.start("pdftotext", {"-enc", "UTF-8", work.filePath("report.pdf"), "-"});
    QVERIFY(text.waitForFinished(60000));
    const QString report = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    QCOMPARE(report.count("the file changed after it was verified."), 1);
    QCOMPARE(report.count("still match the file that was verified."), laterCount);
}

// Beyond PATH_MAX bytes the system takes no path in one call; the files there are evidence all
// the same and each must get its line.
void TestQuorlithVerify::folderDeeperThanPathMax()
{
    QTemporaryDir deepDir;
    QVERIFY(deepDir.isValid());
    const QByteArray root = QFile::encodeName(deepDir.filePath("export"));
    QVERIFY(QDir().mkpath(deepDir.filePath("export")));
    const QByteArray bottom = DeepFolders::Make(root, 5000);
    QVERIFY(bottom.size() > PATH_MAX);
    QVERIFY(StampMedia(MediaPath("still.jpg"), deepDir.filePath("photo.jpg"), "1.0"));
    QVERIFY(StampMedia(MediaPath("clip-mdat-first.mp4"), deepDir.filePath("tampered.mp4"), "1.0"));
    QVERIFY(Poke(deepDir.filePath("tampered.mp4"), 100, 0x00));
    for (const QByteArray name : {"photo.jpg", "tampered.mp4"})
        QVERIFY(DeepFolders::MoveInto(QFile::encodeName(deepDir.filePath(name)), bottom, name));

    const Run both = Verify({"--json", QFile::decodeName(root)});
    const int bottomFd = DeepFolders::Open(bottom);
    const bool tamperedRemoved = bottomFd >= 0 && unlinkat(bottomFd, "tampered.mp4", 0) == 0;
    if (bottomFd >= 0)
        close(bottomFd);
    const Run authenticAlone = Verify({"--json", QFile::decodeName(root)});
    QVERIFY(DeepFolders::Remove(root));

    QCOMPARE(both.exitCode, 1);
    const QList<QJsonObject> objects = JsonLines(both.out);
    QCOMPARE(objects.size(), 2);
    QCOMPARE(objects[0]["path"].toString(), QFile::decodeName(bottom + "/photo.jpg"));
    QCOMPARE(objects[1]["path"].toString(), QFile::decodeName(bottom + "/tampered.mp4"));
    QCOMPARE(objects[0]["authentic"].toBool(), true);
    QCOMPARE(objects[1]["authentic"].toBool(), false);
    QCOMPARE(objects[1]["reason"].toString(), QString("content-mismatch"));
    QVERIFY(tamperedRemoved);
    QCOMPARE(JsonLines(authenticAlone.out).size(), 1);
    QCOMPARE(authenticAlone.exitCode, 0);
}

// A folder given that yields nothing to verify must not pass for one whose files are all authentic.
void TestQuorlithVerify::folderWithoutEvidence_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::newRow("empty folder") << QStringList();
    QTest::newRow("only .txt files") << QStringList{"notes.txt", "readme.txt"};
    QTest::newRow("evidence names only on other endings") << QStringList{"photo.jpeg", "clip.mp4.txt"};
    QTest::newRow("evidence only hidden or linked") << QStringList{".hidden.jpg", "link.jpg"};
    QTest::newRow("only an empty subfolder") << QStringList{"sub/"};
}

void TestQuorlithVerify::folderWithoutEvidence()
{
    QFETCH(QStringList, files);
    QTemporaryDir folderDir;
    QVERIFY(folderDir.isValid());
    const QString folder = folderDir.path();
    for (const QString& file : files) {
        if (file.endsWith('/'))
            QVERIFY(QDir(folder).mkdir(file));
        else if (file.startsWith("link"))
            QVERIFY(QFile::link(Evidence("photo.jpg"), folderDir.filePath(file)));
        else
            QVERIFY(QFile::copy(Evidence("photo.jpg"), folderDir.filePath(file)));
    }

    const Run json = Verify({"--json", folder});
    const Run text = Verify({folder});
    QCOMPARE(json.exitCode, 1);
    const QList<QJsonObject> objects = JsonLines(json.out);
    QCOMPARE(objects.size(), 1);
    QCOMPARE(objects[0]["path"].toString(), folder);
    QCOMPARE(objects[0]["authentic"].toBool(), false);
    QCOMPARE(objects[0]["reason"].toString(), QString("no-evidence"));
    QCOMPARE(text.exitCode, 1);
    QVERIFY2(text.out.startsWith("Authentication failed  " + QFile::encodeName(folder) + "  "), text.out);
    QVERIFY2(text.out.contains("Reason: the folder holds no file ending in .jpg, .avi, .mp4 or .mxg."),
             text.out);
}

// An entry the search cannot look into is listed with its reason, whatever its name: it may be a
// folder full of evidence.
void TestQuorlithVerify::entryThatCannotBeExamined_data()
{
    QTest::addColumn<int>("lockedMode");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("folder that cannot be opened")
        << 0 << QStringList{"locked unreadable", "open.jpg authentic"};
    QTest::newRow("folder that can be listed but not entered")
        << 0444
        << QStringList{"locked/inner unreadable", "locked/photo.jpg unreadable", "open.jpg authentic"};
}

void TestQuorlithVerify::entryThatCannotBeExamined()
{
    QFETCH(int, lockedMode);
    QFETCH(QStringList, lines);
    QTemporaryDir lockedDir;
    QVERIFY(lockedDir.isValid());
    const QString folder = lockedDir.path();
    const QByteArray locked = QFile::encodeName(folder + "/locked");
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                              QFileDevice::ExeOther));
    QVERIFY(QDir().mkpath(folder + "/locked/inner"));
    QVERIFY(StampMedia(MediaPath("still.jpg"), folder + "/locked/inner/photo.jpg", "1.0"));
    QVERIFY(StampMedia(MediaPath("still.jpg"), folder + "/locked/photo.jpg", "1.0"));
    QVERIFY(WriteAll(folder + "/locked/notes.txt", "examiner's notes"));
    QVERIFY(StampMedia(MediaPath("still.jpg"), folder + "/open.jpg", "1.0"));
    QVERIFY(QFile::setPermissions(folder + "/open.jpg", QFileDevice::ReadOwner | QFileDevice::ReadOther));
    QCOMPARE(chmod(locked.constData(), mode_t(lockedMode)), 0);

    const QStringList arguments{"--json", folder};
    QProcess process;
    StartUnprivileged(&process, arguments);
    const bool finished = process.waitForFinished(60000);
    chmod(locked.constData(), 0755);
    QVERIFY(finished);

    QCOMPARE(process.exitCode(), 1);
    QStringList found;
    for (const QJsonObject& object : JsonLines(process.readAllStandardOutput()))
        found << object["path"].toString().mid(folder.size() + 1) + " " +
                     (object["authentic"].toBool() ? "authentic" : object["reason"].toString());
    QCOMPARE(found, lines);
}

QTEST_GUILESS_MAIN(TestQuorlithVerify)
#include "TestQuorlithVerify.moc"
