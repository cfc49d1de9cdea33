#pragma once

// The busy pointer over every window of the program while an object of this lives: made
// around work that can keep the user-interface thread for more than a moment.

namespace quorvane {

class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // How many busy pointers this run has shown, so that tests can see work announce itself.
    static int ShownCount();
};

} // namespace quorvane
