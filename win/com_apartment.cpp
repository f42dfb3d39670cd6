#include "win/com_apartment.h"

#include <objbase.h>

#include "win/system_library.h"

namespace {
template <typename F>
F Proc(HMODULE module, const char* name) {
    return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}
}  // namespace

ComApartment::ComApartment() : m_com(LoadSystemLibrary("ole32.dll")) {
    auto join = Proc<HRESULT(WINAPI*)(void*, DWORD)>(m_com, "CoInitializeEx");
    m_joined = join && SUCCEEDED(join(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

ComApartment::~ComApartment() {
    auto leave = Proc<void(WINAPI*)()>(m_com, "CoUninitialize");
    if (m_joined && leave) leave();
}
