#pragma once
// Fonts described with their sizes at 96 DPI, made at another scale.

#include <windows.h>

// The character height, in pixels, of the platform's default font (height 0).
int DefaultFontHeight();

// `kept` (sizes at 96 DPI, height 0 for the platform's default) as the font
// to make at `dpi`.
LOGFONTA FontForDpi(LOGFONTA kept, int dpi);

// The way back: a font's pixel sizes at `dpi` as 96-DPI sizes.
LOGFONTA FontFromDpi(LOGFONTA lf, int dpi);
