#include "win/font_dpi.h"

#include "core/dpi_scale.h"
#include "core/font_scale.h"
#include "win/handles.h"

int DefaultFontHeight() {
    const LOGFONTA platformDefault{};
    UniqueFont font(CreateFontIndirectA(&platformDefault));
    WindowDC dc(nullptr);
    SelectScope keep(dc.Get(), font.Get());
    TEXTMETRICA tm{};
    return GetTextMetricsA(dc.Get(), &tm) ? tm.tmHeight - tm.tmInternalLeading : 0;
}

LOGFONTA FontForDpi(LOGFONTA kept, int dpi) {
    // The default's size is measured only where it is used.
    const int defaultHeight = kept.lfHeight == 0 && dpi != kBaseDpi ? DefaultFontHeight() : 0;
    kept.lfHeight = FontHeightForDpi(kept.lfHeight, dpi, defaultHeight);
    kept.lfWidth = ScaleForDpi(kept.lfWidth, dpi);
    return kept;
}

LOGFONTA FontFromDpi(LOGFONTA lf, int dpi) {
    lf.lfHeight = FontHeightFromDpi(lf.lfHeight, dpi);
    lf.lfWidth = UnscaleForDpi(lf.lfWidth, dpi);
    return lf;
}
