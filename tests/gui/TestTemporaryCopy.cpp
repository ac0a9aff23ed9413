// SPDX-License-Identifier: Apache-2.0
#include "EvidenceFiles.h"
#include "filelist/PrivateCopyName.h"
#include "filelist/TemporaryCopy.h"

#include <QBuffer>
#include <QtTest>

#include <memory>

#include <unistd.h>

namespace {
// A device that hands out or takes only so many bytes and then fails, as a file does whose read
// fails part-way or whose disk fills up.
class FailingDevice : public QIODevice
{
public:
    FailingDevice(qint64 readable, qint64 writable) : readable(readable), writable(writable) {}

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (readable <= 0)
            return -1;
        const qint64 count = qMin(maxSize, readable);
        memset(data, 'x', static_cast<size_t>(count));
        readable -= count;
        return count;
    }
    qint64 writeData(const char*, qint64 maxSize) override
    {
        if (writable <= 0)
            return -1;
        const qint64 count = qMin(maxSize, writable);
        writable -= count;
        return count;
    }

private:
    qint64 readable;
    qint64 writable;
};
} // namespace

class TestTemporaryCopy : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void copyIsHiddenPrivateAndIdentical_data();
    void copyIsHiddenPrivateAndIdentical();
    void copiesOfOneFileNeverShareAName();
    void unwritableFolderFallsBackToTheOriginal_data();
    void unwritableFolderFallsBackToTheOriginal();
    void unreadableOriginalIsNotCopied();
    void copyTakesEveryByte_data();
    void copyTakesEveryByte();
    void copyStopsAtTheFirstFailure_data();
    void copyStopsAtTheFirstFailure();
    void fullDiskStopsTheCopy();

private:
    std::unique_ptr<QTemporaryDir> workDir;
    std::unique_ptr<QTemporaryDir> userDir;
    QString startDir;
};

void TestTemporaryCopy::init()
{
    startDir = QDir::currentPath();
    workDir.reset(new QTemporaryDir);
    userDir.reset(new QTemporaryDir);
    QVERIFY(workDir->isValid() && userDir->isValid());
    QVERIFY(QDir::setCurrent(workDir->path()));
}

void TestTemporaryCopy::cleanup()
{
    QDir::setCurrent(startDir);
}

void TestTemporaryCopy::copyIsHiddenPrivateAndIdentical_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("nameEnd");
    QTest::newRow("one suffix") << "photo.jpg"
                                << ".jpg";
    QTest::newRow("capitals kept") << "PHOTO.JPG"
                                   << ".JPG";
    QTest::newRow("complete suffix") << "clip.2015.mp4"
                                     << ".2015.mp4";
    QTest::newRow("no suffix") << "photo"
                               << ".";
    QTest::newRow("named like a copy") << ".quorlith-abcdef.jpg"
                                       << ".jpg";
}

void TestTemporaryCopy::copyIsHiddenPrivateAndIdentical()
{
    QFETCH(QString, name);
    QFETCH(QString, nameEnd);
    const QString original = MakeEvidence(userDir->path(), "still.jpg", name);
    QVERIFY(!original.isEmpty());
    const QByteArray bytes = ReadAll(original);

    QString copyPath;
    {
        const TemporaryCopy copy{QFileInfo(original)};
        QVERIFY(copy.IsCopy());
        copyPath = copy.PathToVerify();
        const QFileInfo copyInfo(copyPath);
        QCOMPARE(copyInfo.absolutePath(), QDir::current().absolutePath());
        // Named for this process, so a later start can tell it from a copy left by a killed one.
        const QString named = QStringLiteral(".quorlith-%1-").arg(getpid());
        QVERIFY2(copyInfo.fileName().startsWith(named), qPrintable(copyPath));
        QVERIFY2(copyInfo.fileName().endsWith(nameEnd), qPrintable(copyPath));
        QCOMPARE(PrivateCopyOwner(QFile::encodeName(copyInfo.fileName()).constData()), getpid());
        QVERIFY(copyInfo.isHidden());
        QCOMPARE(ReadAll(copyPath), bytes);
    }
    QVERIFY(!QFileInfo::exists(copyPath));
    QCOMPARE(ReadAll(original), bytes);
    QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

// Two running programs, or two files with the same suffix, must never verify each other's bytes.
void TestTemporaryCopy::copiesOfOneFileNeverShareAName()
{
    const QString original = MakeEvidence(userDir->path(), "still.jpg", "photo.jpg");
    QVERIFY(!original.isEmpty());
    const TemporaryCopy first{QFileInfo(original)};
    const TemporaryCopy second{QFileInfo(original)};
    QVERIFY(first.IsCopy() && second.IsCopy());
    QVERIFY(first.PathToVerify() != second.PathToVerify());
    QVERIFY(QFileInfo::exists(first.PathToVerify()) && QFileInfo::exists(second.PathToVerify()));
}

void TestTemporaryCopy::unwritableFolderFallsBackToTheOriginal_data()
{
    QTest::addColumn<QString>("workingFolder");
    QTest::newRow("read-only file system") << "/proc";
    QTest::newRow("removed folder") << QString();
}

void TestTemporaryCopy::unwritableFolderFallsBackToTheOriginal()
{
    QFETCH(QString, workingFolder);
    const QString original = MakeEvidence(userDir->path(), "still.jpg", "photo.jpg");
    QVERIFY(!original.isEmpty());
    const QByteArray bytes = ReadAll(original);
    if (workingFolder.isEmpty())
        QVERIFY(QDir().rmdir(workDir->path()));
    else
        QVERIFY(QDir::setCurrent(workingFolder));
    QFile probe(QDir::current().filePath("probe.jpg"));
    QVERIFY2(!probe.open(QIODevice::WriteOnly), "the working folder must not take new files");

    {
        const TemporaryCopy copy{QFileInfo(original)};
        QVERIFY(!copy.IsCopy());
        QCOMPARE(copy.PathToVerify(), original);
    }
    QCOMPARE(ReadAll(original), bytes);
}

void TestTemporaryCopy::unreadableOriginalIsNotCopied()
{
    const QString missing = userDir->filePath("gone.jpg");
    {
        const TemporaryCopy copy{QFileInfo(missing)};
        QVERIFY(!copy.IsCopy());
        QCOMPARE(copy.PathToVerify(), missing);
        QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }
    QVERIFY(!QFileInfo::exists(missing));
}

void TestTemporaryCopy::copyTakesEveryByte_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one buffer") << 16000;
    QTest::newRow("buffers and a rest") << 3 * 16000 + 7;
}

void TestTemporaryCopy::copyTakesEveryByte()
{
    QFETCH(int, size);
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 251);
    QBuffer from(&bytes);
    QByteArray written;
    QBuffer to(&written);
    QVERIFY(from.open(QIODevice::ReadOnly) && to.open(QIODevice::WriteOnly));
    QVERIFY(TemporaryCopy::CopyAll(from, to));
    QCOMPARE(written, bytes);
}

void TestTemporaryCopy::copyStopsAtTheFirstFailure_data()
{
    QTest::addColumn<qint64>("readable");
    QTest::addColumn<qint64>("writable");
    QTest::newRow("read fails at once") << qint64(0) << qint64(1 << 20);
    QTest::newRow("read fails part-way") << qint64(40000) << qint64(1 << 20);
    QTest::newRow("write fails at once") << qint64(1 << 20) << qint64(0);
    QTest::newRow("write fails part-way") << qint64(1 << 20) << qint64(40000);
}

// The devices never report their end, so only a failure can end the copy.
void TestTemporaryCopy::copyStopsAtTheFirstFailure()
{
    QFETCH(qint64, readable);
    QFETCH(qint64, writable);
    FailingDevice from(readable, 0);
    FailingDevice to(0, writable);
    QVERIFY(from.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    QVERIFY(to.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QVERIFY(!TemporaryCopy::CopyAll(from, to));
}

void TestTemporaryCopy::fullDiskStopsTheCopy()
{
    const QString original = MakeEvidence(userDir->path(), "clip.avi", "clip.avi");
    QVERIFY(!original.isEmpty());
    QFile from(original);
    QFile full("/dev/full");
    QVERIFY(from.open(QIODevice::ReadOnly));
    QVERIFY(full.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QVERIFY(!TemporaryCopy::CopyAll(from, full));
}

QTEST_GUILESS_MAIN(TestTemporaryCopy)
#include "TestTemporaryCopy.moc"
