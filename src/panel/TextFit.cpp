///////////////////////////////////////////////////////////////////////////////
// Name:        panel/TextFit.cpp
// Purpose:     Fitting texts to pixel widths: shortening with "..." and
//              wrapping into lines
///////////////////////////////////////////////////////////////////////////////

#include "panel/TextFit.h"

#include <algorithm>

namespace
{

const char ELLIPSIS[] = "...";

// The characters dropped before the first one that no longer fits beside
// the ellipsis.
const int SHORTENING_MARGIN = 4;

// The first index whose extent, plus extra, is greater than the limit, or
// wxNOT_FOUND.
// Never beyond the text, whatever the measurer returned.
int FindFirstBeyond(const wxArrayInt& widths, size_t textLength,
                    int extra, int limit)
{
    const size_t count = std::min(widths.size(), textLength);
    for ( size_t i = 0; i < count; ++i )
    {
        if ( static_cast<long long>(widths[i]) + extra > limit )
            return static_cast<int>(i);
    }
    return wxNOT_FOUND;
}

} // anonymous namespace

wxString FitTextToWidth(const TextMeasurer& measurer, const wxString& text,
                        int maxWidth)
{
    int width = 0, height = 0;
    measurer.GetTextExtent(text, &width, &height);
    if ( width <= maxWidth )
        return text;

    int ellipsisWidth = 0;
    measurer.GetTextExtent(ELLIPSIS, &ellipsisWidth, &height);

    wxArrayInt widths;
    measurer.GetPartialTextExtents(text, widths);

    const int k = FindFirstBeyond(widths, text.length(), ellipsisWidth,
                                  maxWidth);
    if ( k == wxNOT_FOUND )
        return text;

    // Too narrow for even a few characters: the ellipsis alone says that
    // something is there.
    if ( k < SHORTENING_MARGIN )
        return ELLIPSIS;

    return text.Left(k - SHORTENING_MARGIN) + ELLIPSIS;
}

wxArrayString WrapText(const TextMeasurer& measurer, const wxString& text,
                       int maxWidth, int maxHeight)
{
    wxArrayString lines;

    wxString remaining = text;
    int width = 0, lineHeight = 0;
    measurer.GetTextExtent(remaining, &width, &lineHeight);
    if ( lineHeight <= 0 )
        return lines;

    const int budget = maxHeight / lineHeight;
    wxArrayInt widths;
    for ( int pass = 0; pass < budget; ++pass )
    {
        if ( width <= maxWidth )
        {
            lines.Add(remaining);
            break;
        }

        widths.Empty();
        measurer.GetPartialTextExtents(remaining, widths);
        const int j = FindFirstBeyond(widths, remaining.length(), 0, maxWidth);
        if ( j == wxNOT_FOUND )
        {
            // Wider as a whole than any of its parts: no place to cut.
            lines.Add(remaining);
            break;
        }

        // Break after the last space before the first character that does
        // not fit, else one character short of it; always take at least one
        // character so that every line moves the text on.
        int cut = j - 1;
        for ( int p = j - 1; p >= 1; --p )
        {
            if ( remaining[p] == ' ' )
            {
                cut = p + 1;
                break;
            }
        }
        if ( cut < 1 )
            cut = 1;

        lines.Add(remaining.Left(cut));
        remaining = remaining.Mid(cut);
        measurer.GetTextExtent(remaining, &width, NULL);
    }

    return lines;
}
