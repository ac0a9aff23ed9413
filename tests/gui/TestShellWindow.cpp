// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "MessageBoxWatcher.h"
#include "app/MainWindow.h"
#include "ui/CMainToolBar.h"
#include "ui/HelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTextBrowser>
#include <QTreeView>
#include <QtTest>

// The shell of the main window in English: the tool bar with its five commands, Help and About.
class TestShellWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void toolBarHoldsTheFiveCommandsInOrder_data();
    void toolBarHoldsTheFiveCommandsInOrder();
    void toolBarIsFixedAtTheTop();
    void rightClickOnTheToolBarOpensNoMenu();
    void openCommandsShowTheirDialogs_data();
    void openCommandsShowTheirDialogs();
    void removeCommandTakesTheSelectedRow();
    void helpTwiceShowsTheWindowOnce();
    void helpWindowOutlivesClosingTheMainWindow();
    void aboutShowsProductVersionAndRights();

private:
    QTemporaryDir settingsDir;
};

namespace {

// Counts how often a widget is shown.
class ShowCounter : public QObject
{
public:
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

} // namespace

void TestShellWindow::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    UseTemporarySettings(settingsDir);
    // Far from the About box's 10 points, so that the box's size shows the window's style sheet at work.
    QFont font = QApplication::font();
    font.setPointSize(13);
    QApplication::setFont(font);
}

void TestShellWindow::toolBarHoldsTheFiveCommandsInOrder_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("icon");
    QTest::newRow("Open File(s)") << 0 << "Open File(s)"
                                  << ":/images/icon_add_file.png";
    QTest::newRow("Open Folder") << 1 << "Open Folder"
                                 << ":/images/icon_add_folder.png";
    QTest::newRow("Remove File(s)") << 2 << "Remove File(s)"
                                    << ":/images/icon_remove_file.png";
    QTest::newRow("Help") << 4 << "Help"
                          << ":/images/icon_help.png";
    QTest::newRow("About") << 5 << "About"
                           << ":/images/icon_about.png";
}

void TestShellWindow::toolBarHoldsTheFiveCommandsInOrder()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(QString, icon);
    MainWindow window;
    const QList<QAction*> actions = window.toolBar->actions();
    QCOMPARE(actions.size(), 6);
    // One separator, between "Remove File(s)" and "Help", and no other.
    for (int i = 0; i < actions.size(); ++i)
        QCOMPARE(actions[i]->isSeparator(), i == 3);
    const QList<QAction*> members{window.openFilesAction,   window.openFolderAction,
                                  window.removeFilesAction, nullptr,
                                  window.helpAction,        window.aboutAction};

    QAction* action = actions[position];
    QCOMPARE(action, members[position]);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->parent(), &window);
    QVERIFY(action->isEnabled());
    QVERIFY(action->shortcut().isEmpty());
    const QImage expectedIcon(icon);
    QCOMPARE(expectedIcon.size(), QSize(18, 18));
    QCOMPARE(action->icon().pixmap(18, 18).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             expectedIcon.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void TestShellWindow::toolBarIsFixedAtTheTop()
{
    MainWindow window;
    QVERIFY(qobject_cast<CMainToolBar*>(window.toolBar));
    QCOMPARE(window.toolBarArea(window.toolBar), Qt::TopToolBarArea);
    QVERIFY(!window.toolBar->isMovable());
    QCOMPARE(window.toolBar->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    QCOMPARE(window.toolBar->styleSheet(), QString("QToolButton {font-family: Verdana}"));
    QCOMPARE(window.findChildren<QToolBar*>().size(), 1);
}

void TestShellWindow::rightClickOnTheToolBarOpensNoMenu()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // A menu would block in its own loop: note and close whatever pops up.
    QWidget* popup = nullptr;
    QTimer::singleShot(50, [&popup] {
        popup = QApplication::activePopupWidget();
        if (popup)
            popup->close();
    });
    const QPoint inside = window.toolBar->rect().center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, inside, window.toolBar->mapToGlobal(inside));
    QApplication::sendEvent(window.toolBar, &rightClick);
    QTest::qWait(100);
    QVERIFY(!popup);
    QVERIFY(window.toolBar->isVisible());
}

void TestShellWindow::openCommandsShowTheirDialogs_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("title");
    QTest::newRow("Open File(s)") << 0 << "Open File(s)";
    QTest::newRow("Open Folder") << 1 << "Open Folder";
}

void TestShellWindow::openCommandsShowTheirDialogs()
{
    QFETCH(int, position);
    QFETCH(QString, title);
    MainWindow window;
    SeenFileDialog seen;
    AnswerNextFileDialog({}, &seen);
    window.toolBar->actions()[position]->trigger();
    QCOMPARE(seen.title, title);
    QCOMPARE(window.listModel->rowCount(), 0);
}

void TestShellWindow::removeCommandTakesTheSelectedRow()
{
    MainWindow window;
    window.listModel->insertRow(0);
    window.listModel->setData(window.listModel->index(0, 0), "a.jpg");
    window.listModel->setData(window.listModel->index(0, 1), "Authentication failed");
    window.totalCount = 1;
    window.failedCount = 1;
    window.listView->selectAll();
    window.removeFilesAction->trigger();
    QCOMPARE(window.listModel->rowCount(), 0);
    QCOMPARE(window.failedCount, 0);
}

void TestShellWindow::helpTwiceShowsTheWindowOnce()
{
    MainWindow window;
    HelpWindow* help = window.helpWindow;
    QVERIFY(help);
    QVERIFY(!help->isVisible());
    ShowCounter counter;
    help->installEventFilter(&counter);

    window.helpAction->trigger();
    auto* page = help->findChild<QTextBrowser*>()->verticalScrollBar();
    QVERIFY(page->maximum() > 0);
    page->setValue(page->maximum() / 2);
    window.helpAction->trigger();
    QVERIFY(help->isVisible());
    QCOMPARE(counter.shows, 1);
    // Left as the user left it: not reloaded.
    QCOMPARE(page->value(), page->maximum() / 2);

    // Closed by the user, it comes back, the same window, on the next Help.
    QVERIFY(help->close());
    QVERIFY(!help->isVisible());
    window.helpAction->trigger();
    QVERIFY(help->isVisible());
    QCOMPARE(window.helpWindow, help);
    QCOMPARE(counter.shows, 2);
}

void TestShellWindow::helpWindowOutlivesClosingTheMainWindow()
{
    QPointer<HelpWindow> help;
    {
        MainWindow window;
        help = window.helpWindow;
        QVERIFY(!help->parent());
        window.show();
        window.helpAction->trigger();
        QVERIFY(window.close());
        QVERIFY(help->isVisible());
    }
    // Destroyed with the main window, which owns it.
    QVERIFY(!help);
}

void TestShellWindow::aboutShowsProductVersionAndRights()
{
    MainWindow window;
    QVERIFY(window.styleSheet().isEmpty());
    MessageBoxWatcher watcher;
    window.aboutAction->trigger();
    QCOMPARE(watcher.seen.size(), 1);
    const MessageBoxWatcher::SeenBox& box = watcher.seen.first();
    QCOMPARE(box.title, QString("About Trevalon Quorlith"));
    // The product's lines as they always were, the version in their MAJOR.MINOR-PPP form.
    const QStringList version = QString(QUORLITH_PROJECT_VERSION).split('.');
    QCOMPARE(version.size(), 3);
    const QString heading =
        QString::asprintf("%s.%s-%03d", qPrintable(version[0]), qPrintable(version[1]), version[2].toInt());
    QCOMPARE(box.text, "<H3>Trevalon Quorlith Version " + heading +
                           "</H3><p>Copyright (C) 2015 Trevalon Inc. All rights reserved.");
    QVERIFY(box.hasParent);
    QCOMPARE(box.fontPointSize, 10);
    // The style sheet stays for later boxes parented to the window.
    QCOMPARE(window.styleSheet(), QString("QMessageBox {font-size:10pt}"));
}

QTEST_MAIN(TestShellWindow)
#include "TestShellWindow.moc"
