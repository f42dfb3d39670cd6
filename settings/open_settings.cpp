// The bar's command "各種設定": the settings sheet is run and, on OK, its
// values are taken over, stored and shown.

#include "bar/bar_dlg.h"
#include "config/launcher_store.h"
#include "res/resource.h"
#include "res/texts.h"
#include "settings/hotkey_names.h"
#include "settings/page_count_plan.h"
#include "settings/setting_sheet.h"
#include "settings/sheet_store.h"
#include "win/res_string.h"

namespace {

// The pages' values into the bar; the store keys of pages given up go,
// highest first.
void TakeSheetValues(CBarDlg& bar, LauncherStore& store, const CSettingSheet& sheet) {
    bar.m_bkColor = sheet.m_watchDlg.m_bkColor;
    bar.m_textColor = sheet.m_watchDlg.m_textColor;
    bar.m_btnSize = sheet.m_iconCustom.m_btnSize;
    bar.m_option = sheet.m_iconCustom.m_iconFlags + sheet.m_optDlg.m_option;
    const int newCount = sheet.m_arrangeDlg.m_pageCount;
    const PageCountPlan plan = PlanPageCount(bar.m_pageCount, newCount, bar.m_curPage);
    for (int page : plan.deletePages) store.DeletePageKey(page);
    bar.m_pageCount = newCount;
    bar.m_curPage = plan.curPage;
}

void TellHotKeyInUse(const CBarDlg& bar) {
    const std::string text =
        TXT_HOTKEY_IN_USE_BEFORE + HotKeyLabel(bar.m_hotKey) + TXT_HOTKEY_IN_USE_AFTER;
    MessageBoxA(bar.Handle(), text.c_str(), LoadResString(IDS_APP_TITLE).c_str(),
                MB_OK | MB_ICONWARNING);
}

}  // namespace

void CBarDlg::OpenSettings() {
    CSettingSheet sheet(*this, m_store.Profile());
    // Shown pages hand their values over, and the clock and hotkey pages
    // replace the bar's font and hotkey setting, before the sheet closes.
    if (sheet.DoModal(m_hWnd)) {
        TakeSheetValues(*this, m_store, sheet);
        MeasureClock();
        WriteSheetSettings(m_store.Profile(), {m_option, m_bkColor, m_textColor, m_btnSize});
        SavePageState();
        SaveClockFont();
        m_store.SaveHotKey(m_hotKey);
        const bool registered = RegisterBarHotKey();
        Rebuild();
        // The choice is kept as made; the user learns why it does nothing.
        if (!registered) TellHotKeyInUse(*this);
    }
    m_toolTip.Activate(true);
}
