#pragma once
// The pages the benchmark loads: buttons whose targets are real programs,
// libraries, applets, a folder and a document with icons, mixed and partly
// repeated as on a page someone uses, written straight into a registry
// tree shaped like the program's store.

#include <string>
#include <vector>

#include "config/records.h"

namespace bench {

// Button k of any benchmark page (k from 0).
ButtonEntry PageEntry(int k);

// Writes page `page` with `count` buttons below HKCU\<root>: "Num",
// "Data" ("<lines>,34,<iconFlags>") and one key per button. Lines are
// chosen so the bar stays about 40 buttons wide.
void SeedPage(const std::string& root, int page, int count, int iconFlags = 0);
// Writes a bar-wide value of section "Setting".
void SeedSetting(const std::string& root, const char* name, unsigned value);
void SeedSetting(const std::string& root, const char* name, const std::string& text);
void DeleteTree(const std::string& root);
// Copies the key `from` with everything below it to `to`; true when done.
bool CopyTree(const std::string& from, const std::string& to);
bool KeyExists(const std::string& root);

}  // namespace bench
