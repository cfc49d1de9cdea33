#include "core/generation/WorkerThreads.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <latch>
#include <thread>

#include <QThreadPool>

namespace quorvane {

namespace {

// Beyond this the rows of a page no longer split usefully.
constexpr int32_t kMaxThreads = 64;

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

// The workers, apart from the pool the toolkit keeps for its own drawing.
QThreadPool& Workers()
{
    static QThreadPool* pool = [] {
        auto* made = new QThreadPool; // lives as long as the process: workers may still idle at exit
        made->setMaxThreadCount(std::max(1, EnvironmentThreads() - 1));
        made->setExpiryTimeout(-1);
        return made;
    }();
    return *pool;
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
    const int32_t parts = std::clamp(count / std::max(grain, 1), 1, GenerationThreads());
    if (parts == 1) {
        share(0, count);
        return;
    }
    const auto bound = [count, parts](int32_t part) { return int32_t(int64_t(count) * part / parts); };
    std::latch done(parts - 1);
    for (int32_t part = 1; part < parts; ++part) {
        Workers().start([&share, &done, begin = bound(part), end = bound(part + 1)] {
            share(begin, end);
            done.count_down();
        });
    }
    share(0, bound(1));
    done.wait();
}

} // namespace quorvane
