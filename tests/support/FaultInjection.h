#pragma once

// Faults made without root: a file-size limit that makes a write fail part-way as a full
// disk does, and a time limit for steps that might block (opening a pipe).

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <memory>
#include <sys/resource.h>
#include <thread>

#include <QProcess>

// While a FileSizeLimit lives, no file of this process can grow past `bytes`: a write
// beyond fails with EFBIG ("File too large") instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

// Limits for a program the test starts, 0 for none: `fileSize` as above (the ignored signal
// is inherited), `memory` its address space, as on a machine short of memory.
inline void LimitProgram(QProcess& process, rlim_t fileSize, rlim_t memory)
{
    process.setChildProcessModifier([fileSize, memory] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit files{fileSize, fileSize};
        if (fileSize > 0)
            setrlimit(RLIMIT_FSIZE, &files);
        const rlimit addresses{memory, memory};
        if (memory > 0)
            setrlimit(RLIMIT_AS, &addresses);
    });
}

// Runs `step` on its own thread. When it has not returned after `seconds`, the test
// program ends with a failure instead of hanging.
inline void WithinSeconds(int seconds, const std::function<void()>& step)
{
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    std::thread([&step, done] {
        step();
        done->set_value();
    }).detach();
    if (finished.wait_for(std::chrono::seconds(seconds)) == std::future_status::timeout) {
        std::fprintf(stderr, "FAILED: a step still blocks after %d s\n", seconds);
        std::_Exit(1);
    }
}
