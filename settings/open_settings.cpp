#include "settings/open_settings.h"

#include "bar/bar_dlg.h"
#include "config/launcher_store.h"
#include "res/texts.h"
#include "settings/hotkey_names.h"
#include "settings/page_count_plan.h"
#include "settings/setting_sheet.h"
#include "win/app_message.h"
#include "win/monitors.h"

namespace {

// The pages' values into the bar; the store keys of pages given up go,
// highest first.
void TakeValues(CBarDlg& bar, LauncherStore& store, const SettingsValues& values) {
    bar.m_bkColor = values.bkColor;
    bar.m_textColor = values.textColor;
    bar.m_btnSize = values.btnSize;
    bar.m_option = values.iconFlags + values.displayBits;
    const PageCountPlan plan = PlanPageCount(bar.m_pageCount, values.pageCount, bar.m_curPage);
    for (int page : plan.deletePages) store.DeletePageKey(page);
    bar.m_pageCount = values.pageCount;
    bar.m_curPage = plan.curPage;
    bar.SetClockFont(values.clockFont);
    bar.m_hotKey = values.hotKey;
}

void TellHotKeyInUse(const CBarDlg& bar) {
    const std::string text =
        TXT_HOTKEY_IN_USE_BEFORE + HotKeyLabel(bar.m_hotKey) + TXT_HOTKEY_IN_USE_AFTER;
    ShowAppMessage(bar.Handle(), text, MB_OK | MB_ICONWARNING);
}

}  // namespace

SettingsValues LoadSettingsValues(const CBarDlg& bar) {
    SettingsValues values;
    values.displayBits = bar.m_option & kDisplayOptionBits;
    values.iconFlags = bar.m_option & kButtonOptionBits;
    values.btnSize = bar.m_btnSize;
    values.bkColor = bar.m_bkColor;
    values.textColor = bar.m_textColor;
    values.clockFont = bar.m_clockRecord;
    values.pageCount = bar.m_pageCount;
    values.hotKey = bar.m_hotKey;
    // The saved state takes the bar's normal (restored) rectangle, in
    // screen coordinates.
    values.window = NormalWindowRect(bar.Handle());
    return values;
}

void ApplySettingsValues(CBarDlg& bar, LauncherStore& store, const SettingsValues& values) {
    const bool hotKeyChanged = !(values.hotKey == bar.m_hotKey);
    TakeValues(bar, store, values);
    bar.MeasureClock();
    WriteSheetSettings(store.Profile(),
                       {bar.m_option, bar.m_bkColor, bar.m_textColor, bar.m_btnSize});
    bar.SavePageState();
    bar.SaveClockFont();
    store.SaveHotKey(bar.m_hotKey);
    const bool registered = bar.RegisterBarHotKey();
    bar.Rebuild();
    // The choice is kept as made; the user learns why it does nothing, once.
    if (!registered && hotKeyChanged) TellHotKeyInUse(bar);
}

void OpenSettings(CBarDlg& bar, LauncherStore& store) {
    SettingsValues values = LoadSettingsValues(bar);
    CSettingSheet sheet(values, store.Profile());
    const bool ok = sheet.DoModal(bar.Handle());
    // "現在の状態を保存" was stored at once; the bar takes it either way.
    if (values.savedState) {
        bar.m_setX = values.savedState->x;
        bar.m_setY = values.savedState->y;
        bar.m_setOption = values.savedState->option;
    }
    if (ok) ApplySettingsValues(bar, store, values);
    bar.m_toolTip.Activate(true);
}
