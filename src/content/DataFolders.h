///////////////////////////////////////////////////////////////////////////////
// Name:        content/DataFolders.h
// Purpose:     The base and language folders and the choice of language
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_CONTENT_DATAFOLDERS_H
#define LAUNCHER_CONTENT_DATAFOLDERS_H

#include <wx/string.h>

// The folder that holds the executable and, beside it, "launcher_data".
// Set once at start-up, in the platform's native form, without a trailing
// separator.
extern wxString g_baseDir;

// The chosen language folder: the base folder, "launcher_data" and a
// language name, joined with "/". Every resolution of strings.xml sets it.
extern wxString g_languageDir;

// Joins the parts of a path with "/" exactly as they stand, on every platform.
wxString JoinPath(const wxString& folder, const wxString& name);
wxString JoinPath(const wxString& base, const wxString& folder,
                  const wxString& name);

// The folder of an executable, volume included, native separators and no
// trailing separator.
wxString BaseDirFromExecutable(const wxString& executablePath);

// The language rule on its own: picks the language folder under
// base/launcher_data for the given canonical locale name (which may be
// empty), stores it in *languageDir and returns the path of strings.xml.
wxString ChooseStringsPath(const wxString& baseDir,
                           const wxString& canonicalName,
                           wxString* languageDir);

// The canonical name of the user's default locale, empty when the toolkit
// does not know the language.
wxString GetSystemCanonicalName();

// Resolves the strings.xml to read from the user's language and the folders
// as they are now; sets g_languageDir.
wxString ResolveStringsPath();

#endif // LAUNCHER_CONTENT_DATAFOLDERS_H
