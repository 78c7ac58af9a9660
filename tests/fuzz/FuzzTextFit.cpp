///////////////////////////////////////////////////////////////////////////////
// Name:        tests/fuzz/FuzzTextFit.cpp
// Purpose:     Any text and any limits through shortening and wrapping
///////////////////////////////////////////////////////////////////////////////

#include "FuzzSupport.h"

#include "CoreTestHelpers.h"

#include "panel/TextFit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if ( size < 4 )
        return 0;

    // Limits from the first bytes, in steps of half a character, negative
    // ones included; the text from the rest.
    const int width = (static_cast<int8_t>(data[0])) * 5;
    const int height = (static_cast<int8_t>(data[1])) * 5;
    const int charWidth = 1 + data[2] % 16;
    const wxString text = InputText(data + 4, size - 4);
    const FixedMeasurer measurer(charWidth, 20);

    const wxString fitted = FitTextToWidth(measurer, text, width);
    if ( fitted != text )
    {
        // Shortened: a beginning of the text and the ellipsis.
        if ( !fitted.EndsWith("...") ||
             !text.StartsWith(fitted.Left(fitted.length() - 3)) )
            abort();
    }

    const wxArrayString lines = WrapText(measurer, text, width, height);
    if ( static_cast<int>(lines.size()) > (height > 0 ? height / 20 : 0) )
        abort();
    wxString joined;
    for ( const wxString& line : lines )
    {
        if ( line.empty() && !text.empty() )
            abort();
        joined += line;
    }
    // The lines are the text, in order, up to where they stop.
    if ( !text.StartsWith(joined) )
        abort();
    return 0;
}
