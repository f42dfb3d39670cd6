#include "core/font_scale.h"

#include "core/dpi_scale.h"

int FontHeightForDpi(int stored, int dpi, int defaultHeight) {
    if (stored == 0 && dpi != kBaseDpi) return -ScaleForDpi(defaultHeight, dpi);
    return ScaleForDpi(stored, dpi);
}

int FontHeightFromDpi(int height, int dpi) {
    return UnscaleForDpi(height, dpi);
}
