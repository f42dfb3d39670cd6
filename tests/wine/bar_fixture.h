#pragma once
// Starts the real application in-process on a clean store and drives its
// windows through the application's own message handling.

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/launcher_app.h"
#include "bar/bar_dlg.h"
#include "buttons/bar_button.h"
#include "tests/wine/wine_test_util.h"

class BarFixture : public ::testing::Test {
protected:
    BarFixture();
    ~BarFixture() override;

    // InitInstance on whatever the test stored; the bar must come up.
    void Start();
    // Pumps until what waits for the bar's first paint is done.
    void AwaitFirstPaint();
    // Handles every queued message as the application's loop would.
    void Pump();
    // Pumps for about `ms` milliseconds.
    void PumpFor(int ms);
    // Exit command through the bar, then the loop until the host is gone.
    void Exit();

    CBarDlg& Bar() { return *app->Bar(); }
    HWND BarWnd() { return app->Bar()->Handle(); }
    RECT WindowRect();
    // A button's rectangle in the bar's client coordinates.
    RECT ButtonRect(size_t index);
    // Child windows of the bar of class BUTTON that are visible.
    int VisibleButtonCount();

    // Seeds a page of `count` buttons named C:\t\b<i>.exe.
    void SeedPage(int page, int count, int lines, int size, int iconFlags = 0);
    // Seeds a page with these entries.
    void SeedEntries(int page, const std::vector<ButtonEntry>& entries, int lines = 1,
                     int size = 34, int iconFlags = 0);
    // A BM_CLICK on button index, as a mouse click does it.
    void Click(size_t index);
    void SeedSetting(const char* name, DWORD value) { wt::RawWriteDword("Setting", name, value); }
    void SeedSetting(const char* name, const std::string& text) {
        wt::RawWriteString("Setting", name, text);
    }

    std::unique_ptr<CLauncherApp> app;
    bool quitSeen = false;
};

struct StoredValue {
    DWORD type = 0;
    std::string bytes;
    bool operator==(const StoredValue&) const = default;
};
// Every key below the store's root (by path, "" for the root) with its
// values (by name).
using StoreTree = std::map<std::string, std::map<std::string, StoredValue>>;
StoreTree ReadStoreTree();

// Every value below the store's root as "section:name", sorted.
std::vector<std::string> StoreValues();
// The same with each value's type and data: "section:name=type:data".
std::vector<std::string> StoreSnapshot();
