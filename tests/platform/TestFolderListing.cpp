// SPDX-License-Identifier: Apache-2.0
#include "platform/FolderListing.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(FileKind)

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool SizeWanted(const std::string& name)
{
    return name.size() > 4 && name.compare(name.size() - 4, 4, ".jpg") == 0;
}

} // namespace

class TestFolderListing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void entries_data();
    void entries();
    void listsEachEntryOnceWithoutDots();
    void folderIdentity();
    void linkToFolder_data();
    void linkToFolder();
    void missingFolder();
    void joinPath_data();
    void joinPath();

private:
    QTemporaryDir dir;
    QString folder;
};

void TestFolderListing::initTestCase()
{
    QVERIFY(dir.isValid());
    folder = dir.filePath("listed");
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(WriteFile(folder + "/still.jpg", "12345"));
    QVERIFY(WriteFile(folder + "/notes.txt", "1234567"));
    QVERIFY(WriteFile(folder + "/.hidden.jpg", "123"));
    QVERIFY(QDir(folder).mkdir("sub"));
    QCOMPARE(symlink("still.jpg", QFile::encodeName(folder + "/link.jpg").constData()), 0);
    QCOMPARE(symlink("sub", QFile::encodeName(folder + "/sublink").constData()), 0);
    QCOMPARE(mkfifo(QFile::encodeName(folder + "/pipe.jpg").constData(), 0644), 0);
}

void TestFolderListing::entries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<qint64>("size");

    QTest::newRow("file whose size is wanted") << "still.jpg" << FileKind::Regular << false << qint64(5);
    QTest::newRow("file whose size is not wanted") << "notes.txt" << FileKind::Regular << false << qint64(0);
    QTest::newRow("hidden file") << ".hidden.jpg" << FileKind::Regular << true << qint64(0);
    QTest::newRow("folder") << "sub" << FileKind::Folder << false << qint64(0);
    QTest::newRow("link to a file") << "link.jpg" << FileKind::Link << false << qint64(0);
    QTest::newRow("link to a folder") << "sublink" << FileKind::Link << false << qint64(0);
    QTest::newRow("FIFO") << "pipe.jpg" << FileKind::Fifo << false << qint64(0);
}

void TestFolderListing::entries()
{
    QFETCH(QString, name);
    QFETCH(FileKind, kind);
    QFETCH(bool, hidden);
    QFETCH(qint64, size);

    FileStatus status;
    std::vector<FolderEntry> entries;
    int listError = -1;
    QCOMPARE(
        ListFolder(QFile::encodeName(folder).constData(), false, SizeWanted, &status, &entries, &listError),
        0);
    QCOMPARE(listError, 0);
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const FolderEntry& entry) {
        return entry.name == name.toStdString();
    });
    QVERIFY(found != entries.end());
    QCOMPARE(found->kind, kind);
    QCOMPARE(found->hidden, hidden);
    QCOMPARE(found->size, size);
    QCOMPARE(found->error, 0);
}

void TestFolderListing::listsEachEntryOnceWithoutDots()
{
    FileStatus status;
    std::vector<FolderEntry> entries;
    int listError = 0;
    QCOMPARE(
        ListFolder(QFile::encodeName(folder).constData(), false, SizeWanted, &status, &entries, &listError),
        0);
    QStringList names;
    for (const FolderEntry& entry : entries)
        names << QString::fromStdString(entry.name);
    names.sort();
    QCOMPARE(names, QStringList(
                        {".hidden.jpg", "link.jpg", "notes.txt", "pipe.jpg", "still.jpg", "sub", "sublink"}));
}

void TestFolderListing::folderIdentity()
{
    FileStatus status;
    std::vector<FolderEntry> entries;
    int listError = 0;
    const QByteArray path = QFile::encodeName(folder);
    QCOMPARE(ListFolder(path.constData(), false, SizeWanted, &status, &entries, &listError), 0);
    struct stat system;
    QCOMPARE(stat(path.constData(), &system), 0);
    QCOMPARE(status.kind, FileKind::Folder);
    QCOMPARE(status.volume, quint64(system.st_dev));
    QCOMPARE(status.fileId, quint64(system.st_ino));
}

// A folder given on the command line may be a link; one met during the search is never followed.
void TestFolderListing::linkToFolder_data()
{
    QTest::addColumn<bool>("followLink");
    QTest::addColumn<int>("result");

    QTest::newRow("followed") << true << 0;
    QTest::newRow("not followed") << false << -1;
}

void TestFolderListing::linkToFolder()
{
    QFETCH(bool, followLink);
    QFETCH(int, result);
    FileStatus status;
    std::vector<FolderEntry> entries;
    int listError = 0;
    QCOMPARE(ListFolder(QFile::encodeName(folder + "/sublink").constData(), followLink, SizeWanted, &status,
                        &entries, &listError),
             result);
    if (result == 0) {
        QCOMPARE(status.kind, FileKind::Folder);
        QVERIFY(entries.empty());
    } else {
        QCOMPARE(errno, ENOTDIR);
    }
}

void TestFolderListing::missingFolder()
{
    FileStatus status;
    std::vector<FolderEntry> entries;
    int listError = 0;
    QCOMPARE(ListFolder(QFile::encodeName(dir.filePath("missing")).constData(), true, SizeWanted, &status,
                        &entries, &listError),
             -1);
    QCOMPARE(errno, ENOENT);
    QVERIFY(entries.empty());
}

void TestFolderListing::joinPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("joined");

    QTest::newRow("plain") << "evidence"
                           << "evidence/a.jpg";
    QTest::newRow("ending in a slash") << "evidence/"
                                       << "evidence/a.jpg";
    QTest::newRow("root") << "/"
                          << "/a.jpg";
    // Only Windows takes a backslash for a separator.
    QTest::newRow("backslash is a name's byte") << "evi\\dence"
                                                << "evi\\dence/a.jpg";
}

void TestFolderListing::joinPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, joined);
    QCOMPARE(QString::fromStdString(JoinPath(folder.toStdString(), "a.jpg")), joined);
}

QTEST_GUILESS_MAIN(TestFolderListing)
#include "TestFolderListing.moc"
