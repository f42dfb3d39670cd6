#pragma once
// A property sheet sizes its frame in the system dialog font, while each
// page is laid out in the font of its own template. Where the two differ
// (another language, a font substitute, another scale) the pages come out
// cut. FitSheetToPage grows the sheet until its tab's display area holds
// the page in the page's own dialog units; it never shrinks the sheet.

#include <windows.h>

// Called by a page at its WM_INITDIALOG: `page` is the new page window,
// made from dialog template `templateId` of `instance`. Grows the sheet,
// its tab control and its buttons by what the display area lacks, then
// gives every page made so far the whole display area.
void FitSheetToPage(HWND page, HINSTANCE instance, int templateId);
