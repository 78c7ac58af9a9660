///////////////////////////////////////////////////////////////////////////////
// Name:        content/DataFolders.cpp
// Purpose:     The base and language folders and the choice of language
///////////////////////////////////////////////////////////////////////////////

#include "content/DataFolders.h"

#include <wx/dir.h>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/intl.h>

wxString g_baseDir;
wxString g_languageDir;

namespace
{

const char DATA_FOLDER[] = "launcher_data";
const char STRINGS_FILE[] = "strings.xml";
const char FALLBACK_LANGUAGE[] = "en";

} // anonymous namespace

wxString JoinPath(const wxString& folder, const wxString& name)
{
    return folder + "/" + name;
}

wxString JoinPath(const wxString& base, const wxString& folder,
                  const wxString& name)
{
    return base + "/" + folder + "/" + name;
}

wxString BaseDirFromExecutable(const wxString& executablePath)
{
    const wxFileName exe(executablePath, wxPATH_NATIVE);
    return exe.GetPath(wxPATH_GET_VOLUME, wxPATH_NATIVE);
}

wxString ChooseStringsPath(const wxString& baseDir,
                           const wxString& canonicalName,
                           wxString* languageDir)
{
    wxString folder = JoinPath(baseDir, DATA_FOLDER, canonicalName);
    if ( !wxDir::Exists(folder) )
        folder = JoinPath(baseDir, DATA_FOLDER, canonicalName.Left(2));
    if ( !wxDir::Exists(folder) )
        folder = JoinPath(baseDir, DATA_FOLDER, FALLBACK_LANGUAGE);

    wxString path = JoinPath(folder, STRINGS_FILE);
    if ( !wxFile::Exists(path) )
    {
        // A chosen folder without its strings.xml falls straight back to the
        // last resort; the two-letter folder is not tried again here.
        folder = JoinPath(baseDir, DATA_FOLDER, FALLBACK_LANGUAGE);
        path = JoinPath(folder, STRINGS_FILE);
    }

    *languageDir = folder;
    return path;
}

wxString GetSystemCanonicalName()
{
    const int language = wxLocale::GetSystemLanguage();

    // Only a language that the toolkit knows, and whose locale the system
    // could set up, has a name here. Asking is enough: setting the locale
    // up would cost start-up time and change nothing the launcher uses.
    // The toolkit takes the C and POSIX locales, which every system has
    // and in which containers and cloud images start, for US English; that
    // language is named even where no en_US locale is installed, so such a
    // start reads the en_US folder, then en, never the data folder itself.
    const wxLanguageInfo* const info = language == wxLANGUAGE_UNKNOWN
                                       ? NULL
                                       : wxLocale::GetLanguageInfo(language);
    if ( !info )
        return wxString();
    if ( language != wxLANGUAGE_ENGLISH_US
         && !wxLocale::IsAvailable(language) )
        return wxString();
    return info->GetCanonicalWithRegion();
}

wxString ResolveStringsPath()
{
    return ChooseStringsPath(g_baseDir, GetSystemCanonicalName(),
                             &g_languageDir);
}
