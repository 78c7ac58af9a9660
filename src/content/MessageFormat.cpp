///////////////////////////////////////////////////////////////////////////////
// Name:        content/MessageFormat.cpp
// Purpose:     Turning a localised message text and its argument into the
//              text that is shown
///////////////////////////////////////////////////////////////////////////////

#include "content/MessageFormat.h"

namespace
{

wxString Expand(const wxString& text, const wxString* argument)
{
    wxString result;
    result.reserve(text.length() + (argument ? argument->length() : 0));

    bool argumentUsed = argument == NULL;
    for ( wxString::const_iterator it = text.begin(); it != text.end(); ++it )
    {
        const wxUniChar ch = *it;
        wxString::const_iterator next = it + 1;
        if ( ch != '%' || next == text.end() )
        {
            result += ch;
            continue;
        }

        if ( *next == '%' )
        {
            result += '%';
            it = next;
        }
        else if ( *next == 's' && !argumentUsed )
        {
            result += *argument;
            argumentUsed = true;
            it = next;
        }
        else
        {
            // Not ours to interpret: shown as written.
            result += ch;
        }
    }
    return result;
}

} // anonymous namespace

wxString FormatMessageText(const wxString& text)
{
    return Expand(text, NULL);
}

wxString FormatMessageText(const wxString& text, const wxString& argument)
{
    return Expand(text, &argument);
}
