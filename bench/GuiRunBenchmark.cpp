// SPDX-License-Identifier: Apache-2.0
// The window's verification run, headless: a run over 2,000 small stamped JPGs and over one
// stamped 1 GiB MP4 beside the engine alone over the same files, the GUI thread's CPU time while
// it waits for the workers, and the cost of adding and of removing 10,000 rows. Build Release:
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORLITH_BUILD_BENCH=ON
//   cmake --build build-bench --target gui_run_bench && build-bench/bin/gui_run_bench
#include "app/MainWindow.h"
#include "engine/WatermarkVerifier.h"
#include "tests/support/EvidenceFiles.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QSettings>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>

namespace {
const int kSmallFiles = 2000;
const qint64 kLargePayload = qint64(1) << 30;
const int kManyRows = 10000;

std::unique_ptr<QTemporaryDir> evidenceDir;
std::unique_ptr<QTemporaryDir> workDir;
QStringList smallFiles;
QStringList largeFile;
QStringList tinyFiles;

double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

bool PrepareFiles()
{
    evidenceDir.reset(new QTemporaryDir(QDir::temp().filePath("quorlith-gui-bench-XXXXXX")));
    workDir.reset(new QTemporaryDir(QDir::temp().filePath("quorlith-gui-work-XXXXXX")));
    if (!evidenceDir->isValid() || !workDir->isValid() || !QDir::setCurrent(workDir->path()))
        return false;
    const QString first = MakeEvidence(evidenceDir->path(), "still.jpg", "still-0000.jpg");
    if (first.isEmpty())
        return false;
    smallFiles << first;
    for (int i = 1; i < kSmallFiles; ++i) {
        const QString path = evidenceDir->filePath(QString("still-%1.jpg").arg(i, 4, 10, QChar('0')));
        if (!QFile::copy(first, path))
            return false;
        smallFiles << path;
    }
    // Files that fail at once (too small to hold a watermark): a run over them costs little more
    // than the rows it writes.
    const QString tiny = evidenceDir->filePath("tiny.jpg");
    QFile tinyFile(tiny);
    if (!tinyFile.open(QIODevice::WriteOnly) || tinyFile.write("x", 1) != 1)
        return false;
    tinyFile.close();
    for (int i = 0; i < kManyRows; ++i)
        tinyFiles << tiny;
    largeFile << MakeLargeEvidence(evidenceDir->path(), "large.mp4", kLargePayload);
    return !largeFile.first().isEmpty();
}
} // namespace

// Reaches the window's run the way its commands do, without the dialogs.
class GuiRunBenchmark
{
public:
    static void Run(MainWindow& window, const QStringList& paths) { window.VerifyFiles(paths); }
    static int Rows(const MainWindow& window) { return window.listModel->rowCount(); }
    // The top rows, as a click on the last of them and a Shift-click on the first select them:
    // the current row is the top one.
    static void SelectTopRows(MainWindow& window, int count)
    {
        const QAbstractItemModel* shown = window.listView->model();
        QItemSelectionModel* selection = window.listView->selectionModel();
        const QModelIndex top = shown->index(0, 0);
        selection->select(QItemSelection(top, shown->index(count - 1, shown->columnCount() - 1)),
                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        selection->setCurrentIndex(top, QItemSelectionModel::NoUpdate);
    }
    static void Remove(MainWindow& window) { QMetaObject::invokeMethod(&window, "RemoveFiles"); }
};

namespace {
void RunWindow(benchmark::State& state, const QStringList& paths)
{
    double guiCpu = 0;
    for (auto _ : state) {
        MainWindow window;
        const double before = ThreadCpuSeconds();
        GuiRunBenchmark::Run(window, paths);
        guiCpu += ThreadCpuSeconds() - before;
        if (GuiRunBenchmark::Rows(window) != paths.size())
            state.SkipWithError("a file got no row");
    }
    state.counters["gui_thread_cpu_s"] = benchmark::Counter(guiCpu, benchmark::Counter::kAvgIterations);
    state.counters["files_per_s"] =
        benchmark::Counter(double(paths.size()) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void RunEngine(benchmark::State& state, const QStringList& paths)
{
    for (auto _ : state) {
        for (const QString& path : paths) {
            WatermarkVerifier verifier;
            if (verifier.Verify(QFile::encodeName(path).constData()) != 0)
                state.SkipWithError("a stamped file failed");
        }
    }
    state.counters["files_per_s"] =
        benchmark::Counter(double(paths.size()) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_WindowRun_2000Jpgs(benchmark::State& state)
{
    RunWindow(state, smallFiles);
}
BENCHMARK(BM_WindowRun_2000Jpgs)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

void BM_EngineAlone_2000Jpgs(benchmark::State& state)
{
    RunEngine(state, smallFiles);
}
BENCHMARK(BM_EngineAlone_2000Jpgs)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

void BM_WindowRun_1GiBMp4(benchmark::State& state)
{
    RunWindow(state, largeFile);
}
BENCHMARK(BM_WindowRun_1GiBMp4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(3);

void BM_EngineAlone_1GiBMp4(benchmark::State& state)
{
    RunEngine(state, largeFile);
}
BENCHMARK(BM_EngineAlone_1GiBMp4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(3);

// Every file fails at the size check, so this is the run's own cost per row: a thread, a copy of
// one byte, the row and a status line.
void BM_AddRows_10000(benchmark::State& state)
{
    RunWindow(state, tinyFiles);
}
BENCHMARK(BM_AddRows_10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(1);

// The longest time the GUI thread went without answering an event, found by a chain of posted
// calls, each posting the next when it runs.
class AnswerWatch
{
public:
    void Start()
    {
        watching = true;
        sinceAnswer.start();
        PostNext();
    }
    void Stop() { watching = false; }
    qint64 LongestMs() const { return longest; }

private:
    void PostNext()
    {
        QMetaObject::invokeMethod(
            qApp,
            [this] {
                if (!watching)
                    return;
                longest = std::max(longest, sinceAnswer.restart());
                PostNext();
            },
            Qt::QueuedConnection);
    }

    bool watching = false;
    QElapsedTimer sinceAnswer;
    qint64 longest = 0;
};

// Remove File(s) over the first rows of the shown window (all of them, or half), with the list
// and the status line painted as the user sees them. The rows all bear the same name, so the list
// shows them in the order they were verified: a half selected are the rows that the later ones
// were put in above, the dearest case for the model. longest_unanswered_ms: the longest time the
// window did not answer during the removal.
void BM_RemoveRows(benchmark::State& state)
{
    const QStringList paths = tinyFiles.mid(0, int(state.range(0)));
    const int selected = int(state.range(1));
    qint64 longestUnanswered = 0;
    for (auto _ : state) {
        state.PauseTiming();
        MainWindow window;
        window.show();
        GuiRunBenchmark::Run(window, paths);
        GuiRunBenchmark::SelectTopRows(window, selected);
        QCoreApplication::processEvents();
        AnswerWatch watch;
        watch.Start();
        state.ResumeTiming();
        GuiRunBenchmark::Remove(window);
        state.PauseTiming();
        QCoreApplication::processEvents();
        watch.Stop();
        longestUnanswered = std::max(longestUnanswered, watch.LongestMs());
        if (GuiRunBenchmark::Rows(window) != paths.size() - selected)
            state.SkipWithError("rows left");
        state.ResumeTiming();
    }
    state.counters["longest_unanswered_ms"] = double(longestUnanswered);
}
BENCHMARK(BM_RemoveRows)
    ->Args({1000, 1000})
    ->Args({kManyRows, kManyRows})
    ->Args({kManyRows, kManyRows / 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!PrepareFiles()) {
        fprintf(stderr, "gui_run_bench: could not make the stamped evidence in %s\n",
                qPrintable(QDir::tempPath()));
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QDir::setCurrent(QDir::tempPath());
    return 0;
}
