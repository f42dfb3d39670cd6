#pragma once
// Pixel sizes kept at 96 dots per inch and drawn at a monitor's scale. No
// platform calls.

constexpr int kBaseDpi = 96;

// `value` (at 96 DPI) at `dpi`, rounded to the nearest pixel (halves away
// from zero) and held within int. A DPI below 1 counts as 96.
int ScaleForDpi(int value, int dpi);

// The way back: pixels at `dpi` as 96-DPI units, rounded the same way. For
// any DPI of 96 or more, UnscaleForDpi(ScaleForDpi(v, dpi), dpi) == v.
int UnscaleForDpi(int value, int dpi);
