// SPDX-License-Identifier: Apache-2.0
#include "digest/Md5LaneWidth.h"
#include "tests/support/EvidenceFiles.h"
#include "tests/support/FailingReads.h"
#include "verdict/BatchFileVerifier.h"
#include "verdict/FileVerifier.h"
#include "verdict/JsonLinesWriter.h"

#include <QtTest>

#include <cerrno>
#include <cstdio>
#include <map>

// Each lane width up to the processor's: one stream, AVX2's 8 lanes, AVX-512's 16.
class TestBatchFileVerifier : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameOutputAsOneFileAtATime_data();
    void sameOutputAsOneFileAtATime();
    void readFailureInOneLaneLeavesTheOthers_data();
    void readFailureInOneLaneLeavesTheOthers();
    void stopEndsEveryFileInWork_data();
    void stopEndsEveryFileInWork();

private:
    QString MakeStill(const QString& name, int fillerBytes, const char* version);
    std::vector<BatchFileVerifier::Finished> RunBatch(const std::vector<VerificationTarget>& targets,
                                                      bool withSha256, int maxFiles, int width,
                                                      const ReadProgress* progress = nullptr);

    QTemporaryDir dir;
    std::vector<VerificationTarget> targets;
};

namespace {

VerificationTarget Target(const QString& path)
{
    VerificationTarget target;
    target.path = QFile::encodeName(path).toStdString();
    return target;
}

// The JSON line a report gives the result, and the computed digest the line leaves out.
QByteArray Report(const VerificationResult& result, bool withSha256)
{
    char* text = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&text, &size);
    {
        JsonLinesWriter writer(out, withSha256);
        writer.Write(result);
    }
    std::fclose(out);
    QByteArray line(text, static_cast<int>(size));
    free(text);
    return line + result.computedHmac.c_str();
}

} // namespace

// A still whose content differs from every other's by its length and its bytes, so that a lane given
// another file's bytes shows as a mismatch.
QString TestBatchFileVerifier::MakeStill(const QString& name, int fillerBytes, const char* version)
{
    QByteArray bytes = ReadAll(MediaPath("still.jpg"));
    QByteArray filler(fillerBytes, '\0');
    for (int i = 0; i < fillerBytes; ++i)
        filler[i] = static_cast<char>(
            (static_cast<unsigned>(i) * 2654435761u + static_cast<unsigned>(fillerBytes)) >> 7);
    bytes.insert(bytes.size() - 2, filler);
    const QString media = dir.filePath("media-" + name);
    const QString path = dir.filePath(name);
    return WriteAll(media, bytes) && StampMedia(media, path, version) ? path : QString();
}

void TestBatchFileVerifier::initTestCase()
{
    QVERIFY(dir.isValid());
    // Sizes on both sides of a block, of the one-read limit (1 MiB) and of a content piece, and every
    // kind of ending a file can come to before, in or after its content.
    const int fillers[] = {0, 1, 55, 64, 4095, 70000, 131072, 200000, (1 << 20) + 13, 3 << 20};
    for (int filler : fillers) {
        for (const char* version : {"1.0", "1.1"}) {
            const QString path =
                MakeStill(QString("still-%1-%2.jpg").arg(filler).arg(version), filler, version);
            QVERIFY(!path.isEmpty());
            targets.push_back(Target(path));
        }
    }
    const QString made[] = {
        MakeEvidence(dir.path(), "clip-faststart.mp4", "clip.mp4"),
        MakeEvidence(dir.path(), "clip-mdat-first.mp4", "clip-mdat-first.mxg"),
        MakeEvidence(dir.path(), "clip.avi", "clip.avi"),
        MakeTamperedEvidence(dir.path(), "clip.avi", "tampered.avi"),
        MakeTamperedEvidence(dir.path(), "clip-faststart.mp4", "tampered.mp4"),
        MakeLargeEvidence(dir.path(), "large.mp4", 5 << 20),
        MakePlainMedia(dir.path(), "still.jpg", "unstamped.jpg"),
    };
    for (const QString& path : made) {
        QVERIFY(!path.isEmpty());
        targets.push_back(Target(path));
    }
    QVERIFY(WriteAll(dir.filePath("short.avi"), QByteArray(100, 'x')));
    targets.push_back(Target(dir.filePath("short.avi")));
    targets.push_back(Target(dir.filePath("missing.mp4")));
    QVERIFY(MakeTamperedEvidence(dir.path(), "still.jpg", "tampered.jpg").size() > 0);
    targets.push_back(Target(dir.filePath("tampered.jpg")));
}

std::vector<BatchFileVerifier::Finished>
TestBatchFileVerifier::RunBatch(const std::vector<VerificationTarget>& list, bool withSha256, int maxFiles,
                                int width, const ReadProgress* progress)
{
    BatchFileVerifier batch(withSha256, nullptr, maxFiles, width);
    std::vector<BatchFileVerifier::Finished> all;
    size_t next = 0;
    for (;;) {
        while (batch.HasRoom() && next < list.size()) {
            batch.Add(next, list[next], progress);
            ++next;
        }
        std::vector<BatchFileVerifier::Finished> finished = batch.Next();
        if (finished.empty() && next == list.size())
            break;
        for (BatchFileVerifier::Finished& one : finished)
            all.push_back(std::move(one));
    }
    return all;
}

namespace {

const int kWidths[] = {1, 8, 16};

void AddWidths()
{
    QTest::addColumn<int>("width");
    for (int width : kWidths)
        QTest::addRow("%d lanes", width) << width;
}

} // namespace

void TestBatchFileVerifier::sameOutputAsOneFileAtATime_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("withSha256");
    QTest::addColumn<int>("maxFiles");
    for (int width : kWidths) {
        QTest::addRow("%d lanes", width) << width << false << kMd5MaxLanes;
        QTest::addRow("%d lanes, SHA-256", width) << width << true << kMd5MaxLanes;
        QTest::addRow("%d lanes, three files at once", width) << width << false << 3;
    }
}

void TestBatchFileVerifier::sameOutputAsOneFileAtATime()
{
    QFETCH(int, width);
    if (Md5LaneWidthAvailable() < width)
        QSKIP("this processor has no kernel of that width");
    QFETCH(bool, withSha256);
    QFETCH(int, maxFiles);
    const std::vector<BatchFileVerifier::Finished> finished = RunBatch(targets, withSha256, maxFiles, width);
    QCOMPARE(finished.size(), targets.size());
    std::map<size_t, const VerificationResult*> byTag;
    for (const BatchFileVerifier::Finished& one : finished)
        QVERIFY(byTag.emplace(one.tag, &one.result).second);
    int authentic = 0;
    for (size_t i = 0; i < targets.size(); ++i) {
        QVERIFY(byTag.count(i) == 1);
        const VerificationResult alone = FileVerifier(withSha256).Verify(targets[i]);
        QCOMPARE(Report(*byTag[i], withSha256), Report(alone, withSha256));
        authentic += alone.authentic ? 1 : 0;
    }
    // Every stamped still and the three untouched clips; a digest wrong in both ways would show here.
    QCOMPARE(authentic, 2 * 10 + 4);
}

void TestBatchFileVerifier::readFailureInOneLaneLeavesTheOthers_data()
{
    AddWidths();
}

void TestBatchFileVerifier::readFailureInOneLaneLeavesTheOthers()
{
    QFETCH(int, width);
    if (Md5LaneWidthAvailable() < width)
        QSKIP("this processor has no kernel of that width");
    // The large clip's disk fails after its first pieces, while the other lanes go on.
    const QString failing = dir.filePath("large.mp4");
    std::vector<VerificationTarget> list;
    for (const VerificationTarget& target : targets) {
        if (QFile::encodeName(failing).toStdString() == target.path ||
            target.path.find("still-") != std::string::npos)
            list.push_back(target);
    }
    FailingReads reads(QFile::encodeName(failing), 5, EIO);
    QVERIFY(reads.Set());
    const std::vector<BatchFileVerifier::Finished> finished = RunBatch(list, false, kMd5MaxLanes, width);
    QCOMPARE(finished.size(), list.size());
    for (const BatchFileVerifier::Finished& one : finished) {
        const bool isFailing = list[one.tag].path == QFile::encodeName(failing).toStdString();
        QCOMPARE(one.result.reason, isFailing ? VerdictReason::SystemError : VerdictReason::None);
    }
    QVERIFY(reads.Failures() > 0);
}

void TestBatchFileVerifier::stopEndsEveryFileInWork_data()
{
    AddWidths();
}

void TestBatchFileVerifier::stopEndsEveryFileInWork()
{
    QFETCH(int, width);
    if (Md5LaneWidthAvailable() < width)
        QSKIP("this processor has no kernel of that width");
    // A stop heard between two pieces ends every file whose content is still being read, so that a
    // stopped run vouches for none of them; files decided before their content keep their verdicts.
    const ReadProgress stop = {[](void*, int64_t) {}, nullptr, [](void*) { return false; }};
    const std::vector<BatchFileVerifier::Finished> finished =
        RunBatch(targets, false, kMd5MaxLanes, width, &stop);
    QCOMPARE(finished.size(), targets.size());
    for (const BatchFileVerifier::Finished& one : finished) {
        const VerificationResult alone = FileVerifier(false).Verify(targets[one.tag], &stop);
        QCOMPARE(one.result.reason, alone.reason);
        QVERIFY(!one.result.authentic);
    }
}

QTEST_GUILESS_MAIN(TestBatchFileVerifier)
#include "TestBatchFileVerifier.moc"
