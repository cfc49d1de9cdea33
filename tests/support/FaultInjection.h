#pragma once

// Faults made without root: a file-size limit that makes a write fail part-way as a full
// disk does, and a time limit for steps that might block (opening a pipe).

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <memory>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

#include <QByteArray>
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

// The same limit for a program the test starts (the ignored signal is inherited).
inline void LimitFileSizeOf(QProcess& process, rlim_t bytes)
{
    process.setChildProcessModifier([bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
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

// Opens `pipe` for writing once `seconds` have passed, unless destroyed before: a reader
// blocked opening the pipe on the test's own thread is then released and the test fails
// instead of hanging.
class PipeWatchdog {
public:
    PipeWatchdog(const QByteArray& pipe, int seconds)
        : thread_([pipe, seconds](std::stop_token stop) {
            for (int tick = 0; tick < seconds * 10; ++tick) {
                if (stop.stop_requested())
                    return;
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
            const int fd = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        })
    {
    }

private:
    std::jthread thread_;
};
