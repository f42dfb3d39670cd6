#pragma once
// The bar's command "各種設定": the sheet runs on a copy of the bar's
// settings and, on OK, the bar stores and shows the copy.

class CBarDlg;
class LauncherStore;

void OpenSettings(CBarDlg& bar, LauncherStore& store);
