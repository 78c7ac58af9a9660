///////////////////////////////////////////////////////////////////////////////
// Name:        panel/TextFit.h
// Purpose:     Fitting texts to pixel widths: shortening with "..." and
//              wrapping into lines
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_PANEL_TEXTFIT_H
#define LAUNCHER_PANEL_TEXTFIT_H

#include <wx/arrstr.h>
#include <wx/dynarray.h>
#include <wx/string.h>

// Measures texts in some font; the fitting below measures only through it.
class TextMeasurer
{
public:
    virtual ~TextMeasurer() { }

    // The width and height of the whole text.
    virtual void GetTextExtent(const wxString& text,
                               int* width, int* height) const = 0;

    // One entry per character: the width of the text up to and including
    // that character.
    virtual void GetPartialTextExtents(const wxString& text,
                                       wxArrayInt& widths) const = 0;
};

// The text itself when it fits the width, else its beginning followed by
// "...", four characters short of the last that would fit beside "...".
wxString FitTextToWidth(const TextMeasurer& measurer, const wxString& text,
                        int maxWidth);

// The text broken after spaces into lines of the width, or inside a word
// that has none; as many lines as the height holds, the rest dropped.
wxArrayString WrapText(const TextMeasurer& measurer, const wxString& text,
                       int maxWidth, int maxHeight);

#endif // LAUNCHER_PANEL_TEXTFIT_H
