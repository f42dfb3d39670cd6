#pragma once
// The stored clock font as the platform's font description, and back.

#include <windows.h>

#include "config/clock_font_record.h"

LOGFONTA ToLogFont(const ClockFontRecord& record);
ClockFontRecord FromLogFont(const LOGFONTA& lf);
