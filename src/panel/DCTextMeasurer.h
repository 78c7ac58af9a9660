///////////////////////////////////////////////////////////////////////////////
// Name:        panel/DCTextMeasurer.h
// Purpose:     Fitting texts in the font selected into a device context
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_PANEL_DCTEXTMEASURER_H
#define LAUNCHER_PANEL_DCTEXTMEASURER_H

#include "panel/TextFit.h"

#include <wx/dc.h>

class DCTextMeasurer : public TextMeasurer
{
public:
    explicit DCTextMeasurer(const wxDC& dc) : m_dc(dc) { }

    virtual void GetTextExtent(const wxString& text,
                               int* width, int* height) const wxOVERRIDE
    {
        wxCoord w = 0, h = 0;
        m_dc.GetTextExtent(text, &w, &h);
        if ( width )
            *width = w;
        if ( height )
            *height = h;
    }

    virtual void GetPartialTextExtents(const wxString& text,
                                       wxArrayInt& widths) const wxOVERRIDE
    {
        m_dc.GetPartialTextExtents(text, widths);
    }

private:
    const wxDC& m_dc;
};

inline wxString FitTextToWidth(const wxDC& dc, const wxString& text,
                               int maxWidth)
{
    return FitTextToWidth(DCTextMeasurer(dc), text, maxWidth);
}

inline wxArrayString WrapText(const wxDC& dc, const wxString& text,
                              int maxWidth, int maxHeight)
{
    return WrapText(DCTextMeasurer(dc), text, maxWidth, maxHeight);
}

#endif // LAUNCHER_PANEL_DCTEXTMEASURER_H
