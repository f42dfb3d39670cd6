#pragma once
// The clock page: the clock's text and background colours and its font,
// with a sample "10:15" drawn the way the bar draws its clock.

#include "win/handles.h"
#include "win/property_page.h"

struct SettingsValues;

class CWatchDlg : public CPropertyPage {
public:
    // Shows the colours and clock font of `values`; OK hands them back.
    explicit CWatchDlg(SettingsValues& values);

    COLORREF m_bkColor;
    COLORREF m_textColor;

    void PlaceSample();
    void DrawSample();

protected:
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnApply() override;

private:
    // The sample's rectangle in the page's client coordinates.
    RECT SampleArea() const;
    void ChooseColour(COLORREF& colour);
    void ChooseSampleFont();
    // Makes the sample font from m_font at the page's scale.
    void MakeSampleFont();
    LOGFONTA OfferedLogFont() const;

    SettingsValues& m_values;
    // The chosen font as it is stored, its sizes at 96 DPI.
    LOGFONTA m_font;
    UniqueFont m_sampleFont;
    COLORREF m_customColours[16]{};
};
