// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_APP_MAINWINDOW_H
#define QUORLITH_APP_MAINWINDOW_H

#include "filelist/ListAccount.h"
#include "verdict/SkippedEntry.h"
#include "verdict/VerificationResult.h"
#include "verdict/VerificationTarget.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <QTranslator>

class CMainToolBar;
class HelpWindow;
class QAction;
class QMenu;
class QModelIndex;
class QPersistentModelIndex;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTreeView;
class ProgressWidget;
class ResultListMenu;
class VerifyThread;

// The one main window: it owns the result list, its status line and the state a verification run
// shares with its worker, for the program's whole life.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // A modal information box without a parent, an empty title and one Ok button.
    static void ShowMessage(const QString& text);

    // Verifies files and folders handed over from outside the window, in their order, as "Open
    // File(s)" and "Open Folder" would.
    void AddPaths(const QStringList& paths);

    // Opens a details window for the row of the result list at proxyIndex (any column of the shown
    // list); nothing for an index that leads to no row.
    void ShowDetails(const QModelIndex& proxyIndex);

    // "Export Report...": the selected rows when several are selected, else all, in the list's order,
    // as a PDF report, CSV or JSON Lines, to a file the user chooses.
    void ExportReport();

protected:
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;

private slots:
    void OpenFiles();
    void OpenFolder();
    void RemoveFiles();
    void About();
    void Help();
    void UpdateStatusBar();
    void ShowDetailsOfSelection();

private:
    // Construction steps, in the order the constructor runs them.
    void LoadTranslator();
    void CreateResultList();
    void CreateActions();
    void CreateToolBar();
    void ConnectDetails();
    void CreateResultListMenu();
    void CreateExportShortcut();
    void LoadSettings();
    void SaveSettings();

    // Where LoadTranslator looks for the catalogues, ":/translations/"; a test points it at an empty
    // place to play a program whose catalogues are missing.
    static QString catalogueFolder;

    // Verifies paths one by one behind a progress panel; while a run is in progress, further
    // paths join it instead of starting another, and after its Cancel they wait for a run of their
    // own that starts when it has ended.
    void VerifyFiles(const QStringList& paths);
    // The same for paths as the system names the files, bytes that need not be UTF-8.
    void VerifyPaths(const QList<QByteArray>& paths);
    // The same for targets, which may carry what kept a folder search from a file (a folder that
    // cannot be read): such a target gets a failed row that says so.
    void VerifyTargets(const QList<VerificationTarget>& targets);
    void RunVerification(const QList<VerificationTarget>& targets);
    void VerifyOneFile(const VerificationTarget& target, int index);
    static bool IsSkippedAtItsTurn(const VerificationTarget& target);
    void WaitForCurrentWorker();
    // The program is ending (the window closed, or the application told to quit): the file in
    // work finishes, the rest of the run and a folder scan are dropped, and no run starts again.
    void EndWork();
    // The evidence files below folder, and what could not be searched, found by the folder rule while
    // the window keeps answering.
    QList<VerificationTarget> ScanFolder(const QByteArray& folder);
    // An export verified the row's file again and it got another verdict: the row and the counters
    // take the new result.
    void ShowNewVerdict(const QPersistentModelIndex& row, const VerificationResult& result);

    CMainToolBar* toolBar = nullptr;
    QAction* openFilesAction = nullptr;
    QAction* openFolderAction = nullptr;
    QAction* removeFilesAction = nullptr;
    QAction* helpAction = nullptr;
    QAction* aboutAction = nullptr;
    QStandardItemModel* listModel = nullptr;
    QSortFilterProxyModel* sortProxy = nullptr;
    QTreeView* listView = nullptr;
    QTranslator translator;
    HelpWindow* helpWindow = nullptr;
    ResultListMenu* resultListMenu = nullptr;
    VerifyThread* currentWorker = nullptr;
    bool runCanceled = false;
    int totalCount = 0;
    int succeededCount = 0;
    int failedCount = 0;

    // The run in progress: its panel (null between runs) and every target handed to it so far;
    // and the targets that came after its Cancel, for the run after it.
    ProgressWidget* runProgress = nullptr;
    QList<VerificationTarget> runTargets;
    QList<VerificationTarget> nextRunTargets;
    bool workEnded = false;
    // The folders searched and what became of every file handed to a run, for a report to account with.
    ListAccount account;

    friend class TestMainWindow;
    friend class TestResultList;
    friend class TestVerifyRun;
    friend class TestVerifyRunLocale;
    friend class TestAddPaths;
    friend class TestAddRemove;
    friend class GuiRunBenchmark;
    friend class TestShellWindow;
    friend class TestShellLocale;
    friend class TestTerminationSignalWatcher;
    friend class TestDetailsWindow;
    friend class TestResultListMenu;
    friend class TestReportExport;
    friend class TestExportCaseDetails;
    friend class TestWindowKeySets;
};

#endif
