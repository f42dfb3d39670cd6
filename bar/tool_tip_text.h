#pragma once

#include <string>

#include "config/records.h"

// A button's tool tip: its title; else the file name and extension of its
// target; else the target as stored.
std::string ToolTipText(const ButtonEntry& entry);

// The widest a tip's text may be on a monitor whose work area is
// `workWidth` pixels wide: longer texts wrap, and the tip with its frame
// stays within the work area.
int TipTextWidth(int workWidth);
