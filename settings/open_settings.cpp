#include "settings/open_settings.h"

#include "bar/bar_dlg.h"
#include "config/launcher_store.h"
#include "res/texts.h"
#include "settings/hotkey_names.h"
#include "settings/setting_sheet.h"
#include "win/app_message.h"
#include "win/monitors.h"

void OpenSettings(CBarDlg& bar, LauncherStore& store) {
    BarSettings settings = bar.Settings();
    // "現在の状態を保存" takes the bar's normal (restored) rectangle.
    CSettingSheet sheet(settings, store.Profile(), NormalWindowRect(bar.Handle()));
    if (!sheet.DoModal(bar.Handle())) {
        // The saved state is stored at once; the bar takes it either way.
        bar.TakeSavedState(settings.saved);
        return;
    }
    // The choice is kept as made; the user learns why it does nothing, once.
    if (!bar.ApplySettings(settings)) {
        const std::string text =
            TXT_HOTKEY_IN_USE_BEFORE + HotKeyLabel(settings.hotKey) + TXT_HOTKEY_IN_USE_AFTER;
        ShowAppMessage(bar.Handle(), text, MB_OK | MB_ICONWARNING);
    }
}
