// SPDX-License-Identifier: Apache-2.0
#include "EndedProcess.h"
#include "filelist/PrivateCopyName.h"
#include "filelist/StaleCopySweep.h"
#include "filelist/TemporaryCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

class TestStaleCopySweep : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void removesOnlyCopiesOfEndedProcesses_data();
    void removesOnlyCopiesOfEndedProcesses();
    void copyLockedByItsOwnerStays();
    void liveCopyStaysWhateverItsNameSays();
    void copyOfThisProcessIsNamedForIt();

private:
    pid_t ended = 0;
};

void TestStaleCopySweep::initTestCase()
{
    ended = EndedProcess();
    QVERIFY(ended > 0);
}

void TestStaleCopySweep::removesOnlyCopiesOfEndedProcesses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("removed");

    const QString gone = QString::number(ended);
    const QString live = QString::number(getppid());
    const QString own = QString::number(getpid());
    QTest::newRow("stale copy") << ".quorlith-" + gone + "-a1B2c3.jpg"
                                << "file" << true;
    QTest::newRow("stale copy, complete suffix") << ".quorlith-" + gone + "-Zz09xY.2015.mp4"
                                                 << "file" << true;
    QTest::newRow("stale copy, no suffix") << ".quorlith-" + gone + "-abcdef."
                                           << "file" << true;
    QTest::newRow("copy of a running process") << ".quorlith-" + live + "-a1B2c3.jpg"
                                               << "file" << false;
    QTest::newRow("copy of this process") << ".quorlith-" + own + "-a1B2c3.jpg"
                                          << "file" << false;
    QTest::newRow("user's evidence") << "photo.jpg"
                                     << "file" << false;
    QTest::newRow("name without an owner") << ".quorlith-a1B2c3.jpg"
                                           << "file" << false;
    QTest::newRow("not hidden") << "quorlith-" + gone + "-a1B2c3.jpg"
                                << "file" << false;
    QTest::newRow("capital prefix") << ".Quorlith-" + gone + "-a1B2c3.jpg"
                                    << "file" << false;
    QTest::newRow("longer prefix") << ".quorliths-" + gone + "-a1B2c3.jpg"
                                   << "file" << false;
    QTest::newRow("five random") << ".quorlith-" + gone + "-a1B2c.jpg"
                                 << "file" << false;
    QTest::newRow("seven random") << ".quorlith-" + gone + "-a1B2c3d.jpg"
                                  << "file" << false;
    QTest::newRow("punctuation in random") << ".quorlith-" + gone + "-a1B_c3.jpg"
                                           << "file" << false;
    QTest::newRow("non-ASCII in random") << ".quorlith-" + gone + "-a1B\u00e9c.jpg"
                                         << "file" << false;
    QTest::newRow("nothing after random") << ".quorlith-" + gone + "-a1B2c3"
                                          << "file" << false;
    QTest::newRow("leading zero") << ".quorlith-0" + gone + "-a1B2c3.jpg"
                                  << "file" << false;
    QTest::newRow("process group 0") << ".quorlith-0-a1B2c3.jpg"
                                     << "file" << false;
    QTest::newRow("negative id") << ".quorlith--" + gone + "-a1B2c3.jpg"
                                 << "file" << false;
    QTest::newRow("letters after id") << ".quorlith-" + gone + "x-a1B2c3.jpg"
                                      << "file" << false;
    // Beyond any process id, and read without its overflow check it would wrap to the ended process.
    QTest::newRow("id beyond any process")
        << ".quorlith-" + QString::number((quint64(1) << 32) + quint64(ended)) + "-a1B2c3.jpg"
        << "file" << false;
    QTest::newRow("folder with a stale name") << ".quorlith-" + gone + "-a1B2c3.jpg"
                                              << "folder" << false;
    QTest::newRow("link to a file") << ".quorlith-" + gone + "-a1B2c3.jpg"
                                    << "link to file" << false;
    QTest::newRow("link to a folder") << ".quorlith-" + gone + "-a1B2c3.mp4"
                                      << "link to folder" << false;
    QTest::newRow("dangling link") << ".quorlith-" + gone + "-a1B2c3.avi"
                                   << "dangling link" << false;
}

// Every entry of the folder lies next to a user's file and a user's folder that must stay too.
void TestStaleCopySweep::removesOnlyCopiesOfEndedProcesses()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, removed);
    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    QVERIFY(folder.isValid() && elsewhere.isValid());
    const QString target = elsewhere.filePath("evidence.jpg");
    QVERIFY(WriteFile(target, "evidence"));
    QVERIFY(QDir(elsewhere.path()).mkdir("case"));
    QVERIFY(WriteFile(elsewhere.filePath("case/inside.jpg"), "inside"));
    QVERIFY(WriteFile(folder.filePath("neighbour.jpg"), "neighbour"));

    const QString path = folder.filePath(name);
    if (kind == "file")
        QVERIFY(WriteFile(path, "copy"));
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    else if (kind == "link to file")
        QVERIFY(QFile::link(target, path));
    else if (kind == "link to folder")
        QVERIFY(QFile::link(elsewhere.filePath("case"), path));
    else
        QVERIFY(QFile::link(elsewhere.filePath("gone.jpg"), path));

    QCOMPARE(RemoveStaleCopies(folder.path()), removed ? 1 : 0);

    QCOMPARE(QFileInfo(path).exists() || QFileInfo(path).isSymLink(), !removed);
    QVERIFY(QFileInfo(folder.filePath("neighbour.jpg")).isFile());
    QVERIFY(QFileInfo(target).isFile());
    QVERIFY(QFileInfo(elsewhere.filePath("case/inside.jpg")).isFile());
}

// The owner may run on another machine that shares the folder, where the id in the name means
// nothing here: its lock alone keeps the copy.
void TestStaleCopySweep::copyLockedByItsOwnerStays()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(".quorlith-" + QString::number(ended) + "-a1B2c3.jpg");
    QVERIFY(WriteFile(path, "copy"));
    const int owner = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(owner >= 0);
    QCOMPARE(flock(owner, LOCK_EX), 0);

    QCOMPARE(RemoveStaleCopies(folder.path()), 0);
    QVERIFY(QFileInfo(path).isFile());

    close(owner);
    QCOMPARE(RemoveStaleCopies(folder.path()), 1);
    QVERIFY(!QFileInfo(path).exists());
}

// A copy in use, renamed for an ended process as another machine's copy would look from here.
void TestStaleCopySweep::liveCopyStaysWhateverItsNameSays()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString original = folder.filePath("evidence.jpg");
    QVERIFY(WriteFile(original, "evidence"));
    const QString workingFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    {
        const TemporaryCopy copy{QFileInfo(original)};
        QVERIFY(QDir::setCurrent(workingFolder));
        QVERIFY(copy.IsCopy());
        const QString foreign = folder.filePath(".quorlith-" + QString::number(ended) + "-a1B2c3.jpg");
        QVERIFY(QFile::rename(copy.PathToVerify(), foreign));

        QCOMPARE(RemoveStaleCopies(folder.path()), 0);
        QVERIFY(QFileInfo(foreign).isFile());
        QVERIFY(QFile::rename(foreign, copy.PathToVerify()));
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"evidence.jpg"});
}

void TestStaleCopySweep::copyOfThisProcessIsNamedForIt()
{
    const QString name = QFileInfo(PrivateCopyTemplate("2015.mp4").replace("XXXXXX", "q7Rt2z")).fileName();
    QCOMPARE(PrivateCopyOwner(QFile::encodeName(name).constData()), getpid());
}

QTEST_GUILESS_MAIN(TestStaleCopySweep)
#include "TestStaleCopySweep.moc"
