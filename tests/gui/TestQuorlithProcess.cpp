// SPDX-License-Identifier: Apache-2.0
// The window program as a process: what a run started in the evidence folder leaves there, and how
// a termination signal ends it.
#include "tests/support/EvidenceFiles.h"
#include "tests/support/SecondFamily.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QString TimesOf(const struct stat& status)
{
    return QStringLiteral("size %1 modified %2.%3 changed %4.%5")
        .arg(status.st_size)
        .arg(status.st_mtim.tv_sec)
        .arg(status.st_mtim.tv_nsec)
        .arg(status.st_ctim.tv_sec)
        .arg(status.st_ctim.tv_nsec);
}

// The folder itself and each of its entries, hidden ones included, with size and times to the
// nanosecond; names as bytes.
QStringList FolderState(const QString& folder)
{
    QStringList state;
    struct stat status;
    const QByteArray path = QFile::encodeName(folder);
    if (stat(path.constData(), &status) == 0)
        state << QStringLiteral(". ") + TimesOf(status);
    DIR* dir = opendir(path.constData());
    while (dir != nullptr) {
        const dirent* entry = readdir(dir);
        if (entry == nullptr)
            break;
        const QByteArray name(entry->d_name);
        if (name != "." && name != ".." &&
            fstatat(dirfd(dir), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0)
            state << QString::fromLatin1(name.toHex()) + QLatin1Char(' ') + TimesOf(status);
    }
    if (dir != nullptr)
        closedir(dir);
    state.sort();
    return state;
}

QProcessEnvironment ProgramEnvironment(const QTemporaryDir& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    return environment;
}

// Whether the process has its own handler for the signal, from the caught-signals mask in /proc.
bool CatchesSignal(qint64 pid, int signalNumber)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            bool ok = false;
            const qulonglong mask = line.mid(7).trimmed().toULongLong(&ok, 16);
            return ok && (mask >> (signalNumber - 1) & 1) != 0;
        }
    }
    return false;
}
} // namespace

class TestQuorlithProcess : public QObject
{
    Q_OBJECT

private slots:
    void runInTheEvidenceFolderChangesNothingThere();
    void sigtermEndsCleanly();
    void withoutADisplayItSaysSo();
    void machineCryptoSettingsChangeNothing();
    void userKeySetsLoadedAtStart();
};

// The examiner starts the program inside the evidence folder and verifies what lies there, a file
// whose name is not UTF-8 and one named as an earlier version's copies were among it: every file gets
// its true row, and the folder keeps its entries, their sizes and times and its own times.
void TestQuorlithProcess::runInTheEvidenceFolderChangesNothingThere()
{
    QTemporaryDir work;
    QTemporaryDir home;
    QVERIFY(work.isValid() && home.isValid());
    QVERIFY(!MakeEvidence(work.path(), "clip-faststart.mp4", "clip.mp4").isEmpty());
    QVERIFY(!MakeTamperedEvidence(work.path(), "clip.avi", "clip.avi").isEmpty());
    QVERIFY(!MakeEvidence(work.path(), "still.jpg", ".quorlith-1-a1B2c3.jpg").isEmpty());
    const QString made = MakeEvidence(work.path(), "still.jpg", "made.jpg");
    QVERIFY(!made.isEmpty());
    const QByteArray nonUtf8 = QFile::encodeName(work.filePath("caf")) + "\xE9.jpg";
    QVERIFY(std::rename(QFile::encodeName(made).constData(), nonUtf8.constData()) == 0);
    // QTemporaryDir cannot remove a name that is not UTF-8.
    const std::shared_ptr<void> removeNonUtf8(nullptr, [&](void*) { unlink(nonUtf8.constData()); });
    QTest::qWait(20); // so that a write would show in the times
    const QStringList before = FolderState(work.path());

    QProcess program;
    QProcessEnvironment environment = ProgramEnvironment(home);
    environment.insert("QUORLITH_SELF_TEST_LIST_ROWS", "1");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(work.path());
    program.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith"),
                  {"clip.mp4", "clip.avi", ".quorlith-1-a1B2c3.jpg", QFile::decodeName("caf\xE9.jpg")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);

    QStringList rows;
    for (const QByteArray& line : program.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            rows << QString::fromUtf8(line.split('\t').mid(0, 2).join('\t'));
    }
    rows.sort();
    QCOMPARE(rows, QStringList({".quorlith-1-a1B2c3.jpg\tAuthentication succeeded",
                                "caf\\xE9.jpg\tAuthentication succeeded", "clip.avi\tAuthentication failed",
                                "clip.mp4\tAuthentication succeeded"}));
    QCOMPARE(FolderState(work.path()), before);
}

// The program loads the user's key folder before it verifies anything: evidence of a family found there
// is authentic, and a key file it cannot take is told on standard error, one line each.
void TestQuorlithProcess::userKeySetsLoadedAtStart()
{
    QTemporaryDir work;
    QTemporaryDir home;
    QVERIFY(work.isValid() && home.isValid());
    const QString keys = home.filePath("config/quorlith/keys.d");
    QVERIFY(QDir().mkpath(keys));
    QVERIFY(!CopySecondFamilyKeyFile(keys).isEmpty());
    QVERIFY(WriteAll(keys + "/unfinished.key", "quorlith-key-set 1\nname: Unfinished\n"));
    QVERIFY(
        QFile::setPermissions(keys + "/unfinished.key", QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(!MakeSecondFamilyEvidence(work.path(), "clip.avi", "second.avi").isEmpty());
    QVERIFY(!MakeEvidence(work.path(), "still.jpg", "built-in.jpg").isEmpty());

    QProcess program;
    QProcessEnvironment environment = ProgramEnvironment(home);
    environment.insert("QUORLITH_SELF_TEST_LIST_ROWS", "1");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(work.path());
    program.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith"), {"second.avi", "built-in.jpg"});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    QStringList rows;
    for (const QByteArray& line : program.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            rows << QString::fromUtf8(line.split('\t').mid(0, 2).join('\t'));
    }
    rows.sort();
    QCOMPARE(rows,
             QStringList({"built-in.jpg\tAuthentication succeeded", "second.avi\tAuthentication succeeded"}));
    QList<QByteArray> errors;
    for (const QByteArray& line : program.readAllStandardError().split('\n')) {
        if (line.contains("key set"))
            errors << line;
    }
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().startsWith("quorlith: key set not loaded: " + QFile::encodeName(keys) +
                                       "/unfinished.key: "),
             errors.first().constData());
}

// The machine's OpenSSL configuration is not read: one that loads only the provider that does nothing
// made every authentic file fail in the window, since no watermark block opened.
void TestQuorlithProcess::machineCryptoSettingsChangeNothing()
{
    QTemporaryDir work;
    QTemporaryDir home;
    QVERIFY(work.isValid() && home.isValid());
    QVERIFY(!MakeEvidence(work.path(), "still.jpg", "still.jpg").isEmpty());
    const QString configuration = home.filePath("null-provider.cnf");
    QVERIFY(WriteAll(configuration, "openssl_conf = openssl_init\n"
                                    "[openssl_init]\nproviders = provider_sect\n"
                                    "[provider_sect]\nnull = null_sect\n"
                                    "[null_sect]\nactivate = 1\n"));

    QProcess program;
    QProcessEnvironment environment = ProgramEnvironment(home);
    environment.insert("QUORLITH_SELF_TEST_LIST_ROWS", "1");
    environment.insert("OPENSSL_CONF", configuration);
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(work.path());
    program.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith"), {"still.jpg"});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    const QList<QByteArray> row = program.readAllStandardOutput().trimmed().split('\t');
    QCOMPARE(row.mid(0, 2), (QList<QByteArray>{"still.jpg", "Authentication succeeded"}));
}

void TestQuorlithProcess::sigtermEndsCleanly()
{
    QTemporaryDir work;
    QTemporaryDir home;
    QVERIFY(work.isValid() && home.isValid());

    QProcess program;
    program.setProcessEnvironment(ProgramEnvironment(home));
    program.setWorkingDirectory(work.path());
    program.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith"), QStringList());
    QVERIFY(program.waitForStarted());
    // Its handler is installed once the window stands.
    QTRY_VERIFY_WITH_TIMEOUT(CatchesSignal(program.processId(), SIGTERM), 30000);

    QCOMPARE(kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QSettings saved(home.filePath("config/Trevalon Inc./Trevalon Quorlith.conf"), QSettings::IniFormat);
    QVERIFY(saved.contains("Pos"));
    QVERIFY(saved.contains("Size"));
}

// No window system to reach: a message that says so and status 1, not an abort.
void TestQuorlithProcess::withoutADisplayItSaysSo()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment environment = ProgramEnvironment(home);
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith"), {"photo.jpg"});
    QVERIFY(program.waitForFinished(60000));

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QByteArray err = program.readAllStandardError();
    QVERIFY2(err.contains("quorlith: the window cannot be shown: no display could be reached"), err);
}

QTEST_GUILESS_MAIN(TestQuorlithProcess)
#include "TestQuorlithProcess.moc"
