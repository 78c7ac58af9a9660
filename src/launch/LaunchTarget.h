///////////////////////////////////////////////////////////////////////////////
// Name:        launch/LaunchTarget.h
// Purpose:     Deciding what an entry launches: its kind, its target path,
//              its address and the arguments of an open command
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_LAUNCH_LAUNCHTARGET_H
#define LAUNCHER_LAUNCH_LAUNCHTARGET_H

#include <wx/arrstr.h>
#include <wx/platinfo.h>
#include <wx/string.h>

enum LaunchKind
{
    LAUNCH_NONE,        // a type that cannot be launched
    LAUNCH_PROGRAM,     // "executable"
    LAUNCH_BROWSER,     // "browser"
    LAUNCH_DOCUMENT     // "mimelookup"
};

// The kind of an entry's type text, in any letter case.
LaunchKind GetLaunchKind(const wxString& type);

enum AddressKind
{
    ADDRESS_LOCAL_PAGE,     // "file://..."
    ADDRESS_WEB,            // "http://..."
    ADDRESS_UNSUPPORTED
};

// What a browser entry's data text names, by its exact first characters.
AddressKind GetAddressKind(const wxString& data);

// The local page that a "file://" text names: the text with every "file://"
// taken out.
wxString StripFileScheme(const wxString& data);

// The absolute, native path of a target: relative ones are taken against
// the language folder, absolute ones are left as they are. Empty when the
// text cannot be made absolute (the home folder of a user unknown here, or
// an empty HOME): what would be left of it is relative and would name a
// file in the current folder or on PATH, not the one that was meant.
wxString ResolveTargetPath(const wxString& text, const wxString& languageDir);

// The file name extension of a path, without the dot; empty when none.
wxString GetPathExtension(const wxString& path);

// Whether the system of this id is a Linux one.
bool IsLinuxSystem(wxOperatingSystemId osId);

// Whether a document of this extension, for which no file type is known, is
// opened with the editor that "which gedit" names.
bool WantsEditorFallback(wxOperatingSystemId osId, const wxString& extension);

// What opens a document: a list of arguments, the first naming the program,
// or a whole command line. A command from the Windows registry is run as it
// is spelled: its program may parse its command line in its own way (as
// rundll32 does with "x.dll",Entry), which splitting and quoting it again
// would change.
struct OpenCommand
{
    wxArrayString args;
    wxString commandLine;

    bool IsEmpty() const { return args.empty() && commandLine.empty(); }
};

// The arguments of a Unix open command line in which the document stands as
// the placeholder: the command is split into words as the shell quotes
// them, but nothing in it is expanded or run, and the document goes in as
// its own text wherever the placeholder stood. Empty when the command is.
wxArrayString MakeOpenArguments(const wxString& command,
                                const wxString& placeholder,
                                const wxString& documentPath);

#endif // LAUNCHER_LAUNCH_LAUNCHTARGET_H
