// SPDX-License-Identifier: Apache-2.0
#include "ui/HelpWindow.h"

#include <QCloseEvent>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

// The help window alone. The test runs under a system locale set in its environment and is told which
// page that locale must open.
class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void opensThePageOfTheSystemLanguageBesideTheProgram();
    void startsHiddenAsATopLevelWindow();
    void closingOnlyHidesIt();
};

namespace {

QString TitleInPage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QRegularExpressionMatch match =
        QRegularExpression("<title>(.*)</title>").match(QString::fromUtf8(file.readAll()));
    return match.captured(1);
}

} // namespace

void TestHelpWindow::opensThePageOfTheSystemLanguageBesideTheProgram()
{
    const QString expectedPage = qEnvironmentVariable("QUORLITH_TEST_HELP_PAGE");
    QVERIFY(!expectedPage.isEmpty());
    // The pages are found beside the program, not in the working folder.
    QTemporaryDir elsewhere;
    QVERIFY(QDir::setCurrent(elsewhere.path()));

    HelpWindow window;
    auto* browser = window.findChild<QTextBrowser*>();
    QVERIFY(browser);
    QCOMPARE(browser->source().toString(), expectedPage);
    const QString title = TitleInPage(QCoreApplication::applicationDirPath() + "/help/" + expectedPage);
    QVERIFY(!title.isEmpty());
    QCOMPARE(browser->documentTitle(), title);
    QVERIFY(browser->toPlainText().size() > 1000);
}

void TestHelpWindow::startsHiddenAsATopLevelWindow()
{
    HelpWindow window;
    QVERIFY(window.windowClosed);
    QVERIFY(!window.isVisible());
    QVERIFY(window.isWindow());
    QVERIFY(!window.parent());
    QCOMPARE(window.size(), QSize(700, 500));
    // No translator is installed here, so the title is the untranslated one.
    QCOMPARE(window.windowTitle(), QString("Help"));
}

void TestHelpWindow::closingOnlyHidesIt()
{
    QPointer<HelpWindow> window = new HelpWindow;
    window->show();
    window->windowClosed = false;
    auto* browser = window->findChild<QTextBrowser*>();
    const QUrl page = browser->source();

    QVERIFY(window->close());
    QVERIFY(window);
    QVERIFY(window->windowClosed);
    QVERIFY(!window->isVisible());

    window->show();
    QCOMPARE(browser->source(), page);
    delete window;
}

QTEST_MAIN(TestHelpWindow)
#include "TestHelpWindow.moc"
