// SPDX-License-Identifier: Apache-2.0
#include "tests/support/ReversibleText.h"
#include "verdict/PathText.h"

#include <QtTest>

Q_DECLARE_METATYPE(PathStyle)

namespace {

// What a reader of a Windows path does to get its bytes back, written from the rule rather than taken
// from the program: reading left to right, \xNN and \u{XXXX} are escapes, every other backslash is a
// separator.
QByteArray FromWindowsPathText(const QByteArray& text, bool* ok)
{
    const QRegularExpression escapeAfter(QStringLiteral("^(x[0-9A-F]{2}|u\\{)"));
    QByteArray escaped;
    for (int i = 0; i < text.size(); ++i) {
        const bool escape =
            text[i] == '\\' && escapeAfter.match(QString::fromLatin1(text.mid(i + 1, 3))).hasMatch();
        escaped += text[i] == '\\' && !escape ? QByteArray("\\\\") : QByteArray(1, text[i]);
    }
    return FromReversibleText(escaped, ok);
}

} // namespace

class TestPathText : public QObject
{
    Q_OBJECT

private slots:
    void windowsPaths_data();
    void windowsPaths();
    void windowsPathsAreTellableApart();
    void posixPathsKeepTheBackslashEscape();
    void rootedAndJoined_data();
    void rootedAndJoined();
    void lastName_data();
    void lastName();
    void containingFolder_data();
    void containingFolder();
};

void TestPathText::windowsPaths_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("shown");

    QTest::newRow("drive") << QByteArray("C:\\Evidence\\still.jpg") << QByteArray("C:\\Evidence\\still.jpg");
    QTest::newRow("both separators") << QByteArray("data/clips\\clip.avi")
                                     << QByteArray("data/clips\\clip.avi");
    QTest::newRow("UNC") << QByteArray("\\\\server\\share\\clip.mp4")
                         << QByteArray("\\\\server\\share\\clip.mp4");
    QTest::newRow("extended length") << QByteArray("\\\\?\\C:\\Evidence\\clip.mxg")
                                     << QByteArray("\\\\?\\C:\\Evidence\\clip.mxg");
    QTest::newRow("extended-length UNC")
        << QByteArray("\\\\?\\UNC\\server\\share\\a.jpg") << QByteArray("\\\\?\\UNC\\server\\share\\a.jpg");
    QTest::newRow("Greek and Chinese names")
        << QByteArray("D:\\\xce\xa9\xce\xbc\xce\xad\xce\xb3\xce\xb1\\\xe7\x9b\x91.mp4")
        << QByteArray("D:\\\xce\xa9\xce\xbc\xce\xad\xce\xb3\xce\xb1\\\xe7\x9b\x91.mp4");
    // Escapes inside names stay as everywhere else.
    QTest::newRow("right-to-left override in a name")
        << QByteArray("C:\\a\xe2\x80\xaegpj.mp4") << QByteArray("C:\\a\\u{202E}gpj.mp4");
    QTest::newRow("override right after a separator")
        << QByteArray("C:\\\xe2\x80\xae.jpg") << QByteArray("C:\\\\u{202E}.jpg");
    QTest::newRow("byte that is not UTF-8") << QByteArray("C:\\a\xff.jpg") << QByteArray("C:\\a\\xFF.jpg");
    // Names that would read as an escape after a separator.
    QTest::newRow("folder spelling an override")
        << QByteArray("C:\\u{202E}\\a.jpg") << QByteArray("C:\\\\x75{202E}\\a.jpg");
    QTest::newRow("folder spelling a byte")
        << QByteArray("C:\\x41\\a.jpg") << QByteArray("C:\\\\x7841\\a.jpg");
    QTest::newRow("lower-case hex") << QByteArray("C:\\xff.jpg") << QByteArray("C:\\\\x78ff.jpg");
    // Names that start like one but are not.
    QTest::newRow("x without hex") << QByteArray("C:\\xray.jpg") << QByteArray("C:\\xray.jpg");
    QTest::newRow("u without brace") << QByteArray("\\\\server\\users\\u1.jpg")
                                     << QByteArray("\\\\server\\users\\u1.jpg");
    QTest::newRow("after a slash") << QByteArray("C:/x41/u{202E}.jpg") << QByteArray("C:/x41/u{202E}.jpg");
    QTest::newRow("at the start") << QByteArray("x41\\a.jpg") << QByteArray("x41\\a.jpg");
}

void TestPathText::windowsPaths()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, shown);
    const QByteArray text =
        QByteArray::fromStdString(ToReversiblePath(path.toStdString(), PathStyle::Windows));
    QCOMPARE(text, shown);
    bool ok = false;
    QCOMPARE(FromWindowsPathText(text, &ok), path);
    QVERIFY(ok);
}

// Paths that differ must never read alike: a name spelling an escape against the character itself.
void TestPathText::windowsPathsAreTellableApart()
{
    const QByteArray paths[] = {
        "C:\\u{202E}\\a.jpg", "C:\\\xe2\x80\xae\\a.jpg", "C:\\x41\\a.jpg",
        "C:\\A\\a.jpg",       "C:\\\\x41\\a.jpg",        "C:\\\\A\\a.jpg",
        "C:x41\\a.jpg",       "C:\\\\\\a.jpg",           "C:\\/a.jpg",
        "C:\\\\a.jpg",
    };
    QSet<QByteArray> shown;
    for (const QByteArray& path : paths)
        shown.insert(QByteArray::fromStdString(ToReversiblePath(path.toStdString(), PathStyle::Windows)));
    QCOMPARE(shown.size(), int(std::size(paths)));
}

// On POSIX systems a backslash is part of a name and keeps its escape.
void TestPathText::posixPathsKeepTheBackslashEscape()
{
    QCOMPARE(ToReversiblePath("data/a\\b.jpg", PathStyle::Posix), std::string("data/a\\\\b.jpg"));
    QCOMPARE(ToReversiblePath("/u{202E}/x41", PathStyle::Posix), std::string("/u{202E}/x41"));
}

void TestPathText::rootedAndJoined_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("joined");

    QTest::newRow("POSIX relative") << PathStyle::Posix << QByteArray("/home/e") << QByteArray("a.jpg")
                                    << QByteArray("/home/e/a.jpg");
    QTest::newRow("POSIX folder with separator")
        << PathStyle::Posix << QByteArray("/") << QByteArray("a.jpg") << QByteArray("/a.jpg");
    QTest::newRow("POSIX rooted") << PathStyle::Posix << QByteArray("/home/e") << QByteArray("/srv/a.jpg")
                                  << QByteArray("/srv/a.jpg");
    QTest::newRow("POSIX drive-like name") << PathStyle::Posix << QByteArray("/home/e")
                                           << QByteArray("C:\\a.jpg") << QByteArray("/home/e/C:\\a.jpg");
    QTest::newRow("Windows relative") << PathStyle::Windows << QByteArray("C:\\Cases")
                                      << QByteArray("data\\a.jpg") << QByteArray("C:\\Cases\\data\\a.jpg");
    QTest::newRow("Windows drive root")
        << PathStyle::Windows << QByteArray("C:\\") << QByteArray("a.jpg") << QByteArray("C:\\a.jpg");
    QTest::newRow("Windows drive") << PathStyle::Windows << QByteArray("C:\\Cases")
                                   << QByteArray("d:/x/a.jpg") << QByteArray("d:/x/a.jpg");
    QTest::newRow("Windows UNC") << PathStyle::Windows << QByteArray("C:\\Cases")
                                 << QByteArray("\\\\server\\share\\a.jpg")
                                 << QByteArray("\\\\server\\share\\a.jpg");
    QTest::newRow("Windows extended length")
        << PathStyle::Windows << QByteArray("C:\\Cases") << QByteArray("\\\\?\\C:\\a.jpg")
        << QByteArray("\\\\?\\C:\\a.jpg");
    QTest::newRow("Windows root of the drive")
        << PathStyle::Windows << QByteArray("C:\\Cases") << QByteArray("\\a.jpg") << QByteArray("\\a.jpg");
    QTest::newRow("no working folder")
        << PathStyle::Windows << QByteArray() << QByteArray("a.jpg") << QByteArray("a.jpg");
}

void TestPathText::rootedAndJoined()
{
    QFETCH(PathStyle, style);
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, joined);
    QCOMPARE(QByteArray::fromStdString(JoinedPath(folder.toStdString(), path.toStdString(), style)), joined);
}

void TestPathText::lastName_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("POSIX") << PathStyle::Posix << QByteArray("data/still.jpg") << QByteArray("still.jpg");
    QTest::newRow("POSIX backslash in a name")
        << PathStyle::Posix << QByteArray("data/a\\b.jpg") << QByteArray("a\\b.jpg");
    QTest::newRow("POSIX folder") << PathStyle::Posix << QByteArray("data/clips/") << QByteArray("clips/");
    QTest::newRow("Windows backslash")
        << PathStyle::Windows << QByteArray("data\\still.jpg") << QByteArray("still.jpg");
    QTest::newRow("Windows mixed") << PathStyle::Windows << QByteArray("C:\\data/x\\still.jpg")
                                   << QByteArray("still.jpg");
    QTest::newRow("Windows folder") << PathStyle::Windows << QByteArray("\\\\server\\share\\clips\\")
                                    << QByteArray("clips\\");
    QTest::newRow("bare name") << PathStyle::Windows << QByteArray("still.jpg") << QByteArray("still.jpg");
}

void TestPathText::lastName()
{
    QFETCH(PathStyle, style);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, name);
    QCOMPARE(QByteArray::fromStdString(LastPathName(path.toStdString(), style)), name);
}

void TestPathText::containingFolder_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("folder");

    QTest::newRow("POSIX") << PathStyle::Posix << QByteArray("/srv/cases/a.jpg") << QByteArray("/srv/cases");
    QTest::newRow("POSIX root") << PathStyle::Posix << QByteArray("/a.jpg") << QByteArray("/");
    QTest::newRow("POSIX backslash in a name")
        << PathStyle::Posix << QByteArray("/srv/a\\b.jpg") << QByteArray("/srv");
    QTest::newRow("Windows") << PathStyle::Windows << QByteArray("C:\\Cases\\a.jpg")
                             << QByteArray("C:\\Cases");
    QTest::newRow("Windows drive root")
        << PathStyle::Windows << QByteArray("C:\\a.jpg") << QByteArray("C:\\");
    QTest::newRow("Windows share") << PathStyle::Windows << QByteArray("\\\\server\\share\\a.jpg")
                                   << QByteArray("\\\\server\\share");
    QTest::newRow("no separator") << PathStyle::Windows << QByteArray("a.jpg") << QByteArray();
}

void TestPathText::containingFolder()
{
    QFETCH(PathStyle, style);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, folder);
    QCOMPARE(QByteArray::fromStdString(ContainingFolder(path.toStdString(), style)), folder);
}

QTEST_APPLESS_MAIN(TestPathText)
#include "TestPathText.moc"
