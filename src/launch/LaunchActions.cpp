///////////////////////////////////////////////////////////////////////////////
// Name:        launch/LaunchActions.cpp
// Purpose:     Launching a program, a page or a document, with the user told
//              of every refusal
///////////////////////////////////////////////////////////////////////////////

#include "launch/LaunchActions.h"

#include "content/Messages.h"
#include "launch/LaunchSystem.h"
#include "launch/LaunchTarget.h"

#include <wx/file.h>
#include <wx/utils.h>

namespace
{

// The full path of the target, or empty (with the user told) when there is
// no file there or the text names no place at all.
wxString FindTarget(const wxString& text, const wxString& languageDir)
{
    const wxString path = ResolveTargetPath(text, languageDir);
    if ( !path.empty() && wxFile::Exists(path) )
        return path;

    // A text that names no place is shown as written: joined to the
    // language folder it would name a place that was never looked at.
    LogLocalisedError("file_no_exist", path.empty() ? text : path);
    return wxString();
}

} // anonymous namespace

bool LaunchProgram(LaunchSystem& system, const wxString& data,
                   const wxString& languageDir, long& pid)
{
    wxBusyCursor busy;

    const wxString path = FindTarget(data, languageDir);
    if ( path.empty() )
        return false;

    // A start that failed left 0, which names no program of ours (on Linux
    // it would even name the launcher's own process group).
    if ( pid > 0 && system.ProcessExists(pid) )
    {
        LogLocalisedMessage("already_running");
        return false;
    }

    pid = system.StartDetached(wxArrayString(1, &path));
    return true;
}

bool LaunchAddress(LaunchSystem& system, const wxString& data,
                   const wxString& languageDir)
{
    switch ( GetAddressKind(data) )
    {
        case ADDRESS_LOCAL_PAGE:
        {
            wxBusyCursor busy;
            const wxString path = FindTarget(StripFileScheme(data),
                                             languageDir);
            if ( path.empty() )
                return false;

            system.OpenInBrowser(path);
            return true;
        }

        case ADDRESS_WEB:
        {
            wxBusyCursor busy;
            system.OpenInBrowser(data);
            return true;
        }

        case ADDRESS_UNSUPPORTED:
            break;
    }

    LogLocalisedError("unsupported_uri", data);
    return false;
}

bool LaunchDocument(LaunchSystem& system, const wxString& data,
                    const wxString& languageDir)
{
    const wxString path = FindTarget(data, languageDir);
    if ( path.empty() )
        return false;

    const wxString extension = GetPathExtension(path);
    OpenCommand command;
    const LaunchSystem::OpenCommandResult found =
        system.GetOpenCommand(extension, path, &command);

    if ( found == LaunchSystem::NO_FILE_TYPE &&
         WantsEditorFallback(system.GetOperatingSystemId(), extension) )
    {
        const wxString editor = system.FindEditor();
        if ( wxFile::Exists(editor) )
        {
            command.args.push_back(editor);
            command.args.push_back(path);
        }
    }

    if ( command.IsEmpty() )
    {
        LogLocalisedError("unregistered_filetype", extension);
        return false;
    }

    if ( !command.commandLine.empty() )
        system.StartCommandLine(command.commandLine);
    else
        system.StartDetached(command.args);
    return true;
}
