///////////////////////////////////////////////////////////////////////////////
// Name:        tests/fuzz/FuzzCatalogue.cpp
// Purpose:     Any strings.xml through the entry catalogue, and every entry
//              read from it through the launch decisions
///////////////////////////////////////////////////////////////////////////////

#include "FuzzSupport.h"

#include "content/ContentFile.h"

#include <wx/mstream.h>
#include <wx/xml/xml.h>

#include "content/Catalogue.h"
#include "launch/LaunchTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    wxMemoryInputStream stream(data, size);
    wxXmlDocument document;
    LoadContentStream(stream, document);

    static const wxOperatingSystemId systems[] =
        { wxOS_WINDOWS_NT, wxOS_UNIX_LINUX, wxOS_MAC_OSX_DARWIN };
    for ( wxOperatingSystemId osId : systems )
    {
        ReadCatalogue(document, "/media/disc/launcher_data/en", osId,
                      [osId](const CatalogueOption& option)
                      {
                          if ( !IsSupportedEntryType(option.type) ||
                               GetLaunchKind(option.type) == LAUNCH_NONE )
                              abort();
                          const wxString path =
                              ResolveTargetPath(option.data,
                                                "/media/disc/launcher_data/en");
                          GetPathExtension(path);
                          WantsEditorFallback(osId, GetPathExtension(path));
                          if ( GetAddressKind(option.data) == ADDRESS_LOCAL_PAGE )
                              ResolveTargetPath(StripFileScheme(option.data),
                                                "/media/disc");
                          // The document always stays one argument.
                          const wxArrayString args =
                              MakeOpenArguments("editor --open PLACEHOLDER",
                                                "PLACEHOLDER", option.data);
                          if ( args.size() != 3 || args[2] != option.data )
                              abort();
                      });
    }
    return 0;
}
