#pragma once
// Helpers shared by the tests that run under Wine.

#include <windows.h>

#include <optional>
#include <string>

namespace wt {

constexpr const char kRoot[] = "Software\\Quenlow\\Lumeq";

// Removes everything the program keeps in the registry.
void ClearStore();

bool KeyExists(const std::string& path);

// Raw reads of a value below the store's root, bypassing the program.
std::optional<DWORD> RawDword(const std::string& section, const char* name);
std::optional<std::string> RawString(const std::string& section, const char* name);
void RawWrite(const std::string& section, const char* name, DWORD type, const void* data,
              DWORD size);
void RawWriteDword(const std::string& section, const char* name, DWORD value);
void RawWriteString(const std::string& section, const char* name, const std::string& text);

// Value names below the section, in the registry's order.
int ValueCount(const std::string& section);

// Starts a shell command line; Wine starts Unix programs through
// CreateProcess. It runs on its own: Wine gives no handle to wait for.
bool RunUnix(const std::string& command);
// True when the hotkey is taken: another window cannot register it.
bool HotKeyTaken(unsigned modifiers, unsigned key);
// Sends `keys` (xdotool's names) to the bar's X window once it is mapped,
// then touches the Unix file `marker` when one is given; in the background.
bool SendKeysToBar(const std::string& keys, const std::string& marker = {});

}  // namespace wt
