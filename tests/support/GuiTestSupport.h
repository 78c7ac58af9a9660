///////////////////////////////////////////////////////////////////////////////
// Name:        tests/support/GuiTestSupport.h
// Purpose:     What the test programs with a display share
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_TESTS_GUITESTSUPPORT_H
#define LAUNCHER_TESTS_GUITESTSUPPORT_H

#include "TestSupport.h"

#include <wx/dc.h>
#include <wx/frame.h>

// The hidden frame that is the parent of what the tests build; it has the
// launcher window's size and style.
inline wxFrame* GetTestFrame()
{
    static wxFrame* const s_frame = new wxFrame(NULL, wxID_ANY, "tests",
        wxDefaultPosition, wxSize(947, 643), wxCAPTION | wxSYSTEM_MENU |
        wxMINIMIZE_BOX | wxCLOSE_BOX | wxCLIP_CHILDREN);
    return s_frame;
}

// Wrapping plainly, as first written: the remaining text measured whole at
// every line. WrapText must give the same lines, only faster; the tests
// compare the two, the benchmark times them.
inline wxArrayString WrapMeasuringWhole(const wxDC& dc, const wxString& text,
                                        int maxWidth, int maxHeight)
{
    wxArrayString lines;
    wxString remaining = text;
    wxCoord width = 0, lineHeight = 0;
    dc.GetTextExtent(remaining, &width, &lineHeight);
    const int budget = lineHeight > 0 ? maxHeight / lineHeight : 0;
    wxArrayInt widths;
    for ( int pass = 0; pass < budget; ++pass )
    {
        if ( width <= maxWidth )
        {
            lines.Add(remaining);
            break;
        }
        widths.Empty();
        dc.GetPartialTextExtents(remaining, widths);
        int j = 0;
        while ( j < int(widths.size()) && widths[j] <= maxWidth )
            ++j;
        if ( j == int(widths.size()) )
        {
            lines.Add(remaining);
            break;
        }
        int cut = j - 1;
        for ( int p = j - 1; p >= 1; --p )
        {
            if ( remaining[p] == ' ' )
            {
                cut = p + 1;
                break;
            }
        }
        cut = wxMax(cut, 1);
        lines.Add(remaining.Left(cut));
        remaining = remaining.Mid(cut);
        dc.GetTextExtent(remaining, &width, NULL);
    }
    return lines;
}

#endif // LAUNCHER_TESTS_GUITESTSUPPORT_H
