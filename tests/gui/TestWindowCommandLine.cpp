// SPDX-License-Identifier: Apache-2.0
#include "app/WindowCommandLine.h"

#include <QtTest>

#include <vector>

Q_DECLARE_METATYPE(WindowCommandLine::Request)

class TestWindowCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void findsTheRequest_data();
    void findsTheRequest();
    void takesPathsAndIgnoresOptions_data();
    void takesPathsAndIgnoresOptions();
};

void TestWindowCommandLine::findsTheRequest_data()
{
    using Request = WindowCommandLine::Request;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Request>("request");
    QTest::newRow("nothing") << QStringList() << Request::OpenWindow;
    QTest::newRow("paths and toolkit options")
        << QStringList({"-style", "fusion", "clip.mp4"}) << Request::OpenWindow;
    QTest::newRow("--help after a path") << QStringList({"clip.mp4", "--help"}) << Request::ShowHelp;
    QTest::newRow("-h") << QStringList({"-h"}) << Request::ShowHelp;
    QTest::newRow("--version") << QStringList({"--version"}) << Request::ShowVersion;
    QTest::newRow("the first one wins") << QStringList({"--version", "--help"}) << Request::ShowVersion;
    QTest::newRow("a file called --help") << QStringList({"--", "--help"}) << Request::OpenWindow;
    QTest::newRow("a look-alike") << QStringList({"--helpful"}) << Request::OpenWindow;
}

void TestWindowCommandLine::findsTheRequest()
{
    QFETCH(QStringList, arguments);
    QFETCH(WindowCommandLine::Request, request);
    std::vector<QByteArray> bytes = {"quorlith"};
    for (const QString& argument : arguments)
        bytes.push_back(argument.toUtf8());
    std::vector<const char*> argv;
    for (const QByteArray& argument : bytes)
        argv.push_back(argument.constData());
    argv.push_back(nullptr);

    QCOMPARE(WindowCommandLine::FindRequest(static_cast<int>(bytes.size()), argv.data()), request);
}

// The arguments as the toolkit leaves them, its own options already taken out.
void TestWindowCommandLine::takesPathsAndIgnoresOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("program name only") << QStringList({"quorlith"}) << QStringList();
    QTest::newRow("paths in order") << QStringList({"quorlith", "b.jpg", "/media/export", "a.mp4"})
                                    << QStringList({"b.jpg", "/media/export", "a.mp4"});
    QTest::newRow("unknown options ignored")
        << QStringList({"quorlith", "--fullscreen", "clip.avi", "-x"}) << QStringList({"clip.avi"});
    QTest::newRow("everything after --")
        << QStringList({"quorlith", "-q", "--", "-odd name.jpg", "--", "b.jpg"})
        << QStringList({"-odd name.jpg", "--", "b.jpg"});
    QTest::newRow("blanks and non-ASCII kept")
        << QStringList({"quorlith", "Fall 17/Überwachung.mp4"}) << QStringList({"Fall 17/Überwachung.mp4"});
}

void TestWindowCommandLine::takesPathsAndIgnoresOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, paths);
    QCOMPARE(WindowCommandLine::Paths(arguments), paths);
}

QTEST_APPLESS_MAIN(TestWindowCommandLine)
#include "TestWindowCommandLine.moc"
