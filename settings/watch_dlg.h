#pragma once
// The clock page: the clock's text and background colours and its font,
// with a sample "10:15" drawn the way the bar draws its clock.

#include "win/handles.h"
#include "win/property_page.h"

struct BarSettings;

class CWatchDlg : public CPropertyPage {
public:
    // Shows the colours and clock font of `settings`; OK hands them back.
    explicit CWatchDlg(BarSettings& settings);

protected:
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(DataExchange& dx) override;

private:
    void PlaceSample();
    void DrawSample();
    // The sample's rectangle in the page's client coordinates.
    RECT SampleArea() const;
    void ChooseColour(COLORREF& colour);
    void ChooseSampleFont();
    // Makes the sample font from m_font at the page's scale.
    void MakeSampleFont();
    LOGFONTA OfferedLogFont() const;

    BarSettings& m_settings;
    // What the sample shows: the colours and the font (its sizes at 96
    // DPI) chosen so far.
    COLORREF m_bkColor;
    COLORREF m_textColor;
    LOGFONTA m_font;
    UniqueFont m_sampleFont;
    COLORREF m_customColours[16]{};
};
