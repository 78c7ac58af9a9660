///////////////////////////////////////////////////////////////////////////////
// Name:        content/StringTable.cpp
// Purpose:     The localised texts of strings.xml and their lookup
///////////////////////////////////////////////////////////////////////////////

#include "content/StringTable.h"

#include "content/MessageFormat.h"

#include <wx/xml/xml.h>

wxStringToStringHashMap g_stringTable(100);

bool LoadStrings(const wxXmlDocument& document, wxStringToStringHashMap& table)
{
    const wxXmlNode* const root = document.GetRoot();
    if ( !root )
        return false;

    for ( const wxXmlNode* child = root->GetChildren(); child;
          child = child->GetNext() )
    {
        if ( child->GetType() != wxXML_ELEMENT_NODE ||
             child->GetName().Cmp("string") != 0 )
            continue;

        const wxString id = child->GetAttribute("id", wxEmptyString);
        if ( id.empty() )
            continue;

        table[id] = child->GetNodeContent();
    }
    return true;
}

wxString GetString(const wxString& key, const wxString& fallbackFormat)
{
    const wxStringToStringHashMap::const_iterator it = g_stringTable.find(key);
    if ( it != g_stringTable.end() && !it->second.empty() )
        return it->second;

    return FormatMessageText(fallbackFormat, key);
}
