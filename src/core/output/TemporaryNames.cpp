#include "core/output/TemporaryNames.h"

#include <array>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace quorvane {

namespace {

enum SlotState : int { kFree, kFilling, kHeld };

struct Slot {
    std::atomic<int> state{kFree};
    char path[PATH_MAX] = {};
};

std::array<Slot, 8> heldNames;
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Only async-signal-safe calls: unlink, then the signal's default action.
void RemoveHeldNames(int signal)
{
    for (Slot& slot : heldNames) {
        if (slot.state.load() == kHeld)
            ::unlink(slot.path);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Handlers only where the signal would end the program: one the program ignores or
// handles itself stays as it is.
void InstallHandlers()
{
    for (const int signal : kSignals) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction action {};
        action.sa_handler = RemoveHeldNames;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace

void HoldTemporaryName(const QByteArray& path)
{
    static std::once_flag installed;
    std::call_once(installed, InstallHandlers);
    if (path.size() >= PATH_MAX)
        return;
    for (Slot& slot : heldNames) {
        int expected = kFree;
        if (!slot.state.compare_exchange_strong(expected, kFilling))
            continue;
        std::memcpy(slot.path, path.constData(), size_t(path.size()) + 1);
        slot.state.store(kHeld);
        return;
    }
}

void ReleaseTemporaryName(const QByteArray& path)
{
    for (Slot& slot : heldNames) {
        if (slot.state.load() == kHeld && path == slot.path) {
            slot.state.store(kFree);
            return;
        }
    }
}

} // namespace quorvane
