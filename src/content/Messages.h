///////////////////////////////////////////////////////////////////////////////
// Name:        content/Messages.h
// Purpose:     Telling the user something in the words of strings.xml
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_CONTENT_MESSAGES_H
#define LAUNCHER_CONTENT_MESSAGES_H

#include <wx/string.h>

// Each logs the text under the key, with the argument inserted where the
// text has its "%s", as an error or as information.
void LogLocalisedError(const wxString& key);
void LogLocalisedError(const wxString& key, const wxString& argument);
void LogLocalisedMessage(const wxString& key);

#endif // LAUNCHER_CONTENT_MESSAGES_H
