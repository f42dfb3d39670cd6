#pragma once
// Where the clock page draws its sample "10:15". No platform calls.

struct SampleRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const SampleRect&) const = default;
};

// The sample of "88/888" measured `textWidth` by `textHeight` in the sample
// font: 10 pixels wider than the text and as high as the text within
// 20..45 (96-DPI sizes, scaled to the page's `dpi`); centred across the
// client area, and in height between the marker's top edge and the client
// bottom. Halves are truncated toward zero.
SampleRect PlaceSampleRect(int clientLeft, int clientRight, int clientBottom, int markerTop,
                           int textWidth, int textHeight, int dpi);
