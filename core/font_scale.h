#pragma once
// Font heights kept at 96 DPI: made at a monitor's scale, and handed to and
// taken back from the font dialog at the system's. No platform calls.

// `stored` at `dpi`. A character height (negative) or a cell height
// (positive) scales as a size. 0 asks for the platform's default size,
// `defaultHeight` pixels of character at 96 DPI: it stays 0 at 96 and is
// that size, scaled, at any other scale.
int FontHeightForDpi(int stored, int dpi, int defaultHeight);

// The way back from a height at `dpi`. For every stored height but 0 and
// any DPI of 96 or more, FontHeightFromDpi(FontHeightForDpi(h, dpi, d), dpi)
// == h; the default comes back as its size, -defaultHeight.
int FontHeightFromDpi(int height, int dpi);
