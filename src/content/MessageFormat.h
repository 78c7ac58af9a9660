///////////////////////////////////////////////////////////////////////////////
// Name:        content/MessageFormat.h
// Purpose:     Turning a localised message text and its argument into the
//              text that is shown
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_CONTENT_MESSAGEFORMAT_H
#define LAUNCHER_CONTENT_MESSAGEFORMAT_H

#include <wx/string.h>

// Message texts come from content files, so they are never handed to a
// printf-style function as a format: "%%" gives "%", the first "%s" receives
// the argument (when the message has one) and every other "%" sequence is
// shown as it stands.
wxString FormatMessageText(const wxString& text);
wxString FormatMessageText(const wxString& text, const wxString& argument);

#endif // LAUNCHER_CONTENT_MESSAGEFORMAT_H
