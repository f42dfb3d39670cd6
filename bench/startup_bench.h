#pragma once
// Start-up of a whole process until its window is fully painted and the
// process waits for input: the program itself, next to a trivial program
// that shows one window.

#include <windows.h>

#include <string>

namespace bench {

// True when `wnd` and its shown children have nothing left to paint; reads
// only, so it may look at another process's window.
bool NothingLeftToPaint(HWND wnd);

// The program's own store key, moved aside while the benchmark uses it
// and put back afterwards.
class StoreGuard {
public:
    explicit StoreGuard(std::string root);
    ~StoreGuard();
    StoreGuard(const StoreGuard&) = delete;
    StoreGuard& operator=(const StoreGuard&) = delete;

private:
    std::string m_root;
    std::string m_saved;
    bool m_had;
};

// A start-up right after another program's exit is slowed by what that
// exit leaves to the system, and every start-up by how long the machine has
// been busy before it: up to 2.5 times on the machines measured. Timed
// start-ups begin after this much quiet.
constexpr unsigned kQuietMs = 300;

// After `quietMs` of quiet, milliseconds from process creation until the
// window titled `title` of class `windowClass` shows `buttons` button
// controls with icons, nothing is left to paint and the process is idle;
// then the process is closed.
// Negative when it did not get there.
double TimeStartUp(const std::string& exe, const char* windowClass, const char* title, int buttons,
                   unsigned closeCommand, unsigned quietMs);

}  // namespace bench
