///////////////////////////////////////////////////////////////////////////////
// Name:        launch/DesktopLaunchSystem.cpp
// Purpose:     The launcher's requests carried out by the running system
///////////////////////////////////////////////////////////////////////////////

#include "launch/DesktopLaunchSystem.h"

#include "content/Platform.h"
#include "launch/LaunchTarget.h"
#include "launch/ProcessStart.h"

#include <wx/cmdline.h>
#include <wx/mimetype.h>
#include <wx/process.h>
#include <wx/utils.h>

#include <memory>

#ifndef __WINDOWS__

namespace
{

// Stands for the document in the open command, so that the document's own
// name is never split, quoted or read as part of a command line.
const char DOCUMENT_PLACEHOLDER[] = "LauncherDocumentPlaceholder";

} // anonymous namespace

#endif // !__WINDOWS__

wxOperatingSystemId DesktopLaunchSystem::GetOperatingSystemId() const
{
    return GetRunningSystemId();
}

long DesktopLaunchSystem::StartDetached(const wxArrayString& args)
{
    return StartDetachedProcess(args, GetOperatingSystemId());
}

long DesktopLaunchSystem::StartCommandLine(const wxString& commandLine)
{
#ifdef __WINDOWS__
    return StartDetachedCommandLine(commandLine);
#else
    // Not asked for here; a command line is never handed to a shell.
    return StartDetached(wxCmdLineParser::ConvertStringToArgs(
                             commandLine, wxCMD_LINE_SPLIT_UNIX));
#endif
}

bool DesktopLaunchSystem::ProcessExists(long pid)
{
    return wxProcess::Exists(pid);
}

void DesktopLaunchSystem::OpenInBrowser(const wxString& target)
{
#ifdef __UNIX__
    if ( IsLinuxSystem(GetOperatingSystemId()) )
    {
        OpenInBrowserDetached(target);
        return;
    }
#endif // __UNIX__

    wxLaunchDefaultBrowser(target, 0);
}

LaunchSystem::OpenCommandResult
DesktopLaunchSystem::GetOpenCommand(const wxString& extension,
                                    const wxString& documentPath,
                                    OpenCommand* command)
{
    // The toolkit takes an empty extension for a mistake of ours; no file
    // type has one.
    if ( extension.empty() )
        return NO_FILE_TYPE;

    std::unique_ptr<wxFileType> fileType(
        wxTheMimeTypesManager->GetFileTypeFromExtension(extension));
    if ( !fileType )
        return NO_FILE_TYPE;

#ifdef __WINDOWS__
    // The registry's command with the document put in by the toolkit: in
    // place of %1 (or %L), quoted when its name has blanks and the command
    // does not quote it already; behind the command when it names no place.
    command->commandLine = fileType->GetOpenCommand(documentPath);
#else
    const wxString line = fileType->GetOpenCommand(DOCUMENT_PLACEHOLDER);
    command->args = MakeOpenArguments(line, DOCUMENT_PLACEHOLDER, documentPath);
#endif
    return command->IsEmpty() ? NO_OPEN_COMMAND : OPEN_COMMAND_FOUND;
}

wxString DesktopLaunchSystem::FindEditor()
{
    wxArrayString output, errors;
    wxExecute("which gedit", output, errors, 0);
    return output.empty() ? wxString() : output[0];
}

LaunchSystem& GetDesktopLaunchSystem()
{
    static DesktopLaunchSystem s_system;
    return s_system;
}
