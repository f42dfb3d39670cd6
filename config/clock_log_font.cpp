#include "config/clock_log_font.h"

#include <cstring>

LOGFONTA ToLogFont(const ClockFontRecord& r) {
    LOGFONTA lf{};
    lf.lfHeight = r.height;
    lf.lfWidth = r.width;
    lf.lfEscapement = r.escapement;
    lf.lfOrientation = r.orientation;
    lf.lfWeight = r.weight;
    lf.lfItalic = r.italic;
    lf.lfUnderline = r.underline;
    lf.lfStrikeOut = r.strikeOut;
    lf.lfCharSet = r.charSet;
    lf.lfOutPrecision = r.outPrecision;
    lf.lfClipPrecision = r.clipPrecision;
    lf.lfQuality = r.quality;
    lf.lfPitchAndFamily = r.pitchAndFamily;
    r.faceName.copy(lf.lfFaceName, sizeof lf.lfFaceName - 1);
    return lf;
}

ClockFontRecord FromLogFont(const LOGFONTA& lf) {
    ClockFontRecord r;
    r.height = lf.lfHeight;
    r.width = lf.lfWidth;
    r.escapement = lf.lfEscapement;
    r.orientation = lf.lfOrientation;
    r.weight = lf.lfWeight;
    r.italic = lf.lfItalic;
    r.underline = lf.lfUnderline;
    r.strikeOut = lf.lfStrikeOut;
    r.charSet = lf.lfCharSet;
    r.outPrecision = lf.lfOutPrecision;
    r.clipPrecision = lf.lfClipPrecision;
    r.quality = lf.lfQuality;
    r.pitchAndFamily = lf.lfPitchAndFamily;
    r.faceName = std::string(lf.lfFaceName, strnlen(lf.lfFaceName, sizeof lf.lfFaceName));
    return r;
}
