// SPDX-License-Identifier: Apache-2.0
#include "cli/OrderedParallelRunner.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace {

const size_t kWindowPerJob = 16;

struct SharedState
{
    std::mutex mutex;
    std::condition_variable resultReady;
    std::condition_variable windowMoved;
    size_t nextToStart = 0;
    size_t nextToDeliver = 0;
    size_t waitingWorkers = 0;
    // Once set, nextToStart no longer moves: the targets before it are all the run will deliver.
    bool stopped = false;
    std::map<size_t, VerificationResult> finished;
    long long filesDone = 0;
    int64_t bytesDone = 0;
};

size_t LastToDeliver(const SharedState& state, size_t total)
{
    return state.stopped ? state.nextToStart : total;
}

// The delivering thread is woken for batches rather than for every file: thousands of small files
// would otherwise spend more time switching threads than verifying.
bool BatchReady(const SharedState& state, size_t total, size_t window)
{
    if (static_cast<size_t>(state.filesDone) == LastToDeliver(state, total))
        return true;
    return state.finished.size() >= window / 2 && state.finished.count(state.nextToDeliver) > 0;
}

bool StopAsked(const OrderedParallelRunner::ShouldStop& shouldStop)
{
    return shouldStop && shouldStop();
}

// The one-file-at-a-time batch: the file is verified whole when its result is asked for.
class OneAtATime : public OrderedParallelRunner::Batch
{
public:
    explicit OneAtATime(const OrderedParallelRunner::Verify& verify) : verify(verify) {}
    bool HasRoom() const override { return !target; }
    void Start(size_t i, const VerificationTarget& t) override
    {
        index = i;
        target = &t;
    }
    std::vector<std::pair<size_t, VerificationResult>> Next() override
    {
        std::vector<std::pair<size_t, VerificationResult>> finished;
        if (target) {
            finished.emplace_back(index, verify(*target));
            target = nullptr;
        }
        return finished;
    }

private:
    const OrderedParallelRunner::Verify& verify;
    size_t index = 0;
    const VerificationTarget* target = nullptr;
};

// Takes the next target to start: true with *index, or false when none is to be started now: the run
// is stopped or at its end, or (for a worker with files in work, which must not wait) the window is full.
bool TakeTarget(size_t total, size_t window, bool stopAsked, bool mayWait, SharedState* state, size_t* index)
{
    std::unique_lock<std::mutex> lock(state->mutex);
    if (stopAsked && !state->stopped) {
        state->stopped = true;
        lock.unlock();
        state->windowMoved.notify_all();
        state->resultReady.notify_one();
        return false;
    }
    const auto inWindow = [&] {
        return state->stopped || state->nextToStart < state->nextToDeliver + window;
    };
    if (mayWait) {
        ++state->waitingWorkers;
        state->windowMoved.wait(lock, inWindow);
        --state->waitingWorkers;
    } else if (!inWindow()) {
        return false;
    }
    if (state->stopped || state->nextToStart >= total)
        return false;
    *index = state->nextToStart++;
    return true;
}

void Work(const std::vector<VerificationTarget>& targets, size_t window,
          const OrderedParallelRunner::MakeBatch& makeBatch,
          const OrderedParallelRunner::ShouldStop& shouldStop, SharedState* state)
{
    const std::unique_ptr<OrderedParallelRunner::Batch> batch = makeBatch();
    size_t inWork = 0;
    for (;;) {
        while (batch->HasRoom()) {
            // Asked outside the lock: the question is the caller's code, which the lock must not wait for.
            size_t index;
            if (!TakeTarget(targets.size(), window, StopAsked(shouldStop), inWork == 0, state, &index))
                break;
            batch->Start(index, targets[index]);
            ++inWork;
        }
        // Files already started are finished, also once the run is stopped.
        if (inWork == 0)
            return;
        std::vector<std::pair<size_t, VerificationResult>> finished = batch->Next();
        bool batchReady;
        {
            std::lock_guard<std::mutex> lock(state->mutex);
            for (std::pair<size_t, VerificationResult>& one : finished) {
                state->bytesDone += targets[one.first].size;
                state->finished.emplace(one.first, std::move(one.second));
                ++state->filesDone;
                --inWork;
            }
            batchReady = BatchReady(*state, targets.size(), window);
        }
        if (batchReady)
            state->resultReady.notify_one();
    }
}

} // namespace

size_t OrderedParallelRunner::Run(const std::vector<VerificationTarget>& targets, int jobs,
                                  const Verify& verify, const Deliver& deliver, const Progress& progress,
                                  const ShouldStop& shouldStop)
{
    return Run(
        targets, jobs, 1, [&verify] { return std::unique_ptr<Batch>(new OneAtATime(verify)); }, deliver,
        progress, shouldStop);
}

size_t OrderedParallelRunner::Run(const std::vector<VerificationTarget>& targets, int jobs, int filesPerJob,
                                  const MakeBatch& makeBatch, const Deliver& deliver,
                                  const Progress& progress, const ShouldStop& shouldStop)
{
    const size_t workerCount =
        std::max<size_t>(1, std::min<size_t>(static_cast<size_t>(jobs), targets.size()));
    const size_t window = workerCount * (kWindowPerJob + static_cast<size_t>(std::max(filesPerJob, 1)) - 1);
    SharedState state;
    std::vector<std::thread> workers;
    for (size_t i = 0; i < workerCount; ++i)
        workers.emplace_back(Work, std::cref(targets), window, std::cref(makeBatch), std::cref(shouldStop),
                             &state);

    while (true) {
        const bool stopAsked = StopAsked(shouldStop);
        std::vector<VerificationResult> ready;
        long long filesDone;
        int64_t bytesDone;
        bool wakeWorkers;
        {
            std::unique_lock<std::mutex> lock(state.mutex);
            const bool stoppedNow = stopAsked && !state.stopped;
            state.stopped = state.stopped || stopAsked;
            if (state.nextToDeliver >= LastToDeliver(state, targets.size()))
                break;
            state.resultReady.wait_for(lock, std::chrono::milliseconds(100),
                                       [&] { return BatchReady(state, targets.size(), window); });
            for (auto it = state.finished.find(state.nextToDeliver);
                 it != state.finished.end() && it->first == state.nextToDeliver;
                 it = state.finished.find(state.nextToDeliver)) {
                ready.push_back(std::move(it->second));
                state.finished.erase(it);
                ++state.nextToDeliver;
            }
            filesDone = state.filesDone;
            bytesDone = state.bytesDone;
            wakeWorkers = stoppedNow || (!ready.empty() && state.waitingWorkers > 0);
        }
        if (wakeWorkers)
            state.windowMoved.notify_all();
        for (const VerificationResult& result : ready)
            deliver(result);
        if (progress)
            progress(filesDone, bytesDone);
    }
    state.windowMoved.notify_all();
    for (std::thread& worker : workers)
        worker.join();
    return state.nextToDeliver;
}
