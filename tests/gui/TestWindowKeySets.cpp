// SPDX-License-Identifier: Apache-2.0
// The window with two more recorder families in the user's key folder, loaded at start as the program
// does: every file verifies with the set of its family, the details and tooltips name the set, and the
// export's facts list every set.
#include "GuiTestSupport.h"
#include "MessageBoxWatcher.h"
#include "app/MainWindow.h"
#include "app/WindowKeySets.h"
#include "tests/support/EvidenceFiles.h"
#include "tests/support/SecondFamily.h"
#include "ui/DetailsWindow.h"
#include "verdict/KeySetLoading.h"

#include <QAbstractItemModel>
#include <QTreeView>
#include <QtTest>

#include <cstdio>

namespace {
// The third family shares the second one's RSA key and has an HMAC key of its own.
const char* const kThirdHmacKey = "ThirdFamilyHmacKey-3";

QModelIndex ShownRow(const MainWindow& window, const QString& name)
{
    const QAbstractItemModel* shown = window.findChild<QTreeView*>()->model();
    for (int row = 0; row < shown->rowCount(); ++row) {
        if (shown->index(row, 0).data().toString() == name)
            return shown->index(row, 0);
    }
    return QModelIndex();
}

// The set's fingerprint, as the program loaded it.
QString Fingerprint(const QString& name)
{
    for (const auto& set : ProgramKeySets().ring.sets) {
        if (set->name == name.toStdString())
            return QString::fromStdString(set->fingerprint);
    }
    return QString();
}

// The PDF's text line by line, the label beside its value, without any white space: a value wrapped in
// its column reads on.
QString ReportText(const QString& pdf)
{
    QProcess text;
    text.start("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"});
    if (!text.waitForFinished(60000) || text.exitCode() != 0)
        return {};
    return QString::fromUtf8(text.readAllStandardOutput()).remove(QRegularExpression("\\s"));
}
} // namespace

class TestWindowKeySets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFileVerifiesWithItsFamily_data();
    void everyFileVerifiesWithItsFamily();
    void exportedReportListsTheSets();

private:
    QTemporaryDir settingsDir;
    QTemporaryDir configDir;
    QTemporaryDir evidenceDir;
    QString keyFolder;
    QStringList evidence;
};

void TestWindowKeySets::initTestCase()
{
    QVERIFY(settingsDir.isValid() && configDir.isValid() && evidenceDir.isValid());
    UseTemporarySettings(settingsDir);
    keyFolder = configDir.filePath("quorlith/keys.d");
    QVERIFY(QDir().mkpath(keyFolder));
    const QString second = CopySecondFamilyKeyFile(keyFolder);
    QVERIFY(!second.isEmpty());
    QByteArray third = ReadAll(second).replace("name: Second test family", "name: Third test family");
    third.replace(third.mid(third.indexOf("hmac-key:")),
                  "hmac-key: " + QByteArray(kThirdHmacKey).toHex() + "\n");
    QVERIFY(WriteAll(keyFolder + "/third-family.key", third));
    QVERIFY(WriteAll(keyFolder + "/unfinished.key", "quorlith-key-set 1\nname: Unfinished\n"));
    // Writable by their owner alone, whatever the umask, as a key folder must keep them.
    for (const QString& name : {QString("third-family.key"), QString("unfinished.key")})
        QVERIFY(
            QFile::setPermissions(keyFolder + "/" + name, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(QFile::setPermissions(keyFolder,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configDir.path()));

    // As the program starts: the sets loaded before any window, each key file not loaded told on errors.
    FILE* errors = std::tmpfile();
    QVERIFY(errors);
    LoadWindowKeySets(errors);
    std::rewind(errors);
    char line[4096] = {};
    QVERIFY(std::fgets(line, sizeof line, errors));
    QVERIFY2(QByteArray(line).startsWith("quorlith: key set not loaded: " + QFile::encodeName(keyFolder) +
                                         "/unfinished.key: "),
             line);
    QVERIFY(!std::fgets(line, sizeof line, errors));
    std::fclose(errors);
    QCOMPARE(ProgramKeySets().ring.sets.size(), size_t(3));

    const QString folder = evidenceDir.path();
    evidence = QStringList{MakeEvidence(folder, "still.jpg", "built-in.jpg"),
                           MakeSecondFamilyEvidence(folder, "clip.avi", "second.avi"),
                           MakeSecondFamilyEvidence(folder, "clip-faststart.mp4", "third.mp4", kThirdHmacKey),
                           MakePlainMedia(folder, "still.jpg", "plain.jpg"),
                           MakeSecondFamilyEvidence(folder, "still.jpg", "second-changed.jpg")};
    QVERIFY(!evidence.contains(QString()));
    QVERIFY(Poke(evidence.last(), 100, static_cast<char>(ReadAll(evidence.last()).at(100) ^ 0x20)));
}

void TestWindowKeySets::everyFileVerifiesWithItsFamily_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("authentic");
    QTest::addColumn<QString>("keySet");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("built-in family") << "built-in.jpg" << true << "Built-in" << QString();
    QTest::newRow("second family") << "second.avi" << true << "Second test family" << QString();
    QTest::newRow("third family, the second's RSA key")
        << "third.mp4" << true << "Third test family" << QString();
    QTest::newRow("no watermark") << "plain.jpg" << false << QString()
                                  << "No watermark opens with any of the 3 key sets tried: the file has no "
                                     "watermark, or it was made with a key that none of them holds, or it is "
                                     "damaged.";
    QTest::newRow("second family, changed")
        << "second-changed.jpg" << false << "Second test family"
        << "The content does not match the digest in the watermark: it was changed, or the digest in the "
           "record is not in the expected form. The watermark block opened with the key set Second test "
           "family.";
}

void TestWindowKeySets::everyFileVerifiesWithItsFamily()
{
    QFETCH(QString, name);
    QFETCH(bool, authentic);
    QFETCH(QString, keySet);
    QFETCH(QString, toolTip);
    MainWindow window;
    window.VerifyFiles(evidence);
    const QModelIndex row = ShownRow(window, name);
    QVERIFY(row.isValid());
    QCOMPARE(row.siblingAtColumn(1).data().toString(),
             authentic ? QString("Authentication succeeded") : QString("Authentication failed"));
    // Below the full path, a failed row's tooltip gives the reason; an authentic one's is about
    // coverage alone.
    if (!authentic)
        QCOMPARE(row.siblingAtColumn(1).data(Qt::ToolTipRole).toString().section('\n', 1), toolTip);

    window.ShowDetails(row);
    const QList<DetailsWindow*> details =
        window.findChildren<DetailsWindow*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(details.size(), 1);
    const QStringList lines = details.first()->Text().split('\n');
    const QString expected =
        keySet.isEmpty()
            ? QString("Key set: none: not one of the 3 key sets tried opened the watermark block")
            : "Key set: " + keySet + " (fingerprint " + Fingerprint(keySet) + ")";
    QVERIFY2(lines.contains(expected), qPrintable(lines.join('\n')));
    QCOMPARE(Fingerprint(keySet).isEmpty(), keySet.isEmpty());
}

// The export's report states the sets the window verified with and the key file it could not load.
void TestWindowKeySets::exportedReportListsTheSets()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    MainWindow window;
    window.VerifyFiles(evidence);
    MessageBoxWatcher boxes;
    AnswerNextCaseForm();
    AnswerNextFileDialog({out.filePath("report.pdf")});
    window.ExportReport();

    const QString report = ReportText(out.filePath("report.pdf"));
    const QString expected[] = {
        "Key set 1 Built-in fingerprint " + Fingerprint("Built-in") + " built into the program",
        "Key set 2 Second test family fingerprint " + Fingerprint("Second test family") +
            " user key folder: " + keyFolder + "/second-family.key",
        "Key set 3 Third test family fingerprint " + Fingerprint("Third test family") +
            " user key folder: " + keyFolder + "/third-family.key",
        "Key file not loaded " + keyFolder + "/unfinished.key",
        "Key set Third test family (fingerprint " + Fingerprint("Third test family") + ")",
    };
    for (QString line : expected)
        QVERIFY2(report.contains(line.remove(' ')), qPrintable(line + "\n" + report));
}

QTEST_MAIN(TestWindowKeySets)
#include "TestWindowKeySets.moc"
