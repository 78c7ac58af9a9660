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

// A text of up to this many characters is measured as it stands, whole
// where it has to be. A longer one is measured only in beginnings of at
// most this length: measuring it whole would cost as much as it is long at
// every paint, and past a few hundred thousand characters the font library
// reports widths that have overflowed.
const size_t WHOLE_TEXT_LENGTH = 10000;

// Where a beginning measures as the whole text would, a long text is
// measured in growing beginnings of this many characters and more, so that
// the cost follows the width of a line and not the length of the text.
const size_t PREFIX_LENGTH = 256;

// The last characters of a beginning may measure otherwise than they do in
// the whole text (kerning with the next one, glyphs joined across the cut),
// so they are not relied on.
const size_t PREFIX_UNSURE_TAIL = 16;

// Whether a character measures in a beginning as it does in the whole text
// wherever the cut falls, but for a few characters before the cut. That
// rules out right-to-left scripts and bidirectional controls (the font
// library lays out and reports a whole paragraph in visual order, so a
// character's place in the extents depends on the text after it), line
// and paragraph breaks (a text holding one is as wide as its widest line,
// not as the sum of its parts), combining and joining characters, and
// scripts whose fonts the library may pick by the text around them.
bool MeasuresAloneAsInText(wxUniChar c)
{
    const wxUint32 v = c.GetValue();
    return v == '\t' ||
           (v >= 0x20 && v <= 0x7E) ||
           (v >= 0xA0 && v <= 0x2FF && v != 0xAD) ||  // Latin, IPA, modifiers
           (v >= 0x370 && v <= 0x3FF) ||              // Greek
           (v >= 0x400 && v <= 0x482) ||              // Cyrillic, without its
           (v >= 0x48A && v <= 0x52F) ||              // combining marks
           (v >= 0x1E00 && v <= 0x1FFF) ||            // more Latin and Greek
           (v >= 0x2010 && v <= 0x2027) ||            // punctuation
           (v >= 0x2030 && v <= 0x205E) ||
           (v >= 0x20A0 && v <= 0x20C0);              // currency signs
}

bool MeasuresByBeginnings(const wxString& text, size_t start)
{
    for ( wxString::const_iterator it = text.begin() + start;
          it != text.end(); ++it )
    {
        if ( !MeasuresAloneAsInText(*it) )
            return false;
    }
    return true;
}

// Whether the text from start holds a character at which the font library
// starts a new line.
bool HoldsLineBreak(const wxString& text, size_t start)
{
    for ( wxString::const_iterator it = text.begin() + start;
          it != text.end(); ++it )
    {
        const wxUint32 v = (*it).GetValue();
        if ( (v < 0x20 && v != '\t') || v == 0x85 || v == 0x2028 ||
             v == 0x2029 )
            return true;
    }
    return false;
}

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

// The partial extents of as much of the text from start as it takes to
// find a character whose extent is greater than the limit, measuring at
// most maxLength characters.
struct PrefixExtents
{
    wxArrayInt widths;
    size_t length;      // how many characters were measured
    size_t usable;      // how many of the widths hold for the whole text
    bool whole;         // whether the rest of the text was measured whole
};

// Of the partial extents of a beginning, those that hold for the whole
// text. The font library gives one extent per cluster of characters (a
// ligature, a letter with its marks) and repeats the total for the rest,
// so the unsure tail is counted back from the last cluster.
size_t CountUsable(const wxArrayInt& widths, size_t length)
{
    size_t clusters = std::min(length, widths.size());
    while ( clusters > 1 && widths[clusters - 2] == widths[clusters - 1] )
        --clusters;
    return clusters > PREFIX_UNSURE_TAIL ? clusters - PREFIX_UNSURE_TAIL : 0;
}

PrefixExtents MeasureUntilBeyond(const TextMeasurer& measurer,
                                 const wxString& text, size_t start,
                                 size_t maxLength, int limit)
{
    PrefixExtents extents;
    const size_t rest = text.length() - start;
    const size_t longest = std::min(rest, maxLength);
    extents.length = std::min(longest, PREFIX_LENGTH);
    for ( ;; )
    {
        extents.whole = extents.length == rest;
        extents.widths.Empty();
        measurer.GetPartialTextExtents(text.Mid(start, extents.length),
                                       extents.widths);
        extents.usable = extents.whole
                            ? extents.length
                            : CountUsable(extents.widths, extents.length);
        if ( extents.length == longest ||
             FindFirstBeyond(extents.widths, extents.usable, 0,
                             limit) != wxNOT_FOUND )
            return extents;

        extents.length = std::min(longest, 2 * extents.length);
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

// Where the remaining text, from start, breaks: after the last space before
// the first character at or beyond index j, else one character short of it;
// always at least one character on, so that every line moves the text on.
size_t FindCut(const wxString& text, size_t start, int j)
{
    int cut = j - 1;
    for ( int p = j - 1; p >= 1; --p )
    {
        if ( text[start + p] == ' ' )
        {
            cut = p + 1;
            break;
        }
    }
    return static_cast<size_t>(std::max(cut, 1));
}

} // anonymous namespace

wxString FitTextToWidth(const TextMeasurer& measurer, const wxString& text,
                        int maxWidth)
{
    const size_t length = text.length();
    if ( length > WHOLE_TEXT_LENGTH ||
         (length > PREFIX_LENGTH && MeasuresByBeginnings(text, 0)) )
    {
        // A beginning that is wider than the limit proves the whole text
        // too wide, and holds the place of the cut.
        const PrefixExtents prefix =
            MeasureUntilBeyond(measurer, text, 0, WHOLE_TEXT_LENGTH, maxWidth);
        if ( !prefix.whole )
        {
            const wxString shortened =
                Shorten(text, prefix.widths, prefix.usable,
                        GetEllipsisWidth(measurer), maxWidth);
            // Not even the longest beginning measured reaches the limit:
            // the rest is not shown either way.
            return shortened.length() < length
                        ? shortened
                        : text.Left(prefix.length) + ELLIPSIS;
        }
    }

    int width = 0, height = 0;
    measurer.GetTextExtent(text, &width, &height);
    if ( width <= maxWidth )
        return text;

    const int ellipsisWidth = GetEllipsisWidth(measurer);
    wxArrayInt widths;
    measurer.GetPartialTextExtents(text, widths);
    return Shorten(text, widths, length, ellipsisWidth, maxWidth);
}

wxArrayString WrapText(const TextMeasurer& measurer, const wxString& text,
                       int maxWidth, int maxHeight)
{
    wxArrayString lines;
    const size_t length = text.length();

    // One line of a text is as high as the text; a text too long to be
    // measured whole is taken to be as high as its beginning.
    int width = 0, lineHeight = 0;
    bool widthKnown = length <= WHOLE_TEXT_LENGTH;
    if ( widthKnown )
        measurer.GetTextExtent(text, &width, &lineHeight);
    else
        measurer.GetTextExtent(text.Left(WHOLE_TEXT_LENGTH), NULL,
                               &lineHeight);
    if ( lineHeight <= 0 )
        return lines;

    const int budget = maxHeight / lineHeight;
    // The rest of the text is kept as the place where it starts: copying a
    // long text at every line would cost more than measuring it.
    size_t start = 0;
    bool restChecked = false, byBeginnings = false, oneLine = false;
    for ( int pass = 0; pass < budget; ++pass )
    {
        const size_t rest = length - start;
        const bool measuredWhole = rest <= WHOLE_TEXT_LENGTH;
        if ( measuredWhole && !restChecked )
        {
            // What holds for a text holds for every rest of it.
            byBeginnings = MeasuresByBeginnings(text, start);
            oneLine = byBeginnings || !HoldsLineBreak(text, start);
            restChecked = true;
        }

        // A text on one line is at least as wide as any of its beginnings,
        // so its extents tell whether it fits; one that breaks into lines
        // of its own is as wide as its widest line.
        if ( measuredWhole && !byBeginnings && !oneLine && !widthKnown )
        {
            measurer.GetTextExtent(text.Mid(start), &width, NULL);
            widthKnown = true;
        }
        if ( widthKnown && width <= maxWidth )
        {
            lines.Add(text.Mid(start));
            break;
        }

        PrefixExtents extents;
        if ( measuredWhole && !byBeginnings )
        {
            extents.length = rest;
            extents.usable = rest;
            extents.whole = true;
            measurer.GetPartialTextExtents(text.Mid(start), extents.widths);
        }
        else
        {
            extents = MeasureUntilBeyond(measurer, text, start,
                                         WHOLE_TEXT_LENGTH, maxWidth);
            if ( extents.whole && !widthKnown )
            {
                // Short enough to have been measured whole: whether it fits
                // is decided on its whole width, as for the first line.
                measurer.GetTextExtent(text.Mid(start), &width, NULL);
                widthKnown = true;
                if ( width <= maxWidth )
                {
                    lines.Add(text.Mid(start));
                    break;
                }
            }
        }

        const int j = FindFirstBeyond(extents.widths, extents.usable, 0,
                                      maxWidth);
        if ( j == wxNOT_FOUND )
        {
            // The rest fits, or is wider as a whole than any of its parts
            // and has no place to cut: the last line either way. Of a text
            // too long to be measured whole, the longest beginning measured
            // stands for a line.
            lines.Add(text.Mid(start, extents.length));
            if ( extents.whole )
                break;
            start += extents.length;
            widthKnown = false;
            continue;
        }

        const size_t cut = FindCut(text, start, j);
        lines.Add(text.Mid(start, cut));
        start += cut;

        // A last character wider than the limit goes on a line of its own;
        // nothing is left for another line, not even an empty one.
        if ( start >= length )
            break;
        widthKnown = false;
    }

    return lines;
}
