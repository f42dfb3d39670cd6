#include "win/ansi_file_name.h"

#include <optional>

#include "win/app_message.h"

namespace {
// The ANSI calls convert with the ANSI code page (932 on the program's
// Japanese system), so that is the page a kept name must survive.
constexpr UINT kCodePage = CP_ACP;

std::optional<std::wstring> ShortPathOf(const std::wstring& path) {
    const DWORD room = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (room == 0) return std::nullopt;
    std::wstring shortPath(room, L'\0');
    const DWORD got = GetShortPathNameW(path.c_str(), shortPath.data(), room);
    // A name that grew meanwhile does not fit: no short name then.
    if (got == 0 || got >= room) return std::nullopt;
    shortPath.resize(got);
    return shortPath;
}
}  // namespace

std::wstring WideOf(const std::string& ansi) {
    if (ansi.empty()) return {};
    const int size = static_cast<int>(ansi.size());
    const int length = MultiByteToWideChar(kCodePage, 0, ansi.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage, 0, ansi.data(), size, wide.data(), length);
    return wide;
}

AnsiName AnsiOf(const std::wstring& wide) {
    if (wide.empty()) return {{}, true};
    const int size = static_cast<int>(wide.size());
    // No best fit: "é" must not become "e", a name of another file.
    const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length,
                        nullptr, &usedDefault);
    // Some characters share their bytes with others; only a name that
    // comes back unchanged names the same file.
    const bool exact = length > 0 && !usedDefault && WideOf(bytes) == wide;
    return {std::move(bytes), exact};
}

FileNameChoice AnsiFileName(const std::wstring& wide) {
    const AnsiName full = AnsiOf(wide);
    if (full.exact) return ChooseFileName(full, std::nullopt);
    const std::optional<std::wstring> shortPath = ShortPathOf(wide);
    return ChooseFileName(full, shortPath ? std::optional(AnsiOf(*shortPath)) : std::nullopt);
}

void TellLeftOutFiles(HWND owner, const std::vector<std::string>& shownNames) {
    if (shownNames.empty()) return;
    ShowAppMessage(owner, LeftOutFilesText(shownNames), MB_OK | MB_ICONWARNING);
}
