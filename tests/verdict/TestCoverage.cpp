// SPDX-License-Identifier: Apache-2.0
#include "digest/DigestUpdate.h"
#include "verdict/Coverage.h"

#include <QtTest>

#include <cstring>
#include <vector>

using Ranges = QVector<QPair<qint64, qint64>>;

class TestCoverage : public QObject
{
    Q_OBJECT

private slots:
    void foldCountsOnlyTheBytesThatChangeTheDigest_data();
    void foldCountsOnlyTheBytesThatChangeTheDigest();
    void regions_data();
    void regions();
    void negativeRegionVouchesForNothing();
};

namespace {

QByteArray FoldDigest(const std::vector<unsigned char>& content)
{
    Md5Context context;
    Md5Init(&context);
    DigestUpdate(DigestModeFold, &context, content.data(), static_cast<int32_t>(content.size()));
    unsigned char digest[16];
    Md5Final(&context, digest);
    return QByteArray(reinterpret_cast<const char*>(digest), 16);
}

Ranges ToRanges(const Coverage& coverage)
{
    Ranges ranges;
    for (const auto& range : coverage.unprotectedRanges)
        ranges.append({range.first, range.second});
    return ranges;
}

} // namespace

// The protected count is checked against the fold itself: a byte counts exactly when changing it
// alone changes the version "1.1" digest.
void TestCoverage::foldCountsOnlyTheBytesThatChangeTheDigest_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("5 bytes, index 0") << 5;
    QTest::newRow("8 bytes, index 1") << 8;
    QTest::newRow("100 bytes, index 12") << 100;
    QTest::newRow("511 bytes, index 63") << 511;
    QTest::newRow("512 bytes, index 0 again") << 512;
    QTest::newRow("1486 bytes, fast-start clip") << 1486;
    QTest::newRow("3116 bytes, still") << 3116;
    QTest::newRow("4103 bytes") << 4103;
}

void TestCoverage::foldCountsOnlyTheBytesThatChangeTheDigest()
{
    QFETCH(int, length);
    std::vector<unsigned char> content(static_cast<size_t>(length));
    for (size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<unsigned char>(i * 131 + 7);
    const QByteArray original = FoldDigest(content);

    qint64 changing = 0;
    for (auto& byte : content) {
        byte ^= 0x5A;
        if (FoldDigest(content) != original)
            ++changing;
        byte ^= 0x5A;
    }
    QCOMPARE(FoldProtectedBytes(length), changing);
}

void TestCoverage::regions_data()
{
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<int>("tail");
    QTest::addColumn<int>("mode");
    QTest::addColumn<qint64>("protectedBytes");
    QTest::addColumn<Ranges>("unprotected");
    QTest::addColumn<bool>("partial");

    // Layouts of the stamped media in tests/data/media (its README gives the content starts).
    QTest::newRow("jpg 1.0: all but the block")
        << qint64(0) << qint64(3114) << 2 << 0 << qint64(3116) << Ranges{{3114, 3625}} << false;
    QTest::newRow("jpg 1.1, index 5")
        << qint64(0) << qint64(3114) << 2 << 1 << qint64(245) << Ranges{{3114, 3625}} << true;
    QTest::newRow("mp4 header 1.0") << qint64(956) << qint64(1486) << 0 << 0 << qint64(1486)
                                    << Ranges{{0, 955}, {2442, 2953}} << true;
    QTest::newRow("avi header 1.0") << qint64(5720) << qint64(2110) << 0 << 0 << qint64(2110)
                                    << Ranges{{0, 5719}, {7830, 8341}} << true;
    // 512 content bytes fold to index 0: nothing of the content counts, so it joins the
    // unprotected header, block and tail in one range.
    QTest::newRow("mp4 1.1, index 0")
        << qint64(48) << qint64(512) << 0 << 1 << qint64(0) << Ranges{{0, 1071}} << true;
    QTest::newRow("jpg 1.1, index 0, tail included")
        << qint64(0) << qint64(510) << 2 << 1 << qint64(0) << Ranges{{0, 1023}} << true;
    QTest::newRow("jpg of 514 bytes: only the tail")
        << qint64(0) << qint64(0) << 2 << 0 << qint64(2) << Ranges{{0, 511}} << false;
}

void TestCoverage::regions()
{
    QFETCH(qint64, start);
    QFETCH(qint64, length);
    QFETCH(int, tail);
    QFETCH(int, mode);
    QFETCH(qint64, protectedBytes);
    QFETCH(Ranges, unprotected);
    QFETCH(bool, partial);

    const int64_t fileSize = start + length + 512 + tail;
    const Coverage coverage = CoverageOfRegion(ContentRegion{start, length, tail}, mode, fileSize);
    QCOMPARE(coverage.protectedBytes, protectedBytes);
    QCOMPARE(ToRanges(coverage), unprotected);
    QCOMPARE(coverage.partial, partial);
    QVERIFY(!coverage.notes.empty());
}

void TestCoverage::negativeRegionVouchesForNothing()
{
    // A content start inside the last 512 bytes leaves a negative region, which the engine refuses.
    const Coverage coverage = CoverageOfRegion(ContentRegion{900, -100, 0}, 0, 1312);
    QCOMPARE(coverage.protectedBytes, qint64(0));
    QCOMPARE(ToRanges(coverage), (Ranges{{0, 1311}}));
    QVERIFY(coverage.partial);
}

QTEST_GUILESS_MAIN(TestCoverage)
#include "TestCoverage.moc"
