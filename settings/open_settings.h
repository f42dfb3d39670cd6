#pragma once
// The bar's command "各種設定": the sheet runs on a copy of the bar's
// settings and, on OK, the copy is applied, stored and shown.

#include "settings/settings_values.h"

class CBarDlg;
class LauncherStore;

SettingsValues LoadSettingsValues(const CBarDlg& bar);
void ApplySettingsValues(CBarDlg& bar, LauncherStore& store, const SettingsValues& values);

void OpenSettings(CBarDlg& bar, LauncherStore& store);
