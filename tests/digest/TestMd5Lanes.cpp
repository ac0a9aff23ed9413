// SPDX-License-Identifier: Apache-2.0
#include "digest/DigestUpdate.h"
#include "digest/Md5.h"
#include "digest/Md5Lanes.h"

#include <QtTest>

#include <vector>

class TestMd5Lanes : public QObject
{
    Q_OBJECT

private slots:
    void lengthsThroughEveryWidth_data();
    void lengthsThroughEveryWidth();
    void rfc1321Suite_data();
    void rfc1321Suite();
    void lanesFinishAtDifferentSteps_data();
    void lanesFinishAtDifferentSteps();
    void foldClosedInALane_data();
    void foldClosedInALane();
    void contextAfterLaneStepsContinuesOneStream_data();
    void contextAfterLaneStepsContinuesOneStream();
    void widthAsked_data();
    void widthAsked();
};

namespace {

// Bytes that differ from message to message, so that a lane given another lane's block shows.
QByteArray Message(int length, int seed)
{
    QByteArray bytes(length, Qt::Uninitialized);
    uint32_t x = 2463534242u + 977u * static_cast<uint32_t>(seed);
    for (int i = 0; i < length; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        bytes[i] = static_cast<char>(x);
    }
    return bytes;
}

const unsigned char* Bytes(const QByteArray& bytes)
{
    return reinterpret_cast<const unsigned char*>(bytes.constData());
}

QByteArray Hex(const unsigned char digest[16])
{
    return QByteArray(reinterpret_cast<const char*>(digest), 16).toHex();
}

QByteArray OneStreamMd5(const QByteArray& message)
{
    Md5Context ctx;
    Md5Init(&ctx);
    Md5Update(&ctx, Bytes(message), static_cast<uint32_t>(message.size()));
    unsigned char digest[16];
    Md5Final(&ctx, digest);
    return Hex(digest);
}

// One stream's place in a run: its message and how much of it the lane was given.
struct Stream
{
    int message = -1;
    int given = 0;
    bool closed = false;
};

// Hashes the messages in the lanes as a caller keeps them full: each message is given in pieces
// of pieceSize(message) bytes, and a lane that frees takes the next message. A message with a
// context in starts continues that context.
template <typename PieceSize>
std::vector<QByteArray> LaneDigests(int width, const std::vector<QByteArray>& messages, PieceSize pieceSize,
                                    const std::vector<const Md5Context*>& starts = {})
{
    Md5Lanes lanes;
    Md5LanesInit(&lanes, width);
    std::vector<QByteArray> digests(messages.size());
    Stream streams[kMd5MaxLanes];
    size_t next = 0;
    const auto startNext = [&](int lane) {
        if (next == messages.size())
            return;
        Md5LaneStart(&lanes, lane, next < starts.size() ? starts[next] : nullptr);
        streams[lane] = Stream();
        streams[lane].message = static_cast<int>(next++);
    };
    for (int lane = Md5LanesFreeLane(&lanes); lane >= 0 && next < messages.size();
         lane = Md5LanesFreeLane(&lanes))
        startNext(lane);
    for (int lane = Md5LanesAdvance(&lanes); lane >= 0; lane = Md5LanesAdvance(&lanes)) {
        Stream& stream = streams[lane];
        const QByteArray& message = messages[static_cast<size_t>(stream.message)];
        if (stream.closed) {
            unsigned char digest[16];
            Md5LaneDigest(&lanes, lane, digest);
            digests[static_cast<size_t>(stream.message)] = Hex(digest);
            startNext(lane);
        } else if (stream.given == message.size()) {
            Md5LaneClose(&lanes, lane);
            stream.closed = true;
        } else {
            const int piece = qMin(pieceSize(stream.message), message.size() - stream.given);
            Md5LaneFeed(&lanes, lane, Bytes(message) + stream.given, static_cast<uint32_t>(piece));
            stream.given += piece;
        }
    }
    return digests;
}

void SkipUnlessAvailable(int width)
{
    if (Md5LaneWidthAvailable() < width)
        QSKIP("this processor has no kernel of that width");
}

void AddWidthColumn()
{
    QTest::addColumn<int>("width");
}

} // namespace

void TestMd5Lanes::lengthsThroughEveryWidth_data()
{
    AddWidthColumn();
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("streams");
    const int lengths[] = {0, 1, 55, 56, 63, 64, 65, 119, 120, 4095, (1 << 20) + 13};
    // Fewer streams than lanes leave kernel lanes idle, and a few streams in 16 lanes take the
    // 8-lane kernel.
    const int streamCounts[][2] = {{1, 1}, {8, 8}, {8, 3}, {16, 16}, {16, 11}, {16, 5}};
    for (const auto& widthAndStreams : streamCounts) {
        for (int length : lengths)
            QTest::addRow("width %d, %d streams, %d bytes", widthAndStreams[0], widthAndStreams[1], length)
                << widthAndStreams[0] << length << widthAndStreams[1];
    }
}

void TestMd5Lanes::lengthsThroughEveryWidth()
{
    QFETCH(int, width);
    QFETCH(int, length);
    QFETCH(int, streams);
    SkipUnlessAvailable(width);
    std::vector<QByteArray> messages;
    for (int i = 0; i < streams; ++i)
        messages.push_back(Message(length, i));
    const std::vector<QByteArray> digests = LaneDigests(width, messages, [&](int) { return length; });
    for (int i = 0; i < streams; ++i)
        QCOMPARE(digests[static_cast<size_t>(i)], OneStreamMd5(messages[static_cast<size_t>(i)]));
}

void TestMd5Lanes::rfc1321Suite_data()
{
    AddWidthColumn();
    QTest::addColumn<int>("pieceSize");
    for (int width : {1, 8, 16}) {
        QTest::addRow("width %d, whole", width) << width << 100;
        QTest::addRow("width %d, bytewise", width) << width << 1;
    }
}

void TestMd5Lanes::rfc1321Suite()
{
    QFETCH(int, width);
    QFETCH(int, pieceSize);
    SkipUnlessAvailable(width);
    // RFC 1321, appendix A.5, twice over, so that every lane of the widest kernel takes one.
    const std::pair<QByteArray, QByteArray> suite[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {QByteArray("1234567890").repeated(8), "57edf4a22be3c955ac49da2e2107b67a"},
    };
    std::vector<QByteArray> messages;
    std::vector<QByteArray> expected;
    for (int round = 0; round < 3; ++round) {
        for (const auto& entry : suite) {
            messages.push_back(entry.first);
            expected.push_back(entry.second);
        }
    }
    const std::vector<QByteArray> digests = LaneDigests(width, messages, [&](int) { return pieceSize; });
    QCOMPARE(digests, expected);
}

void TestMd5Lanes::lanesFinishAtDifferentSteps_data()
{
    AddWidthColumn();
    QTest::addColumn<int>("messageCount");
    for (int width : {1, 8, 16}) {
        QTest::addRow("width %d, as many messages as lanes", width) << width << width;
        QTest::addRow("width %d, lanes taken again", width) << width << 3 * width + 1;
    }
}

void TestMd5Lanes::lanesFinishAtDifferentSteps()
{
    QFETCH(int, width);
    QFETCH(int, messageCount);
    SkipUnlessAvailable(width);
    // Lengths from empty to a few hundred blocks, given in pieces that end anywhere in a block, so
    // that lanes run dry, close and take a new message at different steps.
    std::vector<QByteArray> messages;
    for (int i = 0; i < messageCount; ++i)
        messages.push_back(Message((i * 7919 + (i % 3) * 61) % 40000, 100 + i));
    const std::vector<QByteArray> digests =
        LaneDigests(width, messages, [](int message) { return 1 + (message * 2741) % 9000; });
    for (size_t i = 0; i < messages.size(); ++i)
        QCOMPARE(digests[i], OneStreamMd5(messages[i]));
}

void TestMd5Lanes::foldClosedInALane_data()
{
    AddWidthColumn();
    QTest::addColumn<int>("foldLength");
    for (int width : {1, 8, 16}) {
        for (int length : {0, 1, 55, 56, 63, 64, 65, 100000})
            QTest::addRow("width %d, %d bytes folded", width, length) << width << length;
    }
}

void TestMd5Lanes::foldClosedInALane()
{
    QFETCH(int, width);
    QFETCH(int, foldLength);
    SkipUnlessAvailable(width);
    // The fold leaves a byte count and a position where MD5 keeps a bit count, and its buffer
    // bytes wait by that count: the lane must close such a context as Md5Final does, while the
    // other lanes hash whole blocks beside it.
    const QByteArray folded = Message(foldLength, 7);
    Md5Context fold;
    Md5Init(&fold);
    Md5Fold(&fold, Bytes(folded), foldLength);
    Md5Context copy = fold;
    unsigned char expected[16];
    Md5Final(&copy, expected);

    std::vector<QByteArray> messages;
    std::vector<const Md5Context*> starts;
    for (int i = 0; i < 2 * width; ++i) {
        const bool isFold = i == width / 2;
        messages.push_back(isFold ? QByteArray() : Message(3000 + 64 * i, i));
        starts.push_back(isFold ? &fold : nullptr);
    }
    const std::vector<QByteArray> digests = LaneDigests(
        width, messages, [](int) { return 640; }, starts);
    for (size_t i = 0; i < messages.size(); ++i)
        QCOMPARE(digests[i], starts[i] ? Hex(expected) : OneStreamMd5(messages[i]));
}

void TestMd5Lanes::contextAfterLaneStepsContinuesOneStream_data()
{
    AddWidthColumn();
    for (int width : {1, 8, 16})
        QTest::addRow("width %d", width) << width;
}

void TestMd5Lanes::contextAfterLaneStepsContinuesOneStream()
{
    QFETCH(int, width);
    SkipUnlessAvailable(width);
    // Each lane takes its message up to a cut that falls at another place in a block; the one-stream
    // MD5 then finishes from the context the lane gives.
    Md5Lanes lanes;
    Md5LanesInit(&lanes, width);
    std::vector<QByteArray> messages;
    std::vector<int> cuts;
    for (int lane = 0; lane < width; ++lane) {
        messages.push_back(Message(5000 + 100 * lane, 50 + lane));
        cuts.push_back(64 * (20 + lane) + 5 * lane);
        Md5LaneStart(&lanes, lane, nullptr);
        Md5LaneFeed(&lanes, lane, Bytes(messages.back()), static_cast<uint32_t>(cuts.back()));
    }
    std::vector<Md5Context> contexts(static_cast<size_t>(width));
    for (int lane = Md5LanesAdvance(&lanes); lane >= 0; lane = Md5LanesAdvance(&lanes)) {
        Md5LaneContext(&lanes, lane, &contexts[static_cast<size_t>(lane)]);
        Md5LaneRelease(&lanes, lane);
    }
    for (size_t lane = 0; lane < messages.size(); ++lane) {
        const QByteArray& message = messages[lane];
        Md5Update(&contexts[lane], Bytes(message) + cuts[lane],
                  static_cast<uint32_t>(message.size() - cuts[lane]));
        unsigned char digest[16];
        Md5Final(&contexts[lane], digest);
        QCOMPARE(Hex(digest), OneStreamMd5(message));
    }
}

void TestMd5Lanes::widthAsked_data()
{
    QTest::addColumn<QByteArray>("asked");
    QTest::addColumn<int>("available");
    QTest::addColumn<int>("width");
    QTest::newRow("nothing asked") << QByteArray() << 16 << 16;
    QTest::newRow("one stream on AVX-512") << QByteArray("1") << 16 << 1;
    QTest::newRow("8 on AVX-512") << QByteArray("8") << 16 << 8;
    QTest::newRow("16 on AVX2 is capped") << QByteArray("16") << 8 << 8;
    QTest::newRow("16 without either is capped") << QByteArray("16") << 1 << 1;
    QTest::newRow("between widths goes down") << QByteArray("12") << 16 << 8;
    QTest::newRow("above the widest") << QByteArray("64") << 16 << 16;
    QTest::newRow("zero is ignored") << QByteArray("0") << 8 << 8;
    QTest::newRow("not a number is ignored") << QByteArray("8x") << 16 << 16;
}

void TestMd5Lanes::widthAsked()
{
    QFETCH(QByteArray, asked);
    QFETCH(int, available);
    QFETCH(int, width);
    QCOMPARE(Md5LaneWidthFor(asked.isNull() ? nullptr : asked.constData(), available), width);
}

QTEST_APPLESS_MAIN(TestMd5Lanes)
#include "TestMd5Lanes.moc"
