///////////////////////////////////////////////////////////////////////////////
// Name:        tests/fuzz/FuzzMessageFormat.cpp
// Purpose:     Any message text and argument through the message formatting
///////////////////////////////////////////////////////////////////////////////

#include "FuzzSupport.h"

#include "content/MessageFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first NUL, if any, ends the text; the rest is the argument.
    const wxString input = InputText(data, size);
    const size_t split = input.find(wxUniChar(0));
    const wxString text = input.substr(0, split);
    const wxString argument = split == wxString::npos ? wxString()
                                                      : input.substr(split + 1);

    const wxString plain = FormatMessageText(text);
    const wxString withArgument = FormatMessageText(text, argument);

    // Formatting never adds anything but the one argument.
    if ( plain.length() > text.length() ||
         withArgument.length() > text.length() + argument.length() )
        abort();
    if ( text.find('%') == wxString::npos &&
         (plain != text || withArgument != text) )
        abort();
    return 0;
}
