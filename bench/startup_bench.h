#pragma once
// Start-up of a whole process until its window is fully painted and the
// process waits for input: the program itself, next to a trivial program
// that shows one window.

#include <string>

namespace bench {

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

// Milliseconds from process creation until the window titled `title` of
// class `windowClass` shows `buttons` button controls with icons, nothing
// is left to paint and the process is idle; then the process is closed.
// Negative when it did not get there.
double TimeStartUp(const std::string& exe, const char* windowClass, const char* title, int buttons,
                   unsigned closeCommand);

}  // namespace bench
