#include "tests/wine/import_hook.h"

namespace wt {

namespace {

template <typename T>
T* At(BYTE* base, DWORD offset) {
    return reinterpret_cast<T*>(base + offset);
}

// The import address table slot of dll!function in this executable.
void** FindSlot(const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = At<IMAGE_NT_HEADERS>(base, dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress) return nullptr;
    for (auto* desc = At<IMAGE_IMPORT_DESCRIPTOR>(base, dir.VirtualAddress); desc->Name; ++desc) {
        if (lstrcmpiA(At<char>(base, desc->Name), dll) != 0) continue;
        auto* names = At<IMAGE_THUNK_DATA>(base, desc->OriginalFirstThunk);
        auto* slots = At<IMAGE_THUNK_DATA>(base, desc->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName =
                At<IMAGE_IMPORT_BY_NAME>(base, static_cast<DWORD>(names->u1.AddressOfData));
            if (lstrcmpA(reinterpret_cast<char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

}  // namespace

ImportHook::ImportHook(const char* dll, const char* function, void* replacement)
    : m_slot(FindSlot(dll, function)) {
    if (!m_slot) return;
    m_original = *m_slot;
    Write(replacement);
}

ImportHook::~ImportHook() {
    if (m_slot) Write(m_original);
}

void ImportHook::Write(void* value) {
    DWORD old = 0;
    VirtualProtect(m_slot, sizeof(void*), PAGE_READWRITE, &old);
    *m_slot = value;
    VirtualProtect(m_slot, sizeof(void*), old, &old);
}

}  // namespace wt
