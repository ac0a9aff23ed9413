// SPDX-License-Identifier: Apache-2.0
// Key sets in the engine: the key file's text, the sets it makes, their fingerprint, and a verifier
// that tries several sets and names the one its verdict rests on.
#include "engine/KeyRing.h"
#include "engine/KeySetText.h"
#include "engine/WatermarkVerifier.h"
#include "tests/support/EvidenceFiles.h"
#include "tools/EvidenceStamper.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>

class TestKeySet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keyFileText_data();
    void keyFileText();
    void pemPublicKey_data();
    void pemPublicKey();
    void unfitNumbers_data();
    void unfitNumbers();
    void fingerprintFollowsItsEncoding();
    void everyFileVerifiesWithTheSetThatMadeIt_data();
    void everyFileVerifiesWithTheSetThatMadeIt();
    void sharedModulusNamesTheMatchingHmacKey();
    void noSetOpensTheBlock();

private:
    QTemporaryDir dir;
    std::shared_ptr<const KeySet> second;
};

namespace {

const char kSecondHmac[] = "SecondFamilyHmacKey-2";

QString KeyFile(const char* name)
{
    return QStringLiteral(QUORLITH_SOURCE_DIR "/tests/keys/") + QLatin1String(name);
}

std::vector<unsigned char> Bytes(const QByteArray& bytes)
{
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

std::string ReadText(const QString& path)
{
    return ReadAll(path).toStdString();
}

std::shared_ptr<const KeySet> SecondFamily(const std::string& name, const std::string& hmacKey)
{
    std::vector<unsigned char> modulus;
    std::vector<unsigned char> exponent;
    std::string error;
    if (ReadPemPublicKey(ReadText(KeyFile("second-family-public.pem")), &modulus, &exponent, &error) != 0)
        return nullptr;
    auto set = std::make_shared<KeySet>();
    if (MakeKeySet(name, modulus, exponent, std::vector<unsigned char>(hmacKey.begin(), hmacKey.end()),
                   set.get(), &error) != 0)
        return nullptr;
    return set;
}

QByteArray LengthAndBytes(const QByteArray& bytes)
{
    QByteArray length(4, '\0');
    qToBigEndian(static_cast<quint32>(bytes.size()), length.data());
    return length + bytes;
}

} // namespace

void TestKeySet::initTestCase()
{
    QVERIFY(dir.isValid());
    second = SecondFamily("Second test family", kSecondHmac);
    QVERIFY(second);
}

void TestKeySet::keyFileText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");      // -1: the text is taken
    QTest::addColumn<QString>("words"); // part of the fault's words
    const QByteArray head = "quorlith-key-set 1\n";
    const QByteArray name = "name: Gen 2\n";
    const QByteArray modulus = "modulus: C1F3\n";
    const QByteArray hmac = "hmac-key: 5472\n";
    QTest::newRow("modulus in hex") << head + name + modulus + hmac << -1 << QString();
    QTest::newRow("public-key file, CR LF, comments and blank lines")
        << QByteArray("# family 2\r\n\r\nquorlith-key-set 1\r\n# keys\r\nname:  Gen 2 \r\npublic-key-file: "
                      "gen2.pem\r\n"
                      "\r\nhmac-key: 5472\r\n")
        << -1 << QString();
    QTest::newRow("wrong first line")
        << "quorlith-key-set 2\n" + name + modulus + hmac << 1 << QString("first line");
    QTest::newRow("empty file") << QByteArray() << 0 << QString("first line");
    QTest::newRow("unknown field") << head + name + "serial: 12\n" + modulus + hmac << 3
                                   << QString("unknown field");
    QTest::newRow("field in another case")
        << head + "Name: Gen 2\n" + modulus + hmac << 2 << QString("unknown field");
    QTest::newRow("repeated field") << head + name + modulus + hmac + "name: again\n"
                                    << 5 << QString("given again");
    QTest::newRow("line without colon")
        << head + name + "modulus C1F3\n" + hmac << 3 << QString("field: value");
    QTest::newRow("empty value") << head + name + "modulus:\n" + hmac << 3 << QString("no value");
    QTest::newRow("modulus not hex") << head + name + "modulus: C1G3\n" + hmac << 3 << QString("hexadecimal");
    QTest::newRow("exponent not hex")
        << head + name + modulus + "exponent: 0x10001\n" + hmac << 4 << QString("hexadecimal");
    QTest::newRow("HMAC key not hex") << head + name + modulus + "hmac-key: 54 72\n"
                                      << 4 << QString("hexadecimal");
    QTest::newRow("name missing") << head + modulus + hmac << 0 << QString("\"name\" is missing");
    QTest::newRow("HMAC key missing") << head + name + modulus << 0 << QString("\"hmac-key\" is missing");
    QTest::newRow("no public key") << head + name + hmac << 0
                                   << QString("\"modulus\" or \"public-key-file\"");
    QTest::newRow("modulus and public-key file")
        << head + name + modulus + "public-key-file: gen2.pem\n" + hmac << 4 << QString("not both");
    QTest::newRow("exponent beside a public-key file")
        << head + name + "public-key-file: gen2.pem\nexponent: 03\n" + hmac << 4 << QString("exponent");
    QTest::newRow("public-key file in another folder")
        << head + name + "public-key-file: ../gen2.pem\n" + hmac << 3 << QString("without a folder");
    QTest::newRow("zero byte") << head + name + modulus + hmac + QByteArray(1, '\0') << 0
                               << QString("zero byte");
    QTest::newRow("control character in the name")
        << head + "name: Gen\x1b[31m 2\n" + modulus + hmac << 2 << QString("control character");
}

void TestKeySet::keyFileText()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(QString, words);
    KeySetText parsed;
    int faultLine = -2;
    std::string error;
    const int ret = ReadKeySetText(text.toStdString(), &parsed, &faultLine, &error);
    if (line < 0) {
        QCOMPARE(ret, 0);
        QCOMPARE(QString::fromStdString(parsed.name), QString("Gen 2"));
        QCOMPARE(parsed.hmacKey, std::vector<unsigned char>({0x54, 0x72}));
        QCOMPARE(parsed.exponent, std::vector<unsigned char>({0x01, 0x00, 0x01}));
        QVERIFY(parsed.modulus.empty() != parsed.publicKeyFile.empty());
        return;
    }
    QCOMPARE(ret, -1);
    QCOMPARE(faultLine, line);
    QVERIFY2(QString::fromStdString(error).contains(words), error.c_str());
}

void TestKeySet::pemPublicKey_data()
{
    QTest::addColumn<QByteArray>("pem");
    QTest::addColumn<bool>("taken");
    const QByteArray spki = ReadAll(KeyFile("second-family-public.pem"));
    QTest::newRow("BEGIN PUBLIC KEY") << spki << true;
    QProcess convert;
    convert.start("openssl",
                  {"rsa", "-pubin", "-in", KeyFile("second-family-public.pem"), "-RSAPublicKey_out"});
    QVERIFY(convert.waitForFinished(30000) && convert.exitCode() == 0);
    QTest::newRow("BEGIN RSA PUBLIC KEY") << convert.readAllStandardOutput() << true;
    QTest::newRow("a private key") << ReadAll(KeyFile("second-family-key.pem")) << false;
    QByteArray damaged = spki;
    damaged[40] = damaged[40] == 'A' ? 'B' : 'A';
    QTest::newRow("damaged base64") << damaged << false;
    QTest::newRow("no PEM at all") << QByteArray("C1F3\n") << false;
}

void TestKeySet::pemPublicKey()
{
    QFETCH(QByteArray, pem);
    QFETCH(bool, taken);
    std::vector<unsigned char> modulus;
    std::vector<unsigned char> exponent;
    std::string error;
    const int ret = ReadPemPublicKey(pem.toStdString(), &modulus, &exponent, &error);
    QCOMPARE(ret == 0, taken);
    if (!taken) {
        QVERIFY(!error.empty());
        return;
    }
    QCOMPARE(modulus.size(), size_t(256));
    QCOMPARE(exponent, std::vector<unsigned char>({0x01, 0x00, 0x01}));
    KeySet set;
    QCOMPARE(MakeKeySet("x", modulus, exponent, Bytes(kSecondHmac), &set, &error), 0);
    QCOMPARE(set.fingerprint, second->fingerprint);
}

void TestKeySet::unfitNumbers_data()
{
    QTest::addColumn<QByteArray>("modulus");
    QTest::addColumn<QByteArray>("exponent");
    QTest::addColumn<int>("hmacBytes");
    QTest::addColumn<QString>("words");
    const QByteArray odd = QByteArray(64, '\x5a') + '\x01';
    QTest::newRow("fits") << odd << QByteArray("\x01\x00\x01", 3) << 22 << QString();
    QTest::newRow("HMAC key of 64 bytes") << odd << QByteArray("\x03") << 64 << QString();
    QTest::newRow("even modulus") << QByteArray(64, '\x5a') + '\x02' << QByteArray("\x03") << 22
                                  << QString("even");
    QTest::newRow("modulus of 15 bytes")
        << QByteArray(14, '\x5a') + '\x01' << QByteArray("\x03") << 22 << QString("16 to 1024");
    QTest::newRow("leading zeros do not count") << QByteArray(4, '\0') + QByteArray(14, '\x5a') + '\x01'
                                                << QByteArray("\x03") << 22 << QString("16 to 1024");
    QTest::newRow("exponent 1") << odd << QByteArray("\x01") << 22 << QString("exponent");
    QTest::newRow("even exponent") << odd << QByteArray("\x01\x00", 2) << 22 << QString("exponent");
    QTest::newRow("HMAC key of 65 bytes") << odd << QByteArray("\x03") << 65 << QString("1 to 64");
    QTest::newRow("empty HMAC key") << odd << QByteArray("\x03") << 0 << QString("1 to 64");
}

void TestKeySet::unfitNumbers()
{
    QFETCH(QByteArray, modulus);
    QFETCH(QByteArray, exponent);
    QFETCH(int, hmacBytes);
    QFETCH(QString, words);
    KeySet set;
    std::string error;
    const int ret =
        MakeKeySet("x", Bytes(modulus), Bytes(exponent), Bytes(QByteArray(hmacBytes, 'k')), &set, &error);
    QCOMPARE(ret == 0, words.isEmpty());
    QVERIFY2(QString::fromStdString(error).contains(words), error.c_str());
}

// The documented encoding, computed here with Qt: the label and its zero byte, then the three parts,
// each with its 4-byte big-endian length.
void TestKeySet::fingerprintFollowsItsEncoding()
{
    const QByteArray modulus(reinterpret_cast<const char*>(second->publicKey.modulus),
                             static_cast<int>(second->publicKey.modulusBytes));
    const QByteArray encoding = QByteArray("quorlith-key-set 1", 19) + LengthAndBytes(modulus) +
                                LengthAndBytes(QByteArray("\x01\x00\x01", 3)) + LengthAndBytes(kSecondHmac);
    QCOMPARE(QByteArray::fromStdString(second->fingerprint),
             QCryptographicHash::hash(encoding, QCryptographicHash::Sha256).toHex());
    // Another HMAC key is another set, though it opens the same blocks.
    QVERIFY(SecondFamily("y", "other")->fingerprint != second->fingerprint);
    QVERIFY(BuiltInKeySet().fingerprint != second->fingerprint);
}

void TestKeySet::everyFileVerifiesWithTheSetThatMadeIt_data()
{
    QTest::addColumn<bool>("secondFirst");
    QTest::newRow("built-in set first") << false;
    QTest::newRow("second family first") << true;
}

// Files of both families in one run, in alternating order so that the set that opened the last file is
// the wrong one for the next: each verifies, and names the set that made it.
void TestKeySet::everyFileVerifiesWithTheSetThatMadeIt()
{
    QFETCH(bool, secondFirst);
    StampRecord secondRecord;
    secondRecord.hmacKey = kSecondHmac;
    secondRecord.version = "1.1";
    const QString builtInStill = MakeEvidence(dir.path(), "still.jpg", "builtin.jpg");
    const QString secondStill = dir.filePath("second.jpg");
    const QString secondClip = dir.filePath("second.avi");
    QCOMPARE(StampEvidence(KeyFile("second-family-key.pem").toStdString(), secondRecord,
                           MediaPath("still.jpg").toStdString(), secondStill.toStdString()),
             0);
    QCOMPARE(StampEvidence(KeyFile("second-family-key.pem").toStdString(), secondRecord,
                           MediaPath("clip.avi").toStdString(), secondClip.toStdString()),
             0);
    KeyRing ring;
    AddKeySet(&ring, secondFirst ? second : SharedBuiltInKeySet());
    AddKeySet(&ring, secondFirst ? SharedBuiltInKeySet() : second);
    QVERIFY(!AddKeySet(&ring, SecondFamily("same keys, other name", kSecondHmac)));
    QCOMPARE(ring.sets.size(), size_t(2));

    const struct
    {
        QString path;
        const KeySet* set;
    } files[] = {{builtInStill, &BuiltInKeySet()},
                 {secondStill, second.get()},
                 {builtInStill, &BuiltInKeySet()},
                 {secondClip, second.get()}};
    for (const auto& file : files) {
        WatermarkVerifier verifier;
        verifier.SetKeyRing(&ring);
        QVERIFY2(verifier.Verify(file.path.toUtf8().constData()) == 0, qPrintable(file.path));
        QCOMPARE(verifier.GetKeySet(), file.set);
        QCOMPARE(verifier.GetKeySetsTried(), size_t(2));
    }
    // Without the second family's set its evidence has no watermark that opens.
    WatermarkVerifier builtInOnly;
    QCOMPARE(builtInOnly.Verify(secondStill.toUtf8().constData()), -1);
    QCOMPARE(builtInOnly.GetFailure(), VerifyFailure::TrailerNotOpened);
    QVERIFY(builtInOnly.GetKeySet() == nullptr);
    QVERIFY(builtInOnly.TriedBuiltInSetOnly());
}

// Two sets of one public key and two HMAC keys: the file is authentic under the one whose key made its
// digest, whichever comes first; with the other alone it fails, naming the set that opened the block.
void TestKeySet::sharedModulusNamesTheMatchingHmacKey()
{
    StampRecord record;
    record.hmacKey = kSecondHmac;
    const QString still = dir.filePath("shared.jpg");
    QCOMPARE(StampEvidence(KeyFile("second-family-key.pem").toStdString(), record,
                           MediaPath("still.jpg").toStdString(), still.toStdString()),
             0);
    const std::shared_ptr<const KeySet> wrong = SecondFamily("Wrong HMAC key", "not the family's key");
    for (bool wrongFirst : {true, false}) {
        KeyRing ring;
        AddKeySet(&ring, wrongFirst ? wrong : second);
        AddKeySet(&ring, wrongFirst ? second : wrong);
        WatermarkVerifier verifier;
        verifier.SetKeyRing(&ring);
        QCOMPARE(verifier.Verify(still.toUtf8().constData()), 0);
        QCOMPARE(verifier.GetKeySet(), second.get());
    }
    KeyRing wrongOnly;
    AddKeySet(&wrongOnly, wrong);
    WatermarkVerifier verifier;
    verifier.SetKeyRing(&wrongOnly);
    QCOMPARE(verifier.Verify(still.toUtf8().constData()), -1);
    QCOMPARE(verifier.GetFailure(), VerifyFailure::ContentMismatch);
    QCOMPARE(verifier.GetKeySet(), wrong.get());
    QCOMPARE(verifier.GetHMAC().size(), size_t(32));
    QVERIFY(verifier.GetComputedHMAC() != verifier.GetHMAC());
}

void TestKeySet::noSetOpensTheBlock()
{
    const QString plain = MakePlainMedia(dir.path(), "still.jpg", "plain.jpg");
    KeyRing ring;
    AddKeySet(&ring, second);
    AddKeySet(&ring, SharedBuiltInKeySet());
    WatermarkVerifier verifier;
    verifier.SetKeyRing(&ring);
    QCOMPARE(verifier.Verify(plain.toUtf8().constData()), -1);
    QCOMPARE(verifier.GetFailure(), VerifyFailure::TrailerNotOpened);
    QVERIFY(verifier.GetKeySet() == nullptr);
    QCOMPARE(verifier.GetKeySetsTried(), size_t(2));
    QVERIFY(!verifier.TriedBuiltInSetOnly());
}

QTEST_GUILESS_MAIN(TestKeySet)
#include "TestKeySet.moc"
