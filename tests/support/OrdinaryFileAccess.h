#pragma once

// Root may write anywhere, so a read-only folder refuses nothing to a test run as root.
// While an OrdinaryFileAccess lives, the calling thread's file access is that of an
// ordinary user (the fs uid "nobody", which drops root's override of permissions);
// for other users it does nothing.

#include <sys/fsuid.h>
#include <unistd.h>

class OrdinaryFileAccess {
public:
    OrdinaryFileAccess() : previous_(geteuid() == 0 ? setfsuid(kNobody) : -1) {}
    ~OrdinaryFileAccess()
    {
        if (previous_ >= 0)
            setfsuid(static_cast<uid_t>(previous_));
    }
    OrdinaryFileAccess(const OrdinaryFileAccess&) = delete;
    OrdinaryFileAccess& operator=(const OrdinaryFileAccess&) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    int previous_;
};
