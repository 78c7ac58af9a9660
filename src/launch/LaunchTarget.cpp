///////////////////////////////////////////////////////////////////////////////
// Name:        launch/LaunchTarget.cpp
// Purpose:     Deciding what an entry launches: its kind, its target path,
//              its address and the arguments of an open command
///////////////////////////////////////////////////////////////////////////////

#include "launch/LaunchTarget.h"

#include <wx/cmdline.h>
#include <wx/filename.h>

namespace
{

const char FILE_SCHEME[] = "file://";
const char WEB_SCHEME[] = "http://";
const size_t SCHEME_LENGTH = 7;

} // anonymous namespace

LaunchKind GetLaunchKind(const wxString& type)
{
    if ( type.CmpNoCase("executable") == 0 )
        return LAUNCH_PROGRAM;
    if ( type.CmpNoCase("browser") == 0 )
        return LAUNCH_BROWSER;
    if ( type.CmpNoCase("mimelookup") == 0 )
        return LAUNCH_DOCUMENT;
    return LAUNCH_NONE;
}

AddressKind GetAddressKind(const wxString& data)
{
    const wxString prefix = data.Left(SCHEME_LENGTH);
    if ( prefix.Cmp(FILE_SCHEME) == 0 )
        return ADDRESS_LOCAL_PAGE;
    if ( prefix.Cmp(WEB_SCHEME) == 0 )
        return ADDRESS_WEB;
    return ADDRESS_UNSUPPORTED;
}

wxString StripFileScheme(const wxString& data)
{
    wxString path = data;
    path.Replace(FILE_SCHEME, wxEmptyString, true);
    return path;
}

wxString ResolveTargetPath(const wxString& text, const wxString& languageDir)
{
    wxFileName name(text, wxPATH_NATIVE);
    if ( !name.IsAbsolute(wxPATH_NATIVE) )
    {
        // For "~nosuchuser/x" the toolkit drops the first part, finds no
        // home to put in its place and still reports success: only the
        // result tells.
        if ( !name.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_TILDE |
                             wxPATH_NORM_ABSOLUTE,
                             languageDir, wxPATH_NATIVE) ||
             !name.IsAbsolute(wxPATH_NATIVE) )
            return wxString();
    }
    return name.GetFullPath(wxPATH_NATIVE);
}

wxString GetPathExtension(const wxString& path)
{
    return wxFileName(path, wxPATH_NATIVE).GetExt();
}

bool IsLinuxSystem(wxOperatingSystemId osId)
{
    return (osId & wxOS_UNIX_LINUX) != 0;
}

bool WantsEditorFallback(wxOperatingSystemId osId, const wxString& extension)
{
    return IsLinuxSystem(osId) && extension.CmpNoCase("txt") == 0;
}

wxArrayString MakeOpenArguments(const wxString& command,
                                const wxString& placeholder,
                                const wxString& documentPath)
{
    wxArrayString args =
        wxCmdLineParser::ConvertStringToArgs(command, wxCMD_LINE_SPLIT_UNIX);
    for ( size_t n = 0; n < args.size(); ++n )
        args[n].Replace(placeholder, documentPath, true);
    return args;
}
