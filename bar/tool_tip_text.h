#pragma once

#include <string>

#include "config/records.h"

// A button's tool tip: its title; else the file name and extension of its
// target; else the target as stored.
std::string ToolTipText(const ButtonEntry& entry);
