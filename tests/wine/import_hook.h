#pragma once
// Replaces one imported function of the test executable for as long as the
// hook lives. The program is linked into the test executable, so every call
// it makes to that function goes through the replacement; calls made inside
// system libraries do not.

#include <windows.h>

namespace wt {

class ImportHook {
public:
    ImportHook(const char* dll, const char* function, void* replacement);
    ~ImportHook();
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;

    bool Installed() const { return m_slot != nullptr; }
    void* Original() const { return m_original; }

private:
    void Write(void* value);

    void** m_slot = nullptr;
    void* m_original = nullptr;
};

}  // namespace wt
