// SPDX-License-Identifier: Apache-2.0
#include "engine/WatermarkVerifier.h"
#include "tests/support/EvidenceFiles.h"
#include "tools/EvidenceStamper.h"

#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

Q_DECLARE_METATYPE(VerifyFailure)

class TestWatermarkVerifier : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void authentic_data();
    void authentic();
    void tampered_data();
    void tampered();
    void recordsThatFailAfterParsing_data();
    void recordsThatFailAfterParsing();
    void contentOfAnotherType_data();
    void contentOfAnotherType();
    void failsBeforeTheRecord_data();
    void failsBeforeTheRecord();
    void blockBytesAfterTheRsaPartDoNotMatter();
    void freshVerifierIsEmpty();
    void reusedVerifierKeepsNoEarlierRecord_data();
    void reusedVerifierKeepsNoEarlierRecord();
    void readsOnlyTheOpenFile_data();
    void readsOnlyTheOpenFile();
    void nameOnlyGivesTheType();
    void specialFilesFailWithoutBlocking();
    void runningOutOfDescriptorsIsASystemFailure();
    void progressCountsEveryContentByte();
    void progressThatSaysStopEndsTheReading_data();
    void progressThatSaysStopEndsTheReading();

private:
    QString Stamp(const QString& media, const QString& name, const StampRecord& record);
    QString StampText(const QString& media, const QString& name, const std::string& text);
    QTemporaryDir dir;
};

namespace {

QString Media(const QString& name)
{
    return QStringLiteral(QUORLITH_TEST_DATA_DIR "/media/") + name;
}

StampRecord Version(const char* version)
{
    StampRecord record;
    record.version = version;
    return record;
}

int Run(WatermarkVerifier* verifier, const QString& path)
{
    return verifier->Verify(path.toUtf8().constData());
}

bool Patch(const QString& path, qint64 at, const QByteArray& bytes)
{
    QByteArray all = ReadAll(path);
    if (at < 0)
        at += all.size();
    all.replace(static_cast<int>(at), bytes.size(), bytes);
    return WriteAll(path, all);
}

} // namespace

void TestWatermarkVerifier::initTestCase()
{
    QVERIFY(dir.isValid());
}

QString TestWatermarkVerifier::Stamp(const QString& media, const QString& name, const StampRecord& record)
{
    const QString out = dir.filePath(name);
    QFile::remove(out);
    if (StampEvidence(QUORLITH_TEST_KEY, record, Media(media).toStdString(), out.toStdString()) != 0)
        return QString();
    return out;
}

QString TestWatermarkVerifier::StampText(const QString& media, const QString& name, const std::string& text)
{
    const QString out = dir.filePath(name);
    QFile::remove(out);
    MediaType type;
    unsigned char block[512];
    if (MediaTypeFromPath(out.toStdString(), &type) != 0 || SealRecord(QUORLITH_TEST_KEY, text, block) != 0 ||
        WriteStampedFile(Media(media).toStdString(), type, block, out.toStdString()) != 0)
        return QString();
    return out;
}

void TestWatermarkVerifier::authentic_data()
{
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    QTest::addColumn<qint64>("contentStart"); // from tests/data/media/README.md
    for (const char* version : {"1.0", "1.1"}) {
        const QString v = QString::fromLatin1(version);
        QTest::addRow("jpg %s", version) << "still.jpg"
                                         << "photo.jpg" << v << qint64(0);
        QTest::addRow("JPG upper case %s", version) << "still.jpg"
                                                    << "photo.JPG" << v << qint64(0);
        QTest::addRow("Jpg mixed case %s", version) << "still.jpg"
                                                    << "photo.Jpg" << v << qint64(0);
        QTest::addRow("mp4 mdat first %s", version) << "clip-mdat-first.mp4"
                                                    << "clip.mp4" << v << qint64(48);
        QTest::addRow("mp4 fast start %s", version) << "clip-faststart.mp4"
                                                    << "a.b.Mp4" << v << qint64(956);
        QTest::addRow("mxg %s", version) << "clip-mdat-first.mp4"
                                         << "clip.mxg" << v << qint64(48);
        QTest::addRow("avi with JUNK %s", version) << "clip.avi"
                                                   << "clip.avi" << v << qint64(5720);
        QTest::addRow("non-ASCII name %s", version)
            << "still.jpg" << QString::fromUtf8("Überwachung 東京.jpg") << v << qint64(0);
    }
}

void TestWatermarkVerifier::authentic()
{
    QFETCH(QString, media);
    QFETCH(QString, name);
    QFETCH(QString, version);
    QFETCH(qint64, contentStart);
    StampRecord record = Version(version.toLatin1().constData());
    const QString path = Stamp(media, name, record);
    QVERIFY(!path.isEmpty());

    WatermarkVerifier verifier;
    QCOMPARE(Run(&verifier, path), 0);
    QCOMPARE(verifier.GetFailure(), VerifyFailure::None);
    QCOMPARE(verifier.GetDigestMode(), version == "1.0" ? 0 : 1);
    QCOMPARE(verifier.GetMarker(), std::string("Trevalon Digital Watermark"));
    QCOMPARE(verifier.GetVersion(), record.version);
    QCOMPARE(verifier.GetStartTime(), record.startTime);
    QCOMPARE(verifier.GetEndTime(), record.endTime);
    QCOMPARE(verifier.GetTimeSource(), record.timeSource);
    QCOMPARE(verifier.GetRCSerial(), record.rcSerial);
    QCOMPARE(verifier.GetCamMAC(), record.camMac);
    QCOMPARE(verifier.GetHMAC().size(), size_t(32));
    QCOMPARE(verifier.GetComputedHMAC(), verifier.GetHMAC());
    QVERIFY(verifier.HasContentRegion());
    const ContentRegion region = verifier.GetContentRegion();
    QCOMPARE(region.start, contentStart);
    QCOMPARE(region.start + region.length + 512 + region.tail, QFileInfo(path).size());
}

void TestWatermarkVerifier::tampered_data()
{
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    QTest::addColumn<qint64>("flipAt"); // negative: from the end of the stamped file
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<VerifyFailure>("failure");
    QTest::newRow("jpg first byte") << "still.jpg"
                                    << "t.jpg"
                                    << "1.0" << qint64(0) << QByteArray("\xfe")
                                    << VerifyFailure::ContentMismatch;
    QTest::newRow("jpg last byte, after the block")
        << "still.jpg"
        << "t.jpg"
        << "1.0" << qint64(-1) << QByteArray("\x00", 1) << VerifyFailure::ContentMismatch;
    QTest::newRow("mp4 media byte") << "clip-mdat-first.mp4"
                                    << "t.mp4"
                                    << "1.0" << qint64(1000) << QByteArray("\x42")
                                    << VerifyFailure::ContentMismatch;
    QTest::newRow("mp4 moov after mdat")
        << "clip-mdat-first.mp4"
        << "t.mp4"
        << "1.0" << qint64(1600) << QByteArray("\x42") << VerifyFailure::ContentMismatch;
    QTest::newRow("avi index after movi")
        << "clip.avi"
        << "t.avi"
        << "1.0" << qint64(7700) << QByteArray("\x42") << VerifyFailure::ContentMismatch;
    QTest::newRow("mp4 box of size 0 before mdat")
        << "clip-mdat-first.mp4"
        << "t.mp4"
        << "1.0" << qint64(32) << QByteArray("\0\0\0\0", 4) << VerifyFailure::ContainerInvalid;
    QTest::newRow("mp4 backward box size before mdat")
        << "clip-faststart.mp4"
        << "t.mp4"
        << "1.1" << qint64(940) << QByteArray("\xff\xff\xff\x00", 4) << VerifyFailure::ContainerInvalid;
    QTest::newRow("avi second JUNK") << "clip.avi"
                                     << "t.avi"
                                     << "1.0" << qint64(5708) << QByteArray("JUNK")
                                     << VerifyFailure::ContainerInvalid;
    // The whole RSA integer, below the modulus, so that the block is the same on every run: the seal's
    // padding is random, and with only a few of its bytes changed the block would now and then open to
    // other text, or open where another type keeps it, and fail in another way.
    QTest::newRow("block's RSA part")
        << "clip.avi"
        << "t.avi"
        << "1.0" << qint64(-512) << QByteArray(256, '\x5a') << VerifyFailure::TrailerNotOpened;
}

void TestWatermarkVerifier::tampered()
{
    QFETCH(QString, media);
    QFETCH(QString, name);
    QFETCH(QString, version);
    QFETCH(qint64, flipAt);
    QFETCH(QByteArray, bytes);
    QFETCH(VerifyFailure, failure);
    const QString path = Stamp(media, name, Version(version.toLatin1().constData()));
    QVERIFY(!path.isEmpty());
    {
        WatermarkVerifier before;
        QCOMPARE(Run(&before, path), 0);
    }
    QVERIFY(Patch(path, flipAt, bytes));
    WatermarkVerifier verifier;
    QCOMPARE(Run(&verifier, path), -1);
    QCOMPARE(verifier.GetFailure(), failure);
    // The digest the file gave is known once its content was read whole, and then differs from the record's.
    if (failure == VerifyFailure::ContentMismatch) {
        QVERIFY(QRegularExpression("^[0-9a-f]{32}$")
                    .match(QString::fromStdString(verifier.GetComputedHMAC()))
                    .hasMatch());
        QVERIFY(verifier.GetComputedHMAC() != verifier.GetHMAC());
    } else {
        QCOMPARE(verifier.GetComputedHMAC(), std::string());
    }
}

void TestWatermarkVerifier::recordsThatFailAfterParsing_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<VerifyFailure>("failure");
    QTest::newRow("upper-case hex digest") << "upper" << VerifyFailure::ContentMismatch;
    QTest::newRow("record claims 1.1, digest of 1.0") << "other-version" << VerifyFailure::ContentMismatch;
    QTest::newRow("no HMAC line") << "no-hmac" << VerifyFailure::ContentMismatch;
    QTest::newRow("version 1.2") << "1.2" << VerifyFailure::UnsupportedVersion;
    QTest::newRow("version 1.10") << "1.10" << VerifyFailure::UnsupportedVersion;
    QTest::newRow("empty version") << "" << VerifyFailure::UnsupportedVersion;
    QTest::newRow("version with two blanks") << "two-blanks" << VerifyFailure::UnsupportedVersion;
    QTest::newRow("wrong marker") << "marker" << VerifyFailure::WrongMarker;
}

void TestWatermarkVerifier::recordsThatFailAfterParsing()
{
    QFETCH(QString, variant);
    QFETCH(VerifyFailure, failure);
    StampRecord record;
    std::string digest;
    QCOMPARE(ComputeEvidenceDigest(Media("still.jpg").toStdString(), MediaType::Jpg, 0, &digest), 0);
    record.hmac = digest;
    if (variant == "upper")
        record.hmac = QByteArray::fromStdString(digest).toUpper().toStdString();
    else if (variant == "other-version")
        record.version = "1.1";
    else if (variant == "marker")
        record.marker = "Trevalon Digital Watermark ";
    else if (variant == "two-blanks")
        record.version = " 1.0";
    else if (variant != "no-hmac")
        record.version = variant.toStdString();

    std::string text = BuildRecordText(record);
    if (variant == "no-hmac") {
        const std::string line = "HMAC: " + digest + "\r\n";
        text.erase(text.find(line), line.size());
    }
    const QString path = StampText("still.jpg", "r.jpg", text);
    QVERIFY(!path.isEmpty());
    WatermarkVerifier verifier;
    QCOMPARE(Run(&verifier, path), -1);
    QCOMPARE(verifier.GetFailure(), failure);
    // The record was read, so the list can still show what it claims.
    QCOMPARE(verifier.GetStartTime(), record.startTime);
    QCOMPARE(verifier.GetEndTime(), record.endTime);
    QCOMPARE(verifier.GetRCSerial(), record.rcSerial);
    // A digest written in capitals, or none at all: the file's own digest is still the lower-case one.
    if (variant == "upper" || variant == "no-hmac")
        QCOMPARE(verifier.GetComputedHMAC(), digest);
    if (failure != VerifyFailure::ContentMismatch)
        QCOMPARE(verifier.GetComputedHMAC(), std::string());
}

void TestWatermarkVerifier::failsBeforeTheRecord_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::addColumn<VerifyFailure>("failure");
    QTest::newRow("missing") << "missing.jpg" << QByteArray() << VerifyFailure::TooSmallOrMissing;
    QTest::newRow("511 bytes") << "small.mp4" << QByteArray(511, 'x') << VerifyFailure::TooSmallOrMissing;
    QTest::newRow("jpg of 512 bytes")
        << "small.jpg" << QByteArray(512, 'x') << VerifyFailure::TrailerUnreadable;
    QTest::newRow("jpg of 513 bytes")
        << "small.jpg" << QByteArray(513, 'x') << VerifyFailure::TrailerUnreadable;
    QTest::newRow("mp4 of 512 bytes: all block")
        << "small.mp4" << QByteArray(512, '\0') << VerifyFailure::TrailerNotOpened;
    QTest::newRow("jpeg") << "photo.jpeg" << QByteArray(2000, 'x') << VerifyFailure::UnsupportedType;
    QTest::newRow("no dot") << "photo" << QByteArray(2000, 'x') << VerifyFailure::UnsupportedType;
    QTest::newRow("trailing dot") << "photo." << QByteArray(2000, 'x') << VerifyFailure::UnsupportedType;
    QTest::newRow("dot only in a folder name")
        << "dir.mp4/clip" << QByteArray(2000, 'x') << VerifyFailure::UnsupportedType;
    QTest::newRow("no watermark") << "plain.avi" << QByteArray(4000, '\x20')
                                  << VerifyFailure::TrailerNotOpened;
}

void TestWatermarkVerifier::failsBeforeTheRecord()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(VerifyFailure, failure);
    const QString path = dir.filePath(name);
    if (!bytes.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(WriteAll(path, bytes));
    }
    WatermarkVerifier verifier;
    QCOMPARE(Run(&verifier, path), -1);
    QCOMPARE(verifier.GetFailure(), failure);
    QVERIFY(verifier.GetMarker().empty());
    QVERIFY(verifier.GetStartTime().empty());
    QCOMPARE(verifier.GetDigestMode(), -1);
}

// An intact stamped file under another type's ending: where the block opens tells the types apart
// only between a JPG (2 bytes before the end) and the videos (at the end); among the videos the
// container walk fails instead.
void TestWatermarkVerifier::contentOfAnotherType_data()
{
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("stampedAs");
    QTest::addColumn<QString>("renamedTo");
    QTest::addColumn<VerifyFailure>("failure");
    QTest::newRow("JPG as .avi") << "still.jpg"
                                 << "s1.jpg"
                                 << "s1.avi" << VerifyFailure::OtherTypeContent;
    QTest::newRow("JPG as .MP4") << "still.jpg"
                                 << "s2.jpg"
                                 << "s2.MP4" << VerifyFailure::OtherTypeContent;
    QTest::newRow("JPG as .mxg") << "still.jpg"
                                 << "s3.jpg"
                                 << "s3.mxg" << VerifyFailure::OtherTypeContent;
    QTest::newRow("AVI as .jpg") << "clip.avi"
                                 << "c1.avi"
                                 << "c1.jpg" << VerifyFailure::OtherTypeContent;
    QTest::newRow("MP4 as .jpg") << "clip-faststart.mp4"
                                 << "c2.mp4"
                                 << "c2.jpg" << VerifyFailure::OtherTypeContent;
    QTest::newRow("MP4 as .avi") << "clip-faststart.mp4"
                                 << "c3.mp4"
                                 << "c3.avi" << VerifyFailure::ContainerInvalid;
}

void TestWatermarkVerifier::contentOfAnotherType()
{
    QFETCH(QString, media);
    QFETCH(QString, stampedAs);
    QFETCH(QString, renamedTo);
    QFETCH(VerifyFailure, failure);
    const QString stamped = Stamp(media, stampedAs, Version("1.0"));
    QVERIFY(!stamped.isEmpty());
    const QString renamed = dir.filePath(renamedTo);
    QVERIFY(QFile::rename(stamped, renamed));
    WatermarkVerifier verifier;
    QCOMPARE(Run(&verifier, renamed), -1);
    QCOMPARE(verifier.GetFailure(), failure);
}

void TestWatermarkVerifier::blockBytesAfterTheRsaPartDoNotMatter()
{
    const QString path = Stamp("clip-mdat-first.mp4", "b.mp4", Version("1.0"));
    QVERIFY(!path.isEmpty());
    QVERIFY(Patch(path, -256, QByteArray(256, '\xee')));
    WatermarkVerifier verifier;
    QCOMPARE(Run(&verifier, path), 0);
}

void TestWatermarkVerifier::freshVerifierIsEmpty()
{
    const WatermarkVerifier verifier;
    QCOMPARE(verifier.GetFailure(), VerifyFailure::None);
    QVERIFY(verifier.GetMarker().empty() && verifier.GetVersion().empty() && verifier.GetHMAC().empty() &&
            verifier.GetStartTime().empty() && verifier.GetEndTime().empty() &&
            verifier.GetTimeSource().empty() && verifier.GetRCSerial().empty() &&
            verifier.GetCamMAC().empty());
    QVERIFY(!verifier.HasContentRegion());
}

void TestWatermarkVerifier::reusedVerifierKeepsNoEarlierRecord_data()
{
    QTest::addColumn<QByteArray>("secondBytes");
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("too small for a block") << QByteArray(100, 'x');
}

// A verifier used again answers only for the second file: a file that fails before its record is
// read must not show the first file's fields.
void TestWatermarkVerifier::reusedVerifierKeepsNoEarlierRecord()
{
    QFETCH(QByteArray, secondBytes);
    const QString authentic = Stamp(QStringLiteral("still.jpg"), QStringLiteral("first.jpg"), Version("1.0"));
    QVERIFY(!authentic.isEmpty());
    const QString second = dir.filePath(QStringLiteral("second.jpg"));
    QFile::remove(second);
    if (!secondBytes.isEmpty())
        QVERIFY(WriteAll(second, secondBytes));

    WatermarkVerifier verifier;
    QCOMPARE(Run(&verifier, authentic), 0);
    QVERIFY(!verifier.GetRCSerial().empty());
    QCOMPARE(Run(&verifier, second), -1);
    QVERIFY(verifier.GetMarker().empty() && verifier.GetVersion().empty() && verifier.GetHMAC().empty() &&
            verifier.GetStartTime().empty() && verifier.GetEndTime().empty() &&
            verifier.GetTimeSource().empty() && verifier.GetRCSerial().empty() &&
            verifier.GetCamMAC().empty());
    QCOMPARE(verifier.GetDigestMode(), -1);
    QVERIFY(!verifier.HasContentRegion());
}

void TestWatermarkVerifier::readsOnlyTheOpenFile_data()
{
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("openedIsAuthentic");
    const struct
    {
        const char* media;
        const char* name;
    } kinds[] = {{"still.jpg", "swap.jpg"}, {"clip-faststart.mp4", "swap.mp4"}, {"clip.avi", "swap.avi"}};
    for (const auto& kind : kinds) {
        QTest::addRow("%s, the authentic one open", kind.name) << kind.media << kind.name << true;
        QTest::addRow("%s, the tampered one open", kind.name) << kind.media << kind.name << false;
    }
}

// Once the file is open, another file moved under its name must not change the answer: everything,
// from the size to the last content byte, comes from the open file.
void TestWatermarkVerifier::readsOnlyTheOpenFile()
{
    QFETCH(QString, media);
    QFETCH(QString, name);
    QFETCH(bool, openedIsAuthentic);
    const QString authentic = Stamp(media, QStringLiteral("authentic-") + name, Version("1.0"));
    const QString tampered = Stamp(media, QStringLiteral("tampered-") + name, Version("1.0"));
    QVERIFY(!authentic.isEmpty() && !tampered.isEmpty());
    const QByteArray original = ReadAll(tampered);
    QVERIFY(
        Patch(tampered, -600, QByteArray(1, static_cast<char>(original.at(original.size() - 600) ^ 0x5a))));

    const QString path = dir.filePath(name);
    QFile::remove(path);
    QVERIFY(QFile::copy(openedIsAuthentic ? authentic : tampered, path));
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    QVERIFY(QFile::remove(path));
    QVERIFY(QFile::copy(openedIsAuthentic ? tampered : authentic, path));

    WatermarkVerifier verifier;
    const int answer = verifier.VerifyOpenFile(fd, QFile::encodeName(path).constData());
    close(fd);
    QCOMPARE(answer, openedIsAuthentic ? 0 : -1);
    QCOMPARE(verifier.GetFailure(), openedIsAuthentic ? VerifyFailure::None : VerifyFailure::ContentMismatch);
}

// The name is never opened: one longer than any path and not UTF-8 still verifies by its extension.
void TestWatermarkVerifier::nameOnlyGivesTheType()
{
    const QString path = Stamp("still.jpg", "named.jpg", Version("1.1"));
    QVERIFY(!path.isEmpty());
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    const std::string longName = std::string(6000, 'd') + "/\xff\xfe caméra.JPG";
    const std::string wrongType = std::string(6000, 'd') + "/still.jpg.txt";
    WatermarkVerifier verifier;
    QCOMPARE(verifier.VerifyOpenFile(fd, longName.c_str()), 0);
    QCOMPARE(verifier.VerifyOpenFile(fd, wrongType.c_str()), -1);
    QCOMPARE(verifier.GetFailure(), VerifyFailure::UnsupportedType);
    close(fd);
}

void TestWatermarkVerifier::specialFilesFailWithoutBlocking()
{
    const QByteArray fifo = QFile::encodeName(dir.filePath("pipe.jpg"));
    QVERIFY(mkfifo(fifo.constData(), 0600) == 0);
    const QByteArray folder = QFile::encodeName(dir.filePath("folder.mp4"));
    QVERIFY(mkdir(folder.constData(), 0700) == 0);
    for (const QByteArray& path : {fifo, folder}) {
        auto verdict = std::async(std::launch::async, [path] {
            WatermarkVerifier verifier;
            return verifier.Verify(path.constData()) == -1 &&
                   verifier.GetFailure() == VerifyFailure::TooSmallOrMissing;
        });
        if (verdict.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
            // Releases an open that waits for a writer, so that the test ends either way.
            const int writer = open(fifo.constData(), O_WRONLY | O_NONBLOCK);
            verdict.wait();
            close(writer);
            QFAIL(qPrintable(QStringLiteral("opening %1 blocked").arg(QString::fromUtf8(path))));
        }
        QVERIFY2(verdict.get(), path.constData());
    }
}

// No descriptor left is the system's failure, not the file's: it must not read as a damaged file.
void TestWatermarkVerifier::runningOutOfDescriptorsIsASystemFailure()
{
    const QString path = Stamp("still.jpg", "limit.jpg", Version("1.0"));
    QVERIFY(!path.isEmpty());
    struct rlimit original;
    QVERIFY(getrlimit(RLIMIT_NOFILE, &original) == 0);
    std::vector<int> taken;
    struct rlimit lowered = original;
    lowered.rlim_cur = 64;
    QVERIFY(setrlimit(RLIMIT_NOFILE, &lowered) == 0);
    for (int fd = dup(0); fd >= 0; fd = dup(0))
        taken.push_back(fd);
    const int dupError = errno;
    WatermarkVerifier verifier;
    const int answer = verifier.Verify(path.toUtf8().constData());
    for (int fd : taken)
        close(fd);
    QVERIFY(setrlimit(RLIMIT_NOFILE, &original) == 0);
    QCOMPARE(dupError, EMFILE);
    QCOMPARE(answer, -1);
    QCOMPARE(verifier.GetFailure(), VerifyFailure::SystemFailure);
    QCOMPARE(verifier.GetSystemError(), EMFILE);
}

void TestWatermarkVerifier::progressCountsEveryContentByte()
{
    const QString path = Stamp("clip-faststart.mp4", "progress.mp4", Version("1.0"));
    QVERIFY(!path.isEmpty());
    int64_t counted = 0;
    const ReadProgress progress = {
        [](void* context, int64_t count) { *static_cast<int64_t*>(context) += count; }, &counted};
    WatermarkVerifier verifier;
    verifier.SetReadProgress(&progress);
    QCOMPARE(Run(&verifier, path), 0);
    const ContentRegion region = verifier.GetContentRegion();
    QCOMPARE(counted, region.length + region.tail);
}

void TestWatermarkVerifier::progressThatSaysStopEndsTheReading_data()
{
    QTest::addColumn<int>("piecesAllowed");
    QTest::newRow("stop after the second piece") << 2;
    QTest::newRow("never stop") << 1000;
}

// Asked after each piece of content, a progress that says stop ends the reading there: the verification
// fails as a system failure, which vouches for nothing, and no further piece is read.
void TestWatermarkVerifier::progressThatSaysStopEndsTheReading()
{
    QFETCH(int, piecesAllowed);
    const QString path = MakeLargeEvidence(dir.path(), "long.mp4", qint64(1) << 20);
    QVERIFY(!path.isEmpty());
    struct Count
    {
        int64_t bytes = 0;
        int pieces = 0;
        int allowed = 0;
    } count;
    count.allowed = piecesAllowed;
    const ReadProgress progress = {[](void* context, int64_t bytes) {
                                       Count* counted = static_cast<Count*>(context);
                                       counted->bytes += bytes;
                                       ++counted->pieces;
                                   },
                                   &count,
                                   [](void* context) {
                                       return static_cast<Count*>(context)->pieces <
                                              static_cast<Count*>(context)->allowed;
                                   }};
    WatermarkVerifier verifier;
    verifier.SetReadProgress(&progress);
    const int answer = Run(&verifier, path);
    const ContentRegion region = verifier.GetContentRegion();
    if (piecesAllowed > count.pieces) {
        QCOMPARE(answer, 0);
        QCOMPARE(count.bytes, region.length + region.tail);
        return;
    }
    QCOMPARE(answer, -1);
    QCOMPARE(verifier.GetFailure(), VerifyFailure::SystemFailure);
    QCOMPARE(verifier.GetSystemError(), ECANCELED);
    QCOMPARE(count.pieces, piecesAllowed);
    QVERIFY(count.bytes < region.length);
}

QTEST_GUILESS_MAIN(TestWatermarkVerifier)
#include "TestWatermarkVerifier.moc"
