// SPDX-License-Identifier: Apache-2.0
// The window program as a process: what its start does in the working folder, and how a
// termination signal ends it.
#include "EndedProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
bool WriteFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("bytes") == 5;
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
    void startSweepsStaleCopiesAndSigtermEndsCleanly();
};

void TestQuorlithProcess::startSweepsStaleCopiesAndSigtermEndsCleanly()
{
    QTemporaryDir work;
    QTemporaryDir home;
    QVERIFY(work.isValid() && home.isValid());
    const QString stale = work.filePath(QStringLiteral(".quorlith-%1-a1B2c3.jpg").arg(EndedProcess()));
    const QString live = work.filePath(QStringLiteral(".quorlith-%1-a1B2c3.jpg").arg(getpid()));
    const QString user = work.filePath("photo.jpg");
    QVERIFY(WriteFile(stale) && WriteFile(live) && WriteFile(user));

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(work.path());
    program.start(QStringLiteral(QUORLITH_BIN_DIR "/quorlith"), QStringList());
    QVERIFY(program.waitForStarted());
    // Its handler is installed once the window stands, well after the start-up sweep.
    QTRY_VERIFY_WITH_TIMEOUT(CatchesSignal(program.processId(), SIGTERM), 30000);

    QVERIFY(!QFileInfo::exists(stale));
    QVERIFY(QFileInfo::exists(live));
    QVERIFY(QFileInfo::exists(user));

    QCOMPARE(kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QSettings saved(home.filePath("config/Trevalon Inc./Trevalon Quorlith.conf"), QSettings::IniFormat);
    QVERIFY(saved.contains("Pos"));
    QVERIFY(saved.contains("Size"));
}

QTEST_GUILESS_MAIN(TestQuorlithProcess)
#include "TestQuorlithProcess.moc"
