// SPDX-License-Identifier: Apache-2.0
#include "platform/FileReplacement.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t ModeOf(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestFileReplacement : public QObject
{
    Q_OBJECT

private slots:
    void temporaryIsHiddenBesideThePath();
    void missingFolder();
    void permissions_data();
    void permissions();
    void renameReplacesTheFileWhole();
};

// The temporary file is a hidden name in the path's own folder, so that the rename stays on one file
// system; it is empty, open for writing and found nowhere else.
void TestFileReplacement::temporaryIsHiddenBesideThePath()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const std::string path = folder.filePath("report.csv").toStdString();
    std::string temporary;
    int error = 0;
    const int descriptor = CreateTemporaryBeside(path, &temporary, &error);
    QVERIFY(descriptor >= 0);
    const std::string prefix = folder.filePath(".report.csv.").toStdString();
    QVERIFY2(temporary.compare(0, prefix.size(), prefix) == 0 && temporary.size() == prefix.size() + 6,
             temporary.c_str());
    QCOMPARE(write(descriptor, "abc", 3), ssize_t(3));
    QCOMPARE(CloseDescriptor(descriptor), 0);
    QCOMPARE(ReadFile(QString::fromStdString(temporary)), QByteArray("abc"));
    QVERIFY(!QFileInfo::exists(folder.filePath("report.csv")));
    RemoveQuietly(temporary);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void TestFileReplacement::missingFolder()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    std::string temporary;
    int error = 0;
    QCOMPARE(CreateTemporaryBeside(folder.filePath("gone/report.csv").toStdString(), &temporary, &error), -1);
    QCOMPARE(error, ENOENT);
    QCOMPARE(RenameOver(folder.filePath("none").toStdString(), folder.filePath("other").toStdString()),
             ENOENT);
}

// A replaced file keeps its permissions; a new one gets what the umask leaves of 0666, not the 0600 a
// temporary file is made with.
void TestFileReplacement::permissions_data()
{
    QTest::addColumn<int>("existingMode");
    QTest::addColumn<int>("umaskBits");
    QTest::addColumn<int>("expected");
    QTest::newRow("new file, umask 022") << -1 << 022 << 0644;
    QTest::newRow("new file, umask 077") << -1 << 077 << 0600;
    QTest::newRow("new file, umask 002") << -1 << 002 << 0664;
    QTest::newRow("replaced file keeps 0640") << 0640 << 022 << 0640;
    QTest::newRow("replaced file keeps 0666 against umask 077") << 0666 << 077 << 0666;
}

void TestFileReplacement::permissions()
{
    QFETCH(int, existingMode);
    QFETCH(int, umaskBits);
    QFETCH(int, expected);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const std::string path = folder.filePath("report.csv").toStdString();
    if (existingMode >= 0) {
        QVERIFY(WriteFile(QString::fromStdString(path), "old"));
        QCOMPARE(chmod(path.c_str(), static_cast<mode_t>(existingMode)), 0);
    }
    const mode_t before = umask(static_cast<mode_t>(umaskBits));
    std::string temporary;
    int error = 0;
    const int descriptor = CreateTemporaryBeside(path, &temporary, &error);
    const int taken = descriptor >= 0 ? TakePermissionsOf(descriptor, path) : -1;
    const mode_t umaskAfter = umask(before);
    QVERIFY(descriptor >= 0);
    QCOMPARE(taken, 0);
    QCOMPARE(CloseDescriptor(descriptor), 0);
    QCOMPARE(int(ModeOf(temporary)), expected);
    QCOMPARE(int(umaskAfter), umaskBits);
}

void TestFileReplacement::renameReplacesTheFileWhole()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const std::string path = folder.filePath("report.csv").toStdString();
    QVERIFY(WriteFile(QString::fromStdString(path), "the old report, longer than the new one"));
    std::string temporary;
    int error = 0;
    const int descriptor = CreateTemporaryBeside(path, &temporary, &error);
    QVERIFY(descriptor >= 0);
    QCOMPARE(write(descriptor, "new", 3), ssize_t(3));
    QCOMPARE(CloseDescriptor(descriptor), 0);
    QCOMPARE(RenameOver(temporary, path), 0);
    SyncFolderOf(path);
    QCOMPARE(ReadFile(QString::fromStdString(path)), QByteArray("new"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"report.csv"});
}

QTEST_GUILESS_MAIN(TestFileReplacement)
#include "TestFileReplacement.moc"
