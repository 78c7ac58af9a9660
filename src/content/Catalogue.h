///////////////////////////////////////////////////////////////////////////////
// Name:        content/Catalogue.h
// Purpose:     Reading the launch entries ("options") of strings.xml
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_CONTENT_CATALOGUE_H
#define LAUNCHER_CONTENT_CATALOGUE_H

#include <wx/platinfo.h>
#include <wx/string.h>

#include <functional>

class wxXmlDocument;
class wxXmlNode;

// One option of the catalogue that passed the platform filter and the type
// test, with the path of its icon already made.
struct CatalogueOption
{
    wxString type;
    wxString iconPath;
    wxString label;
    wxString description;
    wxString data;
};

typedef std::function<void (const CatalogueOption&)> CatalogueOptionHandler;

// The text of the first child element of the given name, the empty text when
// that element holds no text, or the default when there is no such child.
wxString GetChildContent(const wxXmlNode* parent, const wxString& name,
                         const wxString& defaultText);

// Whether an option with the given "os" attribute is meant for the system
// with the given id.
bool PassesPlatformFilter(const wxString& os, wxOperatingSystemId osId);

// Whether the type text names a kind of entry that can be launched.
bool IsSupportedEntryType(const wxString& type);

// Walks the "option" elements of every "options" element below the root, in
// document order, dropping those for another system and reporting those of
// an unsupported type; hands every other one to the handler. Icon paths are
// made relative to the language folder. Returns false when the document has
// no root.
bool ReadCatalogue(const wxXmlDocument& document, const wxString& languageDir,
                   wxOperatingSystemId osId,
                   const CatalogueOptionHandler& handler);

#endif // LAUNCHER_CONTENT_CATALOGUE_H
