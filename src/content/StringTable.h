///////////////////////////////////////////////////////////////////////////////
// Name:        content/StringTable.h
// Purpose:     The localised texts of strings.xml and their lookup
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_CONTENT_STRINGTABLE_H
#define LAUNCHER_CONTENT_STRINGTABLE_H

#include <wx/hashmap.h>
#include <wx/string.h>

class wxXmlDocument;

// What stands in for a text that the table lacks.
#define UNDEFINED_PROPERTY "Undefined Property"

// Text key to display text, filled once at start-up.
extern wxStringToStringHashMap g_stringTable;

// Adds the "string" elements directly below the document's root to the
// table. Returns false when the document has no root.
bool LoadStrings(const wxXmlDocument& document, wxStringToStringHashMap& table);

// The text under the key, or the fallback (whose first "%s" receives the
// key) when the key is missing or its text is empty.
wxString GetString(const wxString& key, const wxString& fallbackFormat);

#endif // LAUNCHER_CONTENT_STRINGTABLE_H
