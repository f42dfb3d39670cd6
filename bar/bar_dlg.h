#pragma once
// The bar: a borderless modeless dialog owned by the hidden host window. It
// shows one page of launcher buttons beside a strip with the grip and the
// clock. Every change of page, layout or buttons is written to the store
// first and shown by destroying the buttons and loading the page again.

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "win/dialog_base.h"
#include "win/handles.h"
#include "bar/bar_layout.h"
#include "bar/tool_tip.h"
#include "core/dpi_scale.h"
#include "buttons/button_host.h"
#include "buttons/icon_cache.h"
#include "config/bar_settings.h"
#include "config/records.h"

class CBarButton;
class LauncherStore;

// Most pages the page menu lists. Only a hand-edited store holds more than
// 20; listing up to 100 keeps such a menu usable and bounded.
constexpr int kMaxMenuPages = 100;

class CBarDlg : public CDialogBase, public CButtonHost {
public:
    // The bar reads its settings from the store, writes every change there,
    // and asks its owner for the version box and the settings sheet.
    CBarDlg(LauncherStore& store, std::function<void()> showAbout,
            std::function<void()> openSettings = {});
    ~CBarDlg() override;

    bool PreTranslateMessage(MSG* msg) override;

    // Pages: a switch to another page, or the page shown loaded again.
    void SwitchPage(int page);
    void Rebuild();
    // Moves the bar to (x, y), or the nearest place on a monitor.
    void PlaceWindow(int x, int y);
    // The buttons go; the bar shows an empty page until the next load.
    void DestroyButtons();
    // Stores the page state and position, gives up the hotkey and the
    // buttons: the bar's part of the application's end.
    void PrepareExit();

    // Settings: `settings` as the sheet's OK leaves them, stored and shown
    // (pages beyond a lower count are deleted). False when the hotkey was
    // changed and the platform refused it.
    bool ApplySettings(const BarSettings& settings);
    // The saved state, stored already by whoever made it.
    void TakeSavedState(const SavedState& state);
    // False only when the platform refused the combination (another program
    // holds it); no hotkey, or a key name without a code, is no refusal.
    bool RegisterBarHotKey();

    // Buttons, edited and deleted from their own menu.
    bool EditEntry(ButtonEntry& entry) override;
    void SaveButton(int page, int index, const ButtonEntry& entry) override;
    void UpdateButton(int index, const ButtonEntry& entry) override;
    void DeleteButton(CBarButton* button) override;
    // Deletes the key of slot `index` of the page shown.
    void DeleteButtonKey(int index);

    // What the bar shows, read only.
    const BarSettings& Settings() const { return m_settings; }
    const PageSetup& ShownSetup() const { return m_pageSetup; }
    const std::vector<std::unique_ptr<CBarButton>>& Buttons() const { return m_buttons; }
    CBarButton* ButtonAt(HWND wnd) const;
    const CToolTip& Tips() const { return m_toolTip; }
    HFONT ClockFont() const { return m_clockFont.Get(); }
    int ClockWidth() const { return m_clockWidth; }
    int ClockExtent() const;
    // The scale of the bar's monitor; every stored size is at 96.
    int Dpi() const { return m_dpi; }
    UniqueMenu BuildPageMenu() const;
    // Help (command 104): the module's name with the extension ".HLP", and
    // the user guide beside the program.
    static std::wstring HelpFilePath();
    static std::wstring GuidePath();

protected:
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    // Neither ever closes the bar.
    void OnOK() override {}
    void OnCancel() override {}

private:
    struct StartUpStep {
        const char* name;
        std::function<void()> run;
    };

    // Pages and buttons
    void LoadPage(int page, int x, int y);
    // Destroys the buttons and loads page at the bar's current position.
    void ReloadAt(int page);
    BarLayout Layout() const;
    // Gives the keyboard to the first button, or to the bar on an empty
    // page, unless a button has it or the bar is not active.
    void SettleFocus();
    // The page's buttons with their tips and their names.
    void AddButtons(int page, int iconBits);
    void AddButtonTip(const CBarButton& button, const std::string& name);
    // What waits for the first paint: the bar is activated and its tips
    // are made.
    void OnFirstPaintDone();
    // The tool tips, for the bar and each button shown; made once, after
    // the first paint or at a drop that comes before it.
    void CreateTips();

    // "X" and "Y": where the bar is now.
    void SaveWindowPos();

    // Painting and the clock
    void OnPaint();
    void OnTimer();
    void StartClockTimer();
    void DrawClockArea(HDC dc);
    static void DrawFrame(int left, int top, int right, int bottom, HDC dc, COLORREF c1,
                          COLORREF c2);
    // Makes the clock font of the settings at the bar's scale and measures
    // the clock with it.
    void MakeClockFont();
    // A 96-DPI size in pixels at the bar's scale.
    int Px(int value) const { return ScaleForDpi(value, m_dpi); }

    // Menus and keys
    void ShowBarMenu(int x, int y);
    void ShowPageMenu(int x, int y, bool leftAlign);
    UniqueMenu BuildBarMenu() const;
    void RestoreSavedState();
    void MoveFocusByLine(UINT key);
    void OnAddRemoveButtons();
    void ActivateFromHotKey();
    bool OnKeyDown(UINT key);
    void OnNcRightButtonDown(LPARAM lp);
    void OnNcLeftDoubleClick(LPARAM lp);
    void OnHelp();
    void OpenGuide(const std::wstring& guide);

    // Files dropped
    void OnDropFiles(HDROP drop);
    // Both leave the names of files that cannot be kept in `leftOut`.
    void AddDroppedFiles(HDROP drop, UINT count, std::vector<std::string>& leftOut);
    void RunDroppedFiles(HDROP drop, UINT count, POINT screenPoint,
                         std::vector<std::string>& leftOut);
    static std::vector<std::string> DroppedPaths(HDROP drop, UINT count,
                                                 std::vector<std::string>& leftOut);

    // The application's end, and one refused by another program.
    void OnExit();
    INT_PTR OnQueryEndSession(WPARAM wp, LPARAM lp);
    void ResumeAfterCancelledEnd();
    void OnDestroy();
    void OnDpiChanged(int dpi, const RECT& suggested);

    LauncherStore& m_store;
    std::function<void()> m_showAbout;
    std::function<void()> m_openSettings;
    // As stored, but for the page: curPage is the page shown, and btnSize
    // the size of its buttons.
    BarSettings m_settings;
    PageSetup m_pageSetup;
    // The icons of the pages seen, kept beyond the buttons that show them.
    CIconCache m_icons;
    std::vector<std::unique_ptr<CBarButton>> m_buttons;
    CToolTip m_toolTip;
    int m_dpi = kBaseDpi;
    UniqueFont m_clockFont;  // m_settings.clockFont at m_dpi
    int m_clockWidth = 0;
    bool m_loading = false;
};
