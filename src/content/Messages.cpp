///////////////////////////////////////////////////////////////////////////////
// Name:        content/Messages.cpp
// Purpose:     Telling the user something in the words of strings.xml
///////////////////////////////////////////////////////////////////////////////

#include "content/Messages.h"

#include "content/MessageFormat.h"
#include "content/StringTable.h"

#include <wx/log.h>

void LogLocalisedError(const wxString& key)
{
    wxLogError("%s", FormatMessageText(GetString(key, UNDEFINED_PROPERTY)));
}

void LogLocalisedError(const wxString& key, const wxString& argument)
{
    wxLogError("%s", FormatMessageText(GetString(key, UNDEFINED_PROPERTY),
                                       argument));
}

void LogLocalisedMessage(const wxString& key)
{
    wxLogMessage("%s", FormatMessageText(GetString(key, UNDEFINED_PROPERTY)));
}
