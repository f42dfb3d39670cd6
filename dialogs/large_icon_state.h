#pragma once
// A fitted icon has no large size: the "大きいｱｲｺﾝ" box is greyed while
// the fit box is marked, and keeps its own mark for a later change.

#include "win/dialog_base.h"

inline void UpdateLargeIconBox(const CDialogBase& dialog, int fitId, int largeId) {
    dialog.EnableItem(largeId, !dialog.IsChecked(fitId));
}
