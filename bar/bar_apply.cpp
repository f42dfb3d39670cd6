// The settings sheet's OK: its record stored and shown, in one order.

#include "bar/bar_dlg.h"
#include "config/launcher_store.h"
#include "config/page_count_plan.h"

bool CBarDlg::ApplySettings(const BarSettings& settings) {
    const bool hotKeyChanged = !(settings.hotKey == m_settings.hotKey);
    // Pages given up go from the store, highest first; a page shown beyond
    // the new count gives way to page 1.
    const PageCountPlan plan =
        PlanPageCount(m_settings.pageCount, settings.pageCount, m_settings.curPage);
    for (int page : plan.deletePages) m_store.DeletePageKey(page);
    m_settings = settings;
    m_settings.option &= kDisplayOptionBits | kButtonOptionBits;
    m_settings.curPage = plan.curPage;
    MakeClockFont();
    SaveSheetSettings(m_store, m_settings);
    const bool registered = RegisterBarHotKey();
    Rebuild();
    return registered || !hotKeyChanged;
}

void CBarDlg::TakeSavedState(const SavedState& state) {
    m_settings.saved = state;
}
