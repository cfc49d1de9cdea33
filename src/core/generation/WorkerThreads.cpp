#include "core/generation/WorkerThreads.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

namespace quorvane {

namespace {

// Beyond this the rows of a page no longer split usefully.
constexpr int32_t kMaxThreads = 64;

// How long a worker keeps looking for the next share before it sleeps. The shares of a pass
// follow each other every few milliseconds; a worker that slept between them would, on a
// busy machine, wait for another program's time slice at every one.
constexpr auto kSpinTime = std::chrono::milliseconds(2);

int32_t ThreadsFromEnvironment()
{
    const int32_t cores = std::clamp(int32_t(std::thread::hardware_concurrency()), 1, kMaxThreads);
    const char* named = std::getenv("QUORVANE_THREADS");
    if (!named || !*named)
        return cores;
    char* end = nullptr;
    const long value = std::strtol(named, &end, 10);
    if (*end != '\0' || value < 1)
        return cores; // not a positive number: the default
    return int32_t(std::min<long>(value, kMaxThreads));
}

int32_t EnvironmentThreads()
{
    static const int32_t threads = ThreadsFromEnvironment();
    return threads;
}

std::atomic<int32_t> threadLimit{kMaxThreads};

thread_local bool isWorker = false;

void Pause()
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#else
    std::this_thread::yield();
#endif
}

// Waits until `value` is no longer `seen`: a short spin, then asleep.
template <typename T>
T AwaitChange(const std::atomic<T>& value, T seen)
{
    const auto until = std::chrono::steady_clock::now() + kSpinTime;
    for (int k = 0;; ++k) {
        const T now = value.load(std::memory_order_acquire);
        if (now != seen)
            return now;
        if (k % 64 == 0 && std::chrono::steady_clock::now() > until)
            break;
        Pause();
    }
    value.wait(seen, std::memory_order_acquire);
    return value.load(std::memory_order_acquire);
}

// Workers 1 .. n - 1 of a share-out; the caller of Run is worker 0. One share-out at a time.
// Every worker answers every share-out, those without a part too, so that none is still
// reading one share-out's part when the next is set.
class Workers {
public:
    explicit Workers(int32_t count) : count_(count)
    {
        for (int32_t k = 1; k < count; ++k)
            std::thread([this, k] { Serve(k); }).detach(); // they live as long as the process
    }

    void Run(int32_t parts, const std::function<void(int32_t part)>& part)
    {
        const std::lock_guard lock(mutex_);
        part_ = &part;
        parts_ = parts;
        pending_.store(count_ - 1, std::memory_order_relaxed);
        round_.fetch_add(1, std::memory_order_release);
        round_.notify_all();
        part(0);
        for (int32_t left = pending_.load(std::memory_order_acquire); left != 0;
             left = pending_.load(std::memory_order_acquire))
            AwaitChange(pending_, left);
    }

private:
    void Serve(int32_t k)
    {
        isWorker = true;
        uint64_t seen = 0;
        for (;;) {
            seen = AwaitChange(round_, seen);
            if (k < parts_)
                (*part_)(k);
            if (pending_.fetch_sub(1, std::memory_order_acq_rel) == 1)
                pending_.notify_one();
        }
    }

    const int32_t count_;
    std::mutex mutex_;
    std::atomic<uint64_t> round_{0};
    std::atomic<int32_t> pending_{0};
    const std::function<void(int32_t)>* part_ = nullptr; // written before round_ moves on
    int32_t parts_ = 0;
};

Workers& TheWorkers()
{
    static Workers* workers = new Workers(EnvironmentThreads()); // never ended: see Workers
    return *workers;
}

} // namespace

int32_t GenerationThreads()
{
    return std::min(EnvironmentThreads(), threadLimit.load());
}

void LimitGenerationThreads(int32_t threads)
{
    threadLimit = std::clamp(threads, 1, kMaxThreads);
}

void ForEachShare(int32_t count, int32_t grain, const std::function<void(int32_t begin, int32_t end)>& share)
{
    if (count <= 0)
        return;
    const int32_t parts = isWorker ? 1 : std::clamp(count / std::max(grain, 1), 1, GenerationThreads());
    if (parts == 1) {
        share(0, count);
        return;
    }
    const auto bound = [count, parts](int32_t part) { return int32_t(int64_t(count) * part / parts); };
    TheWorkers().Run(parts, [&](int32_t part) { share(bound(part), bound(part + 1)); });
}

} // namespace quorvane
