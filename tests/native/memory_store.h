#pragma once
// The store rooted as the program roots it, on an in-memory registry.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "config/launcher_store.h"
#include "tests/native/memory_registry.h"

class MemoryStoreTest : public ::testing::Test {
protected:
    MemoryStoreTest()
        : store(std::make_unique<MemoryRegistry>()),
          profile(store.Profile()),
          reg(static_cast<MemoryRegistry*>(&profile.Registry())) {
        profile.SetRegistryKey("Quenlow", "Lumeq");
    }
    static std::string Key(const std::string& section) {
        return "Software\\Quenlow\\Lumeq\\" + section;
    }
    // Stored before the test's own writes, which alone are recorded.
    void PutText(const std::string& section, const char* name, const std::string& text) {
        reg->WriteString(Key(section), name, text);
        reg->ClearWrites();
    }
    void PutInt(const std::string& section, const char* name, int value) {
        reg->WriteDword(Key(section), name, static_cast<std::uint32_t>(value));
        reg->ClearWrites();
    }
    const MemoryRegistry::Value* Find(const std::string& section, const char* name) const {
        return reg->Find(Key(section), name);
    }
    std::string Text(const std::string& section, const char* name) const {
        const MemoryRegistry::Value* v = Find(section, name);
        return v && !v->isDword ? v->text : "<none>";
    }

    LauncherStore store;
    ProfileStore& profile;
    MemoryRegistry* reg;
};
