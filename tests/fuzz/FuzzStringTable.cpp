///////////////////////////////////////////////////////////////////////////////
// Name:        tests/fuzz/FuzzStringTable.cpp
// Purpose:     Any strings.xml through the string table and its lookup
///////////////////////////////////////////////////////////////////////////////

#include "FuzzSupport.h"

#include "content/ContentFile.h"

#include <wx/mstream.h>
#include <wx/xml/xml.h>

#include "content/MessageFormat.h"
#include "content/StringTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    wxMemoryInputStream stream(data, size);
    wxXmlDocument document;
    const bool parsed = LoadContentStream(stream, document);

    g_stringTable.clear();
    if ( LoadStrings(document, g_stringTable) != parsed )
        abort();

    static const char* const keys[] =
    {
        "window_title", "masthead_label", "welcome_label",
        "welcome_description", "already_running", "file_no_exist",
        "unsupported_type", "unsupported_uri", "unregistered_filetype",
        "", "missing"
    };
    for ( const char* key : keys )
    {
        const wxString value = GetString(key, UNDEFINED_PROPERTY);
        if ( value.empty() )
            abort();
        FormatMessageText(value);
        FormatMessageText(value, "/some path/with %s and %d");
    }
    for ( const auto& entry : g_stringTable )
    {
        if ( GetString(entry.first, "Missing %s") .empty() )
            abort();
    }
    return 0;
}
