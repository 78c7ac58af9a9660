///////////////////////////////////////////////////////////////////////////////
// Name:        content/Catalogue.cpp
// Purpose:     Reading the launch entries ("options") of strings.xml
///////////////////////////////////////////////////////////////////////////////

#include "content/Catalogue.h"

#include "content/DataFolders.h"
#include "content/Messages.h"
#include "content/StringTable.h"
#include "launch/LaunchTarget.h"

#include <wx/xml/xml.h>

wxString GetChildContent(const wxXmlNode* parent, const wxString& name,
                         const wxString& defaultText)
{
    for ( const wxXmlNode* child = parent->GetChildren(); child;
          child = child->GetNext() )
    {
        if ( child->GetType() == wxXML_ELEMENT_NODE &&
             child->GetName().Cmp(name) == 0 )
            return child->GetNodeContent();
    }
    return defaultText;
}

bool PassesPlatformFilter(const wxString& os, wxOperatingSystemId osId)
{
    if ( os.CmpNoCase("windows") == 0 )
        return (osId & wxOS_WINDOWS) != 0;
    if ( os.CmpNoCase("linux") == 0 )
        return (osId & wxOS_UNIX_LINUX) != 0;
    return true;
}

bool IsSupportedEntryType(const wxString& type)
{
    return GetLaunchKind(type) != LAUNCH_NONE;
}

bool ReadCatalogue(const wxXmlDocument& document, const wxString& languageDir,
                   wxOperatingSystemId osId,
                   const CatalogueOptionHandler& handler)
{
    const wxXmlNode* const root = document.GetRoot();
    if ( !root )
        return false;

    for ( const wxXmlNode* group = root->GetChildren(); group;
          group = group->GetNext() )
    {
        if ( group->GetType() != wxXML_ELEMENT_NODE ||
             group->GetName().Cmp("options") != 0 )
            continue;

        for ( const wxXmlNode* option = group->GetChildren(); option;
              option = option->GetNext() )
        {
            if ( option->GetType() != wxXML_ELEMENT_NODE ||
                 option->GetName().Cmp("option") != 0 )
                continue;

            if ( !PassesPlatformFilter(option->GetAttribute("os", wxEmptyString),
                                       osId) )
                continue;

            CatalogueOption entry;
            entry.type = GetChildContent(option, "type", UNDEFINED_PROPERTY);
            if ( !IsSupportedEntryType(entry.type) )
            {
                LogLocalisedError("unsupported_type", entry.type);
                continue;
            }

            entry.iconPath = JoinPath(languageDir,
                                      GetChildContent(option, "icon",
                                                      UNDEFINED_PROPERTY));
            entry.label = GetChildContent(option, "label", UNDEFINED_PROPERTY);
            entry.description = GetChildContent(option, "description",
                                                UNDEFINED_PROPERTY);
            entry.data = GetChildContent(option, "data", UNDEFINED_PROPERTY);
            handler(entry);
        }
    }
    return true;
}
