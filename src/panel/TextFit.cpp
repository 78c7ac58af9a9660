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

// A long text is measured in growing beginnings of this many characters
// and more, so that the cost follows the width of a line and not the
// length of the text.
const size_t PREFIX_LENGTH = 256;

// The last characters of a beginning may measure otherwise than they do in
// the whole text (kerning with the next one, glyphs joined across the cut),
// so they are not relied on.
const size_t PREFIX_UNSURE_TAIL = 16;

// The first index below count whose extent, plus extra, is greater than the
// limit, or wxNOT_FOUND.
int FindFirstBeyond(const wxArrayInt& widths, size_t count, int extra,
                    int limit)
{
    count = std::min(count, widths.size());
    for ( size_t i = 0; i < count; ++i )
    {
        if ( static_cast<long long>(widths[i]) + extra > limit )
            return static_cast<int>(i);
    }
    return wxNOT_FOUND;
}

// The partial extents of as much of a text as it takes to find a character
// whose extent is greater than the limit.
struct PrefixExtents
{
    wxArrayInt widths;
    size_t usable;      // how many of the widths hold for the whole text
    bool whole;         // whether the whole text was measured
};

PrefixExtents MeasureUntilBeyond(const TextMeasurer& measurer,
                                 const wxString& text, int limit)
{
    PrefixExtents extents;
    const size_t length = text.length();
    size_t measured = std::min(length, PREFIX_LENGTH);
    for ( ;; )
    {
        extents.whole = measured == length;
        extents.widths.Empty();
        measurer.GetPartialTextExtents(extents.whole ? text
                                                     : text.Left(measured),
                                       extents.widths);
        extents.usable = extents.whole ? length
                                       : measured - PREFIX_UNSURE_TAIL;
        if ( extents.whole ||
             FindFirstBeyond(extents.widths, extents.usable, 0,
                             limit) != wxNOT_FOUND )
            return extents;

        measured = std::min(length, 2 * measured);
    }
}

wxString Shorten(const wxString& text, const wxArrayInt& widths,
                 size_t count, int ellipsisWidth, int maxWidth)
{
    const int k = FindFirstBeyond(widths, std::min(count, text.length()),
                                  ellipsisWidth, maxWidth);
    if ( k == wxNOT_FOUND )
        return text;

    // Too narrow for even a few characters: the ellipsis alone says that
    // something is there.
    if ( k < SHORTENING_MARGIN )
        return ELLIPSIS;

    return text.Left(k - SHORTENING_MARGIN) + ELLIPSIS;
}

int GetEllipsisWidth(const TextMeasurer& measurer)
{
    int width = 0;
    measurer.GetTextExtent(ELLIPSIS, &width, NULL);
    return width;
}

} // anonymous namespace

wxString FitTextToWidth(const TextMeasurer& measurer, const wxString& text,
                        int maxWidth)
{
    if ( text.length() > PREFIX_LENGTH )
    {
        // A beginning that is wider than the limit proves the whole text
        // too wide, and holds the place of the cut.
        const PrefixExtents prefix = MeasureUntilBeyond(measurer, text,
                                                        maxWidth);
        if ( !prefix.whole )
            return Shorten(text, prefix.widths, prefix.usable,
                           GetEllipsisWidth(measurer), maxWidth);
    }

    int width = 0, height = 0;
    measurer.GetTextExtent(text, &width, &height);
    if ( width <= maxWidth )
        return text;

    const int ellipsisWidth = GetEllipsisWidth(measurer);
    wxArrayInt widths;
    measurer.GetPartialTextExtents(text, widths);
    return Shorten(text, widths, text.length(), ellipsisWidth, maxWidth);
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
    bool widthKnown = true;
    for ( int pass = 0; pass < budget; ++pass )
    {
        if ( widthKnown && width <= maxWidth )
        {
            lines.Add(remaining);
            break;
        }

        const PrefixExtents extents = MeasureUntilBeyond(measurer, remaining,
                                                         maxWidth);
        if ( extents.whole && !widthKnown )
        {
            // Short enough to have been measured whole: whether it fits is
            // decided on its whole width, as for the first line.
            measurer.GetTextExtent(remaining, &width, NULL);
            widthKnown = true;
            if ( width <= maxWidth )
            {
                lines.Add(remaining);
                break;
            }
        }

        const int j = FindFirstBeyond(extents.widths, extents.usable, 0,
                                      maxWidth);
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

        // A last character wider than the limit goes on a line of its own;
        // nothing is left for another line, not even an empty one.
        if ( remaining.empty() )
            break;
        widthKnown = false;
    }

    return lines;
}
