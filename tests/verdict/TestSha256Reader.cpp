// SPDX-License-Identifier: Apache-2.0
#include "verdict/Sha256Reader.h"

#include <QtTest>

#include <vector>

// SHA-256 of a file by path, with its progress and its stop; the digest checked against Qt's own SHA-256.
class TestSha256Reader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void digestOfAFileWithProgress_data();
    void digestOfAFileWithProgress();
    void stopEndsTheReadingAsAFailure();
    void missingFileFails();

private:
    QTemporaryDir dir;
};

void TestSha256Reader::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestSha256Reader::digestOfAFileWithProgress_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one byte") << 1;
    // The reader takes 256 KiB at a time: one piece exactly, and a piece and a bit.
    QTest::newRow("one piece") << (1 << 18);
    QTest::newRow("three pieces") << (2 << 18) + 17;
}

void TestSha256Reader::digestOfAFileWithProgress()
{
    QFETCH(int, size);
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131) ^ (i >> 9));
    const QString path = dir.filePath(QStringLiteral("f%1").arg(size));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == size);
    file.close();

    std::vector<int64_t> progress;
    std::string hex;
    QVERIFY(Sha256Reader::DigestFile(path.toStdString(), &hex, [&](int64_t done) {
        progress.push_back(done);
        return true;
    }));
    QCOMPARE(QByteArray::fromStdString(hex),
             QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    QCOMPARE(progress.empty() ? int64_t(0) : progress.back(), int64_t(size));
    QVERIFY(std::is_sorted(progress.begin(), progress.end()));
}

void TestSha256Reader::stopEndsTheReadingAsAFailure()
{
    const QString path = dir.filePath(QStringLiteral("large"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(3 << 18, 'x')) == (3 << 18));
    file.close();
    int asked = 0;
    std::string hex = "unchanged";
    QVERIFY(!Sha256Reader::DigestFile(path.toStdString(), &hex, [&](int64_t) { return ++asked < 2; }));
    QCOMPARE(asked, 2);
    QCOMPARE(hex, std::string("unchanged"));
}

void TestSha256Reader::missingFileFails()
{
    std::string hex;
    QVERIFY(!Sha256Reader::DigestFile(dir.filePath("absent").toStdString(), &hex));
}

QTEST_GUILESS_MAIN(TestSha256Reader)
#include "TestSha256Reader.moc"
