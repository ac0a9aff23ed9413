// SPDX-License-Identifier: Apache-2.0
#include "engine/WatermarkVerifier.h"
#include "tests/support/EvidenceFiles.h"
#include "tests/support/FailingReads.h"
#include "tests/support/SwapAtOpen.h"
#include "verdict/FileVerifier.h"

#include <QtTest>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <linux/fs.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

Q_DECLARE_METATYPE(VerdictReason)

class TestFileVerifier : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reasons_data();
    void reasons();
    void coverageMatchesTheChangesThatAreCaught_data();
    void coverageMatchesTheChangesThatAreCaught();
    void fileChangedWhileReadFails();
    void sha256OfTheFileAsRead();
    void sha256InTheSameReadAsTheVerdict_data();
    void sha256InTheSameReadAsTheVerdict();
    void recordsWhichFileWasVerified();
    void swappedFolderNeverMixesTwoFiles_data();
    void swappedFolderNeverMixesTwoFiles();
    void folderSwappedDuringTheReadFails();
    void fileSwappedAroundTheOpenFails();
    void readFailureAfterTheRecordLeavesNoSha256();
    void accessTimeKeptWhereAllowed_data();
    void accessTimeKeptWhereAllowed();

private:
    QString Make(const QString& kind);
    QString MakeLarge(const QString& media, const QString& name, const StampRecord& record);
    VerificationResult Verify(const QString& path, bool withSha256 = false);

    QTemporaryDir dir;
};

void TestFileVerifier::initTestCase()
{
    QVERIFY(dir.isValid());
}

VerificationResult TestFileVerifier::Verify(const QString& path, bool withSha256)
{
    VerificationTarget target;
    target.path = QFile::encodeName(path).toStdString();
    return FileVerifier(withSha256).Verify(target);
}

// Makes the file of one reasons() row in the temporary folder and answers its path.
QString TestFileVerifier::Make(const QString& kind)
{
    const QString path = dir.filePath(kind);
    if (kind == "authentic.mp4")
        return StampMedia(MediaPath("clip-faststart.mp4"), path, "1.1") ? path : QString();
    if (kind == "missing.jpg")
        return path;
    if (kind == "inside-a-file") {
        const QString file = dir.filePath("plain-file");
        return WriteAll(file, "x") ? file + "/clip.mp4" : QString();
    }
    if (kind == "trailing-slash.jpg/") {
        const QString file = dir.filePath("trailing-slash.jpg");
        return StampMedia(MediaPath("still.jpg"), file, "1.0") ? file + "/" : QString();
    }
    if (kind == "fifo.mp4")
        return mkfifo(QFile::encodeName(path), 0600) == 0 ? path : QString();
    if (kind == "socket.mp4") {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
        const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        close(fd);
        return bound ? path : QString();
    }
    if (kind == "device")
        return QStringLiteral("/dev/null");
    if (kind == "loop.mp4")
        return symlink("loop.mp4", QFile::encodeName(path)) == 0 ? path : QString();
    if (kind == "name-too-long")
        return dir.filePath(QString(300, QLatin1Char('n')) + ".jpg");
    if (kind == "empty.mp4" || kind == "short.avi")
        return WriteAll(path, QByteArray(kind == "empty.mp4" ? 0 : 100, 'x')) ? path : QString();
    if (kind == "stamped.jpeg" || kind == "stamped-without-dot") {
        const QString stamped = dir.filePath("for-renaming.jpg");
        return StampMedia(MediaPath("still.jpg"), stamped, "1.0") && QFile::rename(stamped, path)
                   ? path
                   : QString();
    }
    if (kind == "tiny.jpg")
        return WriteAll(path, QByteArray(512, 'x')) ? path : QString();
    if (kind == "unstamped.jpg")
        return QFile::copy(MediaPath("still.jpg"), path) ? path : QString();
    StampRecord record;
    if (kind == "bad-marker.jpg") {
        record.marker = "Trevalon Digital Watermark ";
        return StampMedia(MediaPath("still.jpg"), path, record) ? path : QString();
    }
    if (kind == "version-1.2.avi") {
        record.version = "1.2";
        return StampMedia(MediaPath("clip.avi"), path, record) ? path : QString();
    }
    if (kind == "no-boxes.mp4") {
        // A still saved under a video name: no "mdat" box to be found. The record carries any
        // digest, since the stamping side cannot compute one either.
        const QString copy = dir.filePath("still-as.mp4");
        record.hmac = std::string(32, '0');
        return QFile::copy(MediaPath("still.jpg"), copy) && StampMedia(copy, path, record)
                   ? path
                   : QString();
    }
    if (kind == "tampered.mp4") {
        // Byte 1000 lies in the media data, which starts at 956.
        return StampMedia(MediaPath("clip-faststart.mp4"), path, "1.0") &&
                       Poke(path, 1000, 0x55)
                   ? path
                   : QString();
    }
    return QString();
}

void TestFileVerifier::reasons_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<VerdictReason>("reason");
    QTest::addColumn<bool>("recordRead");
    QTest::addColumn<int>("digestMode");

    QTest::newRow("authentic") << "authentic.mp4" << VerdictReason::None << true << 1;
    QTest::newRow("missing") << "missing.jpg" << VerdictReason::NotFound << false << -1;
    QTest::newRow("below a plain file") << "inside-a-file" << VerdictReason::NotFound << false << -1;
    // The file is there: calling it missing would send the examiner looking for it.
    QTest::newRow("a file named with a trailing slash")
        << "trailing-slash.jpg/" << VerdictReason::Unreadable << false << -1;
    QTest::newRow("FIFO named clip.mp4") << "fifo.mp4" << VerdictReason::NotAFile << false << -1;
    QTest::newRow("socket") << "socket.mp4" << VerdictReason::NotAFile << false << -1;
    QTest::newRow("device") << "device" << VerdictReason::NotAFile << false << -1;
    QTest::newRow("link loop") << "loop.mp4" << VerdictReason::Unreadable << false << -1;
    QTest::newRow("name too long") << "name-too-long" << VerdictReason::Unreadable << false << -1;
    QTest::newRow("empty") << "empty.mp4" << VerdictReason::TooSmall << false << -1;
    QTest::newRow("100 bytes") << "short.avi" << VerdictReason::TooSmall << false << -1;
    QTest::newRow("stamped, named .jpeg") << "stamped.jpeg" << VerdictReason::UnsupportedType << false << -1;
    QTest::newRow("stamped, no dot") << "stamped-without-dot" << VerdictReason::UnsupportedType << false
                                     << -1;
    QTest::newRow("jpg of 512 bytes") << "tiny.jpg" << VerdictReason::TrailerUnreadable << false << -1;
    QTest::newRow("no watermark") << "unstamped.jpg" << VerdictReason::NoWatermark << false << -1;
    QTest::newRow("marker with a trailing blank")
        << "bad-marker.jpg" << VerdictReason::BadMarker << true << -1;
    QTest::newRow("version 1.2") << "version-1.2.avi" << VerdictReason::UnsupportedVersion << true << -1;
    QTest::newRow("mp4 without mdat") << "no-boxes.mp4" << VerdictReason::ContainerInvalid << true << 0;
    QTest::newRow("one content byte changed")
        << "tampered.mp4" << VerdictReason::ContentMismatch << true << 0;
}

void TestFileVerifier::reasons()
{
    QFETCH(QString, kind);
    QFETCH(VerdictReason, reason);
    QFETCH(bool, recordRead);
    QFETCH(int, digestMode);

    const QString path = Make(kind);
    QVERIFY2(!path.isEmpty(), "fixture not made");
    const VerificationResult result = Verify(path);
    QCOMPARE(result.reason, reason);
    // The SHA-256 taken in the same reading changes no reason, also where the check stops before reading.
    QCOMPARE(Verify(path, true).reason, reason);
    QCOMPARE(result.authentic, reason == VerdictReason::None);
    QCOMPARE(result.hasCoverage, recordRead);
    QCOMPARE(result.digestMode, digestMode);
    QCOMPARE(result.marker.empty(), !recordRead);
    if (recordRead && reason != VerdictReason::None && reason != VerdictReason::ContentMismatch) {
        // Stopped before the content: the verdict vouches for no byte.
        QCOMPARE(result.coverage.protectedBytes, qint64(0));
    }
}

void TestFileVerifier::coverageMatchesTheChangesThatAreCaught_data()
{
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    for (const char* version : {"1.0", "1.1"}) {
        QTest::addRow("jpg %s", version) << "still.jpg"
                                         << "still.jpg" << version;
        QTest::addRow("mp4, mdat first %s", version) << "clip-mdat-first.mp4"
                                                     << "clip.mp4" << version;
        QTest::addRow("mxg, fast start %s", version) << "clip-faststart.mp4"
                                                     << "clip.mxg" << version;
        QTest::addRow("avi %s", version) << "clip.avi"
                                         << "clip.avi" << version;
    }
}

// Changes every content byte in turn: exactly protected_bytes of those changes must fail the file,
// and none of them may lie in a range the coverage calls unprotected.
void TestFileVerifier::coverageMatchesTheChangesThatAreCaught()
{
    QFETCH(QString, media);
    QFETCH(QString, name);
    QFETCH(QString, version);
    const QString path = dir.filePath(name);
    QVERIFY(StampMedia(MediaPath(media), path, version.toLatin1().constData()));

    const VerificationResult original = Verify(path);
    QVERIFY(original.authentic);
    QVERIFY(original.hasCoverage);
    WatermarkVerifier engine;
    QCOMPARE(engine.Verify(QFile::encodeName(path).constData()), 0);
    const ContentRegion region = engine.GetContentRegion();

    QList<qint64> contentOffsets;
    for (qint64 offset = region.start; offset < region.start + region.length; ++offset)
        contentOffsets << offset;
    for (qint64 offset = original.file.size - region.tail; offset < original.file.size; ++offset)
        contentOffsets << offset;

    const QByteArray bytes = ReadAll(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
    qint64 caught = 0;
    for (const qint64 offset : contentOffsets) {
        const char byte = bytes.at(static_cast<int>(offset));
        const char changed = static_cast<char>(byte ^ 0xA5);
        QVERIFY(file.seek(offset) && file.write(&changed, 1) == 1);
        const VerificationResult result = Verify(path);
        QVERIFY(file.seek(offset) && file.write(&byte, 1) == 1);
        if (result.authentic)
            continue;
        QCOMPARE(result.reason, VerdictReason::ContentMismatch);
        ++caught;
        for (const auto& range : original.coverage.unprotectedRanges)
            QVERIFY2(offset < range.first || offset > range.second, qPrintable(QString::number(offset)));
    }
    QCOMPARE(original.coverage.protectedBytes, caught);
    QCOMPARE(ReadAll(path), bytes);
}

void TestFileVerifier::fileChangedWhileReadFails()
{
    const QString media = dir.filePath("large-media.mp4");
    const QString path = dir.filePath("large.mp4");
    QVERIFY(WriteMp4(media, 48 << 20));
    QVERIFY(StampMedia(media, path, "1.0"));
    QVERIFY(Verify(path, true).authentic);

    // Another process touching the file mid-read: only its modification time moves, the bytes
    // stay those of an authentic file, and still the verdict must not stand.
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY);
    QVERIFY(fd >= 0);
    std::atomic<bool> stop(false);
    std::thread toucher([&] {
        for (long second = 1000000; !stop; ++second) {
            const timespec times[2] = {{0, UTIME_OMIT}, {second, 0}};
            futimens(fd, times);
        }
    });
    const VerificationResult result = Verify(path, true);
    stop = true;
    toucher.join();
    close(fd);

    QVERIFY(!result.authentic);
    QCOMPARE(result.reason, VerdictReason::Unreadable);
    QVERIFY(QString::fromStdString(result.reasonDetail).contains("changed"));
    QVERIFY(result.sha256.empty());
}

void TestFileVerifier::sha256OfTheFileAsRead()
{
    const QString path = dir.filePath("hashed.avi");
    QVERIFY(StampMedia(MediaPath("clip.avi"), path, "1.0"));
    const QByteArray expected =
        QCryptographicHash::hash(ReadAll(path), QCryptographicHash::Sha256).toHex();
    const VerificationResult hashed = Verify(path, true);
    QVERIFY(hashed.authentic);
    QCOMPARE(QByteArray::fromStdString(hashed.sha256), expected);
    QVERIFY(Verify(path, false).sha256.empty());
}

namespace {

struct HeardBytes
{
    QCryptographicHash hash{QCryptographicHash::Sha256};
    qint64 count = 0;
};

void Hear(void* context, const unsigned char* data, size_t length)
{
    HeardBytes* heard = static_cast<HeardBytes*>(context);
    heard->hash.addData(reinterpret_cast<const char*>(data), static_cast<int>(length));
    heard->count += static_cast<qint64>(length);
}

} // namespace

// A media file of about 3 MiB, more than is read at once, with the fixture's container layout: JPG
// bytes inserted before the last two, AVI bytes appended after the "movi" list (content all the same).
QString TestFileVerifier::MakeLarge(const QString& media, const QString& name, const StampRecord& record)
{
    QByteArray bytes = ReadAll(MediaPath(media));
    QByteArray filler(3 << 20, '\0');
    for (int i = 0; i < filler.size(); ++i)
        filler[i] = static_cast<char>((static_cast<unsigned>(i) * 7919u) >> 5);
    if (media.endsWith(".jpg"))
        bytes.insert(bytes.size() - 2, filler);
    else
        bytes.append(filler);
    const QString mediaPath = dir.filePath("media-" + name);
    const QString path = dir.filePath(name);
    return WriteAll(mediaPath, bytes) && StampMedia(mediaPath, path, record) ? path
                                                                                            : QString();
}

void TestFileVerifier::sha256InTheSameReadAsTheVerdict_data()
{
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("large");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<VerdictReason>("reason");

    const QString marker = "Trevalon Digital Watermark";
    const QString wrongMarker = marker + " ";
    const struct
    {
        const char* media;
        const char* name;
    } kinds[] = {
        {"still.jpg", "still.jpg"},
        {"clip.avi", "clip.avi"},
        {"clip-faststart.mp4", "clip.mp4"},
        {"clip-mdat-first.mp4", "clip.mxg"},
    };
    for (const auto& kind : kinds) {
        for (const bool large : {false, true}) {
            if (large && QString(kind.media).endsWith(".mp4"))
                continue; // large MP4s are made by WriteMp4 below
            const QString size = large ? "large " : "small ";
            QTest::addRow("%s%s, version 1.0", qPrintable(size), kind.name)
                << kind.media << size.trimmed() + "-1.0-" + kind.name << large << "1.0" << marker
                << VerdictReason::None;
            QTest::addRow("%s%s, version 1.1", qPrintable(size), kind.name)
                << kind.media << size.trimmed() + "-1.1-" + kind.name << large << "1.1" << marker
                << VerdictReason::None;
            QTest::addRow("%s%s, wrong marker: the check stops at the record", qPrintable(size), kind.name)
                << kind.media << size.trimmed() + "-marker-" + kind.name << large << "1.0" << wrongMarker
                << VerdictReason::BadMarker;
        }
    }
    QTest::newRow("large MP4, version 1.0")
        << ""
        << "large-1.0.mp4" << true << "1.0" << marker << VerdictReason::None;
    QTest::newRow("large MXG, version 1.1")
        << ""
        << "large-1.1.mxg" << true << "1.1" << marker << VerdictReason::None;
    QTest::newRow("large MP4, version 1.2: the check stops before the content")
        << ""
        << "large-1.2.mp4" << true << "1.2" << marker << VerdictReason::UnsupportedVersion;
}

// The SHA-256 is taken in the engine's own reading: equal to the digest of the file's bytes whatever
// part of the file the verdict covers, and every byte is read once, a small file in one system call.
void TestFileVerifier::sha256InTheSameReadAsTheVerdict()
{
    QFETCH(QString, media);
    QFETCH(QString, name);
    QFETCH(bool, large);
    QFETCH(QString, version);
    QFETCH(QString, marker);
    QFETCH(VerdictReason, reason);

    StampRecord record;
    record.version = version.toStdString();
    record.marker = marker.toStdString();
    QString path;
    if (media.isEmpty()) {
        const QString mediaPath = dir.filePath("media-" + name);
        path = dir.filePath(name);
        QVERIFY(WriteMp4(mediaPath, 3 << 20));
        QVERIFY(StampMedia(mediaPath, path, record));
    } else if (large) {
        path = MakeLarge(media, name, record);
    } else {
        path = dir.filePath(name);
        if (!StampMedia(MediaPath(media), path, record))
            path.clear();
    }
    QVERIFY(!path.isEmpty());
    const QByteArray bytes = ReadAll(path);
    QCOMPARE(bytes.size() > (1 << 20), large);
    const QByteArray expected = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();

    const VerificationResult result = Verify(path, true);
    QCOMPARE(result.reason, reason);
    QCOMPARE(QByteArray::fromStdString(result.sha256), expected);

    HeardBytes heard;
    const ByteObserver observer = {Hear, &heard};
    WatermarkVerifier verifier;
    verifier.SetByteObserver(&observer);
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY);
    QVERIFY(fd >= 0);
    verifier.VerifyOpenFile(fd, QFile::encodeName(path).constData());
    close(fd);
    QVERIFY(verifier.ObserverHeardAll());
    QCOMPARE(heard.count, qint64(bytes.size()));
    QCOMPARE(heard.hash.result().toHex(), expected);
    const ReadCount count = verifier.GetReadCount();
    if (!large) {
        QCOMPARE(count.calls, 1);
        QCOMPARE(count.bytes, int64_t(bytes.size()));
    } else {
        // Besides the file once, only the container's headers (8 or 12 bytes each) are read.
        QVERIFY2(count.bytes >= bytes.size() && count.bytes <= bytes.size() + 64,
                 qPrintable(QString::number(count.bytes - bytes.size())));
    }
}

// What a later check compares with: the very file and its state when it was verified.
void TestFileVerifier::recordsWhichFileWasVerified()
{
    const QString path = dir.filePath("recorded.avi");
    QVERIFY(StampMedia(MediaPath("clip.avi"), path, "1.0"));
    struct stat status;
    QCOMPARE(stat(QFile::encodeName(path).constData(), &status), 0);

    const VerificationResult result = Verify(path);

    QVERIFY(result.authentic);
    QCOMPARE(result.file.device, uint64_t(status.st_dev));
    QCOMPARE(result.file.inode, uint64_t(status.st_ino));
    QCOMPARE(result.file.size, int64_t(status.st_size));
    QCOMPARE(result.file.modifiedNs, int64_t(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec);
    QCOMPARE(result.file.changedNs, int64_t(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec);
}

void TestFileVerifier::swappedFolderNeverMixesTwoFiles_data()
{
    QTest::addColumn<bool>("otherIsFifo");
    QTest::newRow("a tampered file in the other folder") << false;
    QTest::newRow("a named pipe in the other folder") << true;
}

// The file's folder is swapped with another one holding a different file of the same name, as fast as
// the system allows, while the file is verified again and again. Every verdict must be about one file:
// never authentic with the other file's SHA-256, and never blocked on a pipe.
void TestFileVerifier::swappedFolderNeverMixesTwoFiles()
{
    QFETCH(bool, otherIsFifo);
    QTemporaryDir swapDir;
    QVERIFY(swapDir.isValid());
    const QString current = swapDir.filePath("current");
    const QString other = swapDir.filePath("other");
    QVERIFY(QDir().mkpath(current) && QDir().mkpath(other));
    const QString authentic = current + "/clip.jpg";
    QVERIFY(StampMedia(MediaPath("still.jpg"), authentic, "1.0"));
    const QByteArray otherFile = QFile::encodeName(other + "/clip.jpg");
    if (otherIsFifo) {
        QVERIFY(mkfifo(otherFile.constData(), 0600) == 0);
    } else {
        QVERIFY(QFile::copy(authentic, other + "/clip.jpg"));
        QVERIFY(Poke(other + "/clip.jpg", 100, '\x5a'));
        QVERIFY(ReadAll(other + "/clip.jpg") != ReadAll(authentic));
    }
    const VerificationResult alone = Verify(authentic, true);
    QVERIFY(alone.authentic);

    std::atomic<bool> stop{false};
    std::thread swapper([&] {
        const QByteArray a = QFile::encodeName(current);
        const QByteArray b = QFile::encodeName(other);
        while (!stop)
            renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_EXCHANGE);
    });
    // Bounded by count and by time, whichever ends first; a blocked verification is released below.
    auto runs = std::async(std::launch::async, [&] {
        QStringList mixed;
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        for (int i = 0; i < 20000 && std::chrono::steady_clock::now() < until; ++i) {
            const VerificationResult result = Verify(authentic, true);
            if (result.authentic && result.sha256 != alone.sha256)
                mixed << QString::fromStdString(result.sha256);
        }
        return mixed;
    });
    const bool ended = runs.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    stop = true;
    swapper.join();
    if (!ended) {
        for (const QString& folder : {current, other}) {
            const int writer =
                open(QFile::encodeName(folder + "/clip.jpg").constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                close(writer);
        }
        runs.wait();
        QFAIL("a verification blocked");
    }
    const QStringList mixed = runs.get();
    QVERIFY2(mixed.isEmpty(), qPrintable(QStringLiteral("authentic with another file's SHA-256: ") +
                                         mixed.join(QStringLiteral(", "))));
}

namespace {

// Swaps two folders once, at the first content bytes read.
struct SwapAtFirstRead
{
    QByteArray a;
    QByteArray b;
    int error = -1; // errno of the swap, 0 once done, -1 before

    static void BytesRead(void* context, int64_t)
    {
        auto* swap = static_cast<SwapAtFirstRead*>(context);
        if (swap->error == -1)
            swap->error =
                renameat2(AT_FDCWD, swap->a.constData(), AT_FDCWD, swap->b.constData(), RENAME_EXCHANGE) == 0
                    ? 0
                    : errno;
    }
};

} // namespace

// The folder is swapped while the file is read, for one holding a byte-identical copy: the open file
// stays the same and authentic to the end, but the path now names another file, which the verdict
// must not vouch for.
void TestFileVerifier::folderSwappedDuringTheReadFails()
{
    QTemporaryDir swapDir;
    QVERIFY(swapDir.isValid());
    const QString current = swapDir.filePath("current");
    const QString other = swapDir.filePath("other");
    QVERIFY(QDir().mkpath(current) && QDir().mkpath(other));
    const QString path = current + "/clip.jpg";
    QVERIFY(StampMedia(MediaPath("still.jpg"), path, "1.0"));
    QVERIFY(QFile::copy(path, other + "/clip.jpg"));
    QVERIFY(Verify(path).authentic);

    SwapAtFirstRead swap;
    swap.a = QFile::encodeName(current);
    swap.b = QFile::encodeName(other);
    const ReadProgress progress = {&SwapAtFirstRead::BytesRead, &swap};
    VerificationTarget target;
    target.path = QFile::encodeName(path).toStdString();
    const VerificationResult result = FileVerifier(false).Verify(target, &progress);

    QVERIFY2(swap.error == 0, swap.error > 0 ? strerror(swap.error) : "no content byte was read");
    QVERIFY(!result.authentic);
    QCOMPARE(result.reason, VerdictReason::Unreadable);
    QCOMPARE(result.reasonDetail, std::string("the file changed while it was read"));
}

// Another program swaps the file's folder for one holding another authentic file of the same name just
// before the open, and back just after: the path names the file it named, unchanged, before and after the
// reading, yet what was read is the other file, whose verdict and SHA-256 must not stand for it.
void TestFileVerifier::fileSwappedAroundTheOpenFails()
{
    QTemporaryDir swapDir;
    QVERIFY(swapDir.isValid());
    const QString current = swapDir.filePath("current");
    const QString other = swapDir.filePath("other");
    QVERIFY(QDir().mkpath(current) && QDir().mkpath(other));
    const QString path = current + "/clip.jpg";
    QVERIFY(StampMedia(MediaPath("still.jpg"), path, "1.0"));
    QVERIFY(StampMedia(MediaPath("still.jpg"), other + "/clip.jpg", "1.1"));
    QVERIFY(Verify(path).authentic && Verify(other + "/clip.jpg").authentic);

    VerificationResult result;
    {
        const SwapAtOpen swap(QFile::encodeName(path), QFile::encodeName(other));
        result = Verify(path, true);
        QCOMPARE(swap.Swaps(), 1);
    }

    QVERIFY(!result.authentic);
    QCOMPARE(result.reason, VerdictReason::Unreadable);
    QCOMPARE(result.reasonDetail, std::string("the file changed while it was read"));
    QCOMPARE(result.sha256, std::string());
}

// The disk fails part-way through the content, once the record was read: the SHA-256 of the start of
// the file is not the file's, so none is given, and the reason is the read's error.
void TestFileVerifier::readFailureAfterTheRecordLeavesNoSha256()
{
    const QString path = MakeLarge("still.jpg", "failing.jpg", StampRecord());
    QVERIFY(!path.isEmpty());
    VerificationResult result;
    {
        // The watermark block and the first piece of the content are read, then nothing more.
        const FailingReads failing(QFile::encodeName(path), 2, EIO);
        QVERIFY(failing.Set());
        result = Verify(path, true);
        QVERIFY(failing.Failures() > 0);
    }

    QCOMPARE(result.marker, std::string("Trevalon Digital Watermark"));
    QVERIFY(!result.authentic);
    QCOMPARE(result.reason, VerdictReason::SystemError);
    QVERIFY2(result.reasonDetail.find(std::strerror(EIO)) != std::string::npos, result.reasonDetail.c_str());
    QVERIFY2(result.sha256.empty(), ("a SHA-256 of part of the file: " + result.sha256).c_str());
}

void TestFileVerifier::accessTimeKeptWhereAllowed_data()
{
    QTest::addColumn<bool>("asOwner");
    QTest::newRow("the file's owner") << true;
    QTest::newRow("another user") << false;
}

// The owner's reading leaves the last access time as it was, so that a later report does not give the
// verification itself as the last access; anyone else reads it as usual, and the result says which.
void TestFileVerifier::accessTimeKeptWhereAllowed()
{
    QFETCH(bool, asOwner);
    if (!asOwner && geteuid() != 0)
        QSKIP("reading as another user needs root");
    const QString path = dir.filePath(QString("access-%1.jpg").arg(asOwner));
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                                  QFileDevice::ExeOther));
    QVERIFY(StampMedia(MediaPath("still.jpg"), path, "1.0"));
    QVERIFY(QFile::setPermissions(path,
                                  QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    // Days ago, so that even a relatime mount would move it on a reading.
    const QDateTime earlier = QDateTime::currentDateTimeUtc().addDays(-3);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly) && file.setFileTime(earlier, QFileDevice::FileAccessTime));
    file.close();
    QVERIFY(QFileInfo(path).lastRead().toSecsSinceEpoch() == earlier.toSecsSinceEpoch());

    if (!asOwner)
        QCOMPARE(seteuid(65534), 0);
    const VerificationResult result = Verify(path);
    if (!asOwner)
        QCOMPARE(seteuid(0), 0);
    QVERIFY2(result.authentic, result.reasonDetail.c_str());
    QCOMPARE(result.accessTimeKept, asOwner);
    QCOMPARE(result.accessedNs / 1000000000, earlier.toSecsSinceEpoch());
    if (asOwner)
        QCOMPARE(QFileInfo(path).lastRead().toSecsSinceEpoch(), earlier.toSecsSinceEpoch());
}

QTEST_GUILESS_MAIN(TestFileVerifier)
#include "TestFileVerifier.moc"
