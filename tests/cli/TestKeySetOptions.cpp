// SPDX-License-Identifier: Apache-2.0
// quorlith-verify with recorder key sets: --keys, --only-keys, --list-keys and the user's key folder, over
// evidence of two recorder families.
#include "tests/support/EvidenceFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestKeySetOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keyFileGiven_data();
    void keyFileGiven();
    void twoFamiliesFromTheUserFolder();
    void onlyKeysLeavesTheInstalledSetsOut();
    void badFileInAKeyFolderIsToldAndSkipped();

private:
    QTemporaryDir dir;
    QString builtInStill;
    QString secondStill;
    QString secondClip;
    QString plainStill;
};

namespace {

const char kSecondHmacHex[] = "5365636f6e6446616d696c79486d61634b65792d32";

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

QString KeysSource(const QString& name)
{
    return QStringLiteral(QUORLITH_SOURCE_DIR "/tests/keys/") + name;
}

// Root reads everything, so for the unreadable key file the program runs as the user "nobody" then.
Run Verify(const QStringList& arguments, const QString& configHome = QString(), bool unprivileged = false)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!configHome.isEmpty())
        environment.insert("XDG_CONFIG_HOME", configHome);
    process.setProcessEnvironment(environment);
    const QString program = QStringLiteral(QUORLITH_BIN_DIR "/quorlith-verify");
    if (unprivileged && geteuid() == 0)
        process.start("setpriv",
                      QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + arguments);
    else
        process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString SecondModulusHex()
{
    QProcess openssl;
    openssl.start("openssl",
                  {"rsa", "-pubin", "-in", KeysSource("second-family-public.pem"), "-noout", "-modulus"});
    openssl.waitForFinished(30000);
    return QString::fromLatin1(openssl.readAllStandardOutput()).trimmed().section('=', 1);
}

// A key folder as a person keeps one: owned by the user running the tests, writable by the owner only.
QString KeyFolder(const QString& path)
{
    if (!QDir().mkpath(path) ||
        !QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                         QFileDevice::ExeOther))
        return QString();
    return path;
}

bool CopySecondFamily(const QString& folder)
{
    return QFile::copy(KeysSource("second-family.key"), folder + "/second-family.key") &&
           QFile::copy(KeysSource("second-family-public.pem"), folder + "/second-family-public.pem");
}

QList<QJsonObject> JsonLines(const QByteArray& out)
{
    QList<QJsonObject> objects;
    for (const QByteArray& line : out.split('\n')) {
        if (!line.isEmpty())
            objects.append(QJsonDocument::fromJson(line).object());
    }
    return objects;
}

} // namespace

void TestKeySetOptions::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                  QFileDevice::ExeOther));
    const QString evidence = KeyFolder(dir.filePath("evidence"));
    builtInStill = MakeEvidence(evidence, "still.jpg", "a-built-in.jpg");
    StampRecord second;
    second.hmacKey = "SecondFamilyHmacKey-2";
    secondStill = evidence + "/b-second.jpg";
    secondClip = evidence + "/c-second.mp4";
    QCOMPARE(StampEvidence(KeysSource("second-family-key.pem").toStdString(), second,
                           MediaPath("still.jpg").toStdString(), secondStill.toStdString()),
             0);
    QCOMPARE(StampEvidence(KeysSource("second-family-key.pem").toStdString(), second,
                           MediaPath("clip-faststart.mp4").toStdString(), secondClip.toStdString()),
             0);
    plainStill = MakePlainMedia(evidence, "still.jpg", "d-plain.jpg");
    QVERIFY(!builtInStill.isEmpty() && !plainStill.isEmpty());
}

void TestKeySetOptions::keyFileGiven_data()
{
    QTest::addColumn<QByteArray>("text"); // the key file; empty: the second family's own files
    QTest::addColumn<QString>("setUp");   // what is done to the file or its folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("words"); // in the usage error, after the file's name
    const QByteArray head = "quorlith-key-set 1\nname: Second family, by hand\n";
    const QByteArray modulus = "modulus: " + SecondModulusHex().toLatin1() + "\n";
    const QByteArray hmac = QByteArray("hmac-key: ") + kSecondHmacHex + "\n";
    QTest::newRow("good PEM") << QByteArray() << QString() << 0 << QString();
    QTest::newRow("good hexadecimal")
        << head + modulus + "exponent: 010001\n" + hmac << QString() << 0 << QString();
    QTest::newRow("unknown field") << head + "serial: QR-1\n" + modulus + hmac << QString() << 2
                                   << QString(": line 3: unknown field \"serial\"");
    QByteArray even = modulus;
    even[even.size() - 2] = '2';
    QTest::newRow("even modulus") << head + even + hmac << QString() << 2 << QString(": the modulus is even");
    QTest::newRow("HMAC key of 65 bytes")
        << head + modulus + "hmac-key: " + QByteArray(130, 'a') + "\n"
        << QString() << 2 << QString(": the HMAC key must be 1 to 64 bytes long, not 65");
    QTest::newRow("file writable by others")
        << head + modulus + hmac << "file 0666" << 2 << QString("users other than its owner can write it");
    QTest::newRow("folder writable by others")
        << head + modulus + hmac << "folder 0777" << 2 << QString("its folder is not trusted");
    QTest::newRow("file of another user")
        << head + modulus + hmac << "owner 65534" << 2
        << QString("belongs to user 65534, neither root nor the user running");
    QTest::newRow("unreadable file") << head + modulus + hmac << "file 0000" << 2
                                     << QString("cannot be read: Permission denied");
}

void TestKeySetOptions::keyFileGiven()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, setUp);
    QFETCH(int, exitCode);
    QFETCH(QString, words);
    QTemporaryDir keys;
    const QString folder = KeyFolder(keys.path());
    QVERIFY(!folder.isEmpty());
    QString keyFile = folder + "/family.key";
    if (text.isEmpty()) {
        QVERIFY(CopySecondFamily(folder));
        keyFile = folder + "/second-family.key";
    } else {
        QVERIFY(WriteAll(keyFile, text));
    }
    const bool unprivileged = setUp == "file 0000";
    if (setUp == "file 0666")
        QVERIFY(chmod(QFile::encodeName(keyFile), 0666) == 0);
    if (setUp == "folder 0777")
        QVERIFY(chmod(QFile::encodeName(folder), 0777) == 0);
    if (setUp == "file 0000")
        QVERIFY(chmod(QFile::encodeName(keyFile), 0) == 0);
    if (setUp == "owner 65534") {
        if (geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QVERIFY(chown(QFile::encodeName(keyFile), 65534, 65534) == 0);
    }
    if (unprivileged && geteuid() != 0)
        QVERIFY(chmod(QFile::encodeName(keyFile), 0) == 0);

    const Run run = Verify({"--keys", keyFile, secondStill, builtInStill}, QString(), unprivileged);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 0) {
        QCOMPARE(run.err, QByteArray());
        QVERIFY2(run.out.contains("b-second.jpg  Start Time:") && run.out.contains("Key: Second"),
                 run.out.constData());
        QVERIFY2(run.out.contains("a-built-in.jpg  Start Time:") && run.out.contains("Key: Built-in"),
                 run.out.constData());
        return;
    }
    // A usage error before any file is verified: nothing on standard output, the file, line and fault named.
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.startsWith("quorlith-verify: the key set " + QFile::encodeName(keyFile)),
             run.err.constData());
    QVERIFY2(run.err.contains(words.toUtf8()), run.err.constData());
}

// Each family's key set in the user's folder: every file verifies with the set that made it, and says so.
void TestKeySetOptions::twoFamiliesFromTheUserFolder()
{
    QTemporaryDir config;
    const QString keys = KeyFolder(config.path() + "/quorlith/keys.d");
    QVERIFY(!keys.isEmpty() && !KeyFolder(config.path()).isEmpty() &&
            !KeyFolder(config.path() + "/quorlith").isEmpty());
    QVERIFY(CopySecondFamily(keys));

    const Run run = Verify({"--json", builtInStill, secondStill, secondClip, plainStill}, config.path());
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QByteArray());
    const QList<QJsonObject> objects = JsonLines(run.out);
    QCOMPARE(objects.size(), 4);
    const QStringList names = {"Built-in", "Second test family", "Second test family"};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(objects[i]["authentic"].toBool());
        QCOMPARE(objects[i]["key_set"].toObject()["name"].toString(), names[i]);
        QCOMPARE(objects[i]["key_set"].toObject()["fingerprint"].toString().size(), 64);
    }
    QVERIFY(objects[0]["key_set"] != objects[1]["key_set"]);
    QCOMPARE(objects[3]["reason"].toString(), QString("no-watermark"));
    QVERIFY(objects[3]["key_set"].isNull());

    const Run text = Verify({plainStill}, config.path());
    QVERIFY2(text.out.contains("Reason: no watermark block opens with any of the 2 key sets tried."),
             text.out.constData());

    // The list names both sets, where they came from, the key file's SHA-256, and never the HMAC key.
    const Run list = Verify({"--list-keys"}, config.path());
    QCOMPARE(list.exitCode, 0);
    const QList<QByteArray> lines = list.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith("Built-in  fingerprint ") && lines[0].contains("  built in  RSA 2048 bits"),
             lines[0].constData());
    const QByteArray fileDigest =
        QCryptographicHash::hash(ReadAll(keys + "/second-family.key"), QCryptographicHash::Sha256).toHex();
    QVERIFY2(lines[1].startsWith("Second test family  fingerprint ") &&
                 lines[1].contains("user folder " + QFile::encodeName(keys) + "/second-family.key (SHA-256 " +
                                   fileDigest + ")  RSA 2048 bits"),
             lines[1].constData());
    QVERIFY(!list.out.contains(kSecondHmacHex));
}

// --only-keys leaves out the built-in set and the folders' sets: a run repeated elsewhere uses exactly the
// sets it names.
void TestKeySetOptions::onlyKeysLeavesTheInstalledSetsOut()
{
    QTemporaryDir config;
    QVERIFY(!KeyFolder(config.path()).isEmpty() && !KeyFolder(config.path() + "/quorlith").isEmpty());
    const QString keys = KeyFolder(config.path() + "/quorlith/keys.d");
    QVERIFY(CopySecondFamily(keys));
    QTemporaryDir given;
    const QString folder = KeyFolder(given.path());
    QFile modulus(KeysSource("recorder-test-modulus.hex"));
    QVERIFY(modulus.open(QIODevice::ReadOnly));
    QVERIFY(WriteAll(
        folder + "/test-recorders.key",
        "quorlith-key-set 1\nname: Test recorders from a file\nmodulus: " + modulus.readAll().trimmed() +
            "\nhmac-key: " + QByteArray("TrevalonQuorlithHmac01").toHex() + "\n"));

    const Run list = Verify({"--only-keys", "--keys", folder, "--list-keys"}, config.path());
    QCOMPARE(list.exitCode, 0);
    QCOMPARE(list.out.count('\n'), 1);
    QVERIFY(list.out.startsWith("Test recorders from a file  fingerprint "));

    const Run run =
        Verify({"--json", "--only-keys", "--keys", folder, builtInStill, secondStill}, config.path());
    QCOMPARE(run.exitCode, 1);
    const QList<QJsonObject> objects = JsonLines(run.out);
    QCOMPARE(objects.size(), 2);
    QVERIFY(objects[0]["authentic"].toBool());
    QCOMPARE(objects[0]["key_set"].toObject()["name"].toString(), QString("Test recorders from a file"));
    QCOMPARE(objects[1]["reason"].toString(), QString("no-watermark"));
}

// A key folder's file that cannot be used is one line on standard error; the run goes on with the others.
void TestKeySetOptions::badFileInAKeyFolderIsToldAndSkipped()
{
    QTemporaryDir config;
    QVERIFY(!KeyFolder(config.path()).isEmpty() && !KeyFolder(config.path() + "/quorlith").isEmpty());
    const QString keys = KeyFolder(config.path() + "/quorlith/keys.d");
    QVERIFY(CopySecondFamily(keys));
    QVERIFY(WriteAll(keys + "/broken.key", "quorlith-key-set 1\nname: broken\n"));
    QVERIFY(WriteAll(keys + "/notes.txt", "not a key file, not looked at"));

    const Run run = Verify({secondStill}, config.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, "quorlith-verify: key set not loaded: " + QFile::encodeName(keys) +
                          "/broken.key: the field \"modulus\" or \"public-key-file\" is missing\n");
    QVERIFY(run.out.contains("Key: Second test family"));
}

QTEST_GUILESS_MAIN(TestKeySetOptions)
#include "TestKeySetOptions.moc"
