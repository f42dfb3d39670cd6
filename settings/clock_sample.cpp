#include "settings/clock_sample.h"

#include <algorithm>

#include "core/dpi_scale.h"

namespace {
constexpr int kSampleMargin = 10;
constexpr int kMinHeight = 20;
constexpr int kMaxHeight = 45;
}  // namespace

SampleRect PlaceSampleRect(int clientLeft, int clientRight, int clientBottom, int markerTop,
                           int textWidth, int textHeight, int dpi) {
    const int width = textWidth + kSampleMargin;
    const int height =
        std::clamp(textHeight, ScaleForDpi(kMinHeight, dpi), ScaleForDpi(kMaxHeight, dpi));
    SampleRect r;
    r.left = (clientRight - width - clientLeft) / 2;
    r.right = r.left + width;
    r.top = (markerTop - height + clientBottom) / 2;
    r.bottom = r.top + height;
    return r;
}
