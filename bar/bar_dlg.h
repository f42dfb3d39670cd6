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
#include "config/records.h"

class CBarButton;
class LauncherStore;

// Most pages the page menu lists. Only a hand-edited store holds more than
// 20; listing up to 100 keeps such a menu usable and bounded.
constexpr int kMaxMenuPages = 100;

class CBarDlg : public CDialogBase, public CButtonHost {
public:
    // The bar reads and writes the store, and asks its owner for the
    // version box and the settings sheet.
    CBarDlg(LauncherStore& store, std::function<void()> showAbout,
            std::function<void()> openSettings = {});
    ~CBarDlg() override;

    bool PreTranslateMessage(MSG* msg) override;

    // Pages and buttons
    void LoadPage(int page, int x, int y);
    void Rebuild();
    void SwitchPage(int page);
    void DestroyButtons();
    void PlaceWindow(int x, int y);
    int ClockExtent() const;
    LayoutPoint CellOrigin(int index) const;
    BarLayout Layout() const;
    CBarButton* ButtonAt(HWND wnd) const;
    // The page's buttons, in their order.
    const std::vector<std::unique_ptr<CBarButton>>& Buttons() const { return m_buttons; }
    // Gives the keyboard to the first button, or to the bar on an empty
    // page, unless a button has it or the bar is not active.
    void SettleFocus();
    // What waits for the first paint: the bar is activated and its tips
    // are made.
    void OnFirstPaintDone();
    // The tool tips, for the bar and each button shown; made once, after
    // the first paint or at a drop that comes before it.
    void CreateTips();

    // Editing and deleting a button from its own menu
    bool EditEntry(ButtonEntry& entry) override;
    void SaveButton(int page, int index, const ButtonEntry& entry) override;
    void UpdateButton(int index, const ButtonEntry& entry) override;
    void DeleteButton(CBarButton* button) override;

    // Store
    void LoadSettings();
    void SavePageState();
    void SaveWindowPos();
    void DeleteButtonKey(int index);
    void PrepareExit();

    // Painting and the clock
    void DrawClockArea(HDC dc);
    static void DrawFrame(int left, int top, int right, int bottom, HDC dc, COLORREF c1,
                          COLORREF c2);
    void LoadClockFont();
    // Keeps `kept` (sizes at 96 DPI) as the clock font and makes it at the
    // bar's scale.
    void SetClockFont(const LOGFONTA& kept);
    // A 96-DPI size in pixels at the bar's scale.
    int Px(int value) const { return ScaleForDpi(value, m_dpi); }
    void MeasureClock();
    void SaveClockFont();

    // Menus and keys
    void ShowBarMenu(int x, int y);
    void ShowPageMenu(int x, int y, bool leftAlign);
    UniqueMenu BuildBarMenu() const;
    UniqueMenu BuildPageMenu() const;
    void RestoreSavedState();
    void MoveFocusByLine(UINT key);
    void OnAddRemoveButtons();
    // Help (command 104): the module's name with the extension ".HLP", and
    // the user guide beside the program.
    static std::wstring HelpFilePath();
    static std::wstring GuidePath();

    // Hotkey. False only when the platform refused the combination (another
    // program holds it); no hotkey, or a key name without a code, is no
    // refusal.
    bool RegisterBarHotKey();
    void ActivateFromHotKey();

    // State read and changed directly by the bar's menus, dialogs and sheet.
    CToolTip m_toolTip;
    std::vector<std::unique_ptr<CBarButton>> m_buttons;
    HotKeySetting m_hotKey;
    PageSetup m_pageSetup;
    int m_curPage = 1;
    int m_pageCount = 1;
    int m_btnSize = 34;
    int m_clockWidth = 0;
    int m_option = 0;
    int m_setOption = 0;
    int m_setX = 0;
    int m_setY = 0;
    // The scale of the bar's monitor; every stored size is at 96.
    int m_dpi = kBaseDpi;
    // The clock font as stored, its sizes at 96 DPI: what is saved, and
    // what m_clockFont is made from at m_dpi.
    LOGFONTA m_clockRecord{};
    UniqueFont m_clockFont;
    COLORREF m_bkColor = 0;
    COLORREF m_textColor = 0;

protected:
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    // Neither ever closes the bar.
    void OnOK() override {}
    void OnCancel() override {}

private:
    void OnExit();
    INT_PTR OnQueryEndSession(WPARAM wp, LPARAM lp);
    void ResumeAfterCancelledEnd();
    void OnPaint();
    void OnTimer();
    void OnDestroy();
    void OnDpiChanged(int dpi, const RECT& suggested);
    // The page's buttons with their tips and their names.
    void AddButtons(int page, int iconBits);
    void AddButtonTip(const CBarButton& button, const std::string& name);
    void OnNcRightButtonDown(LPARAM lp);
    void OnNcLeftDoubleClick(LPARAM lp);
    void OnDropFiles(HDROP drop);
    // Both leave the names of files that cannot be kept in `leftOut`.
    void AddDroppedFiles(HDROP drop, UINT count, std::vector<std::string>& leftOut);
    void RunDroppedFiles(HDROP drop, UINT count, POINT screenPoint,
                         std::vector<std::string>& leftOut);
    static std::vector<std::string> DroppedPaths(HDROP drop, UINT count,
                                                 std::vector<std::string>& leftOut);
    bool OnKeyDown(UINT key);
    void OnHelp();
    void OpenGuide(const std::wstring& guide);
    void StartClockTimer();
    struct StartUpStep {
        const char* name;
        std::function<void()> run;
    };
    // Destroys the buttons and loads page at the bar's current position.
    void ReloadAt(int page);

    bool m_loading = false;
    LauncherStore& m_store;
    std::function<void()> m_showAbout;
    std::function<void()> m_openSettings;
};
