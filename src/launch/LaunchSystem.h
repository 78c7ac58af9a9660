///////////////////////////////////////////////////////////////////////////////
// Name:        launch/LaunchSystem.h
// Purpose:     What the launcher asks of the system to start programs and
//              to open documents and pages
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_LAUNCH_LAUNCHSYSTEM_H
#define LAUNCHER_LAUNCH_LAUNCHSYSTEM_H

#include "launch/LaunchTarget.h"

#include <wx/arrstr.h>
#include <wx/platinfo.h>
#include <wx/string.h>

class LaunchSystem
{
public:
    virtual ~LaunchSystem() { }

    virtual wxOperatingSystemId GetOperatingSystemId() const = 0;

    // Starts the program with these arguments (the first names the program)
    // on its own: it neither reads from nor writes to the launcher and lives
    // on after it. Returns its process id, or 0 when no process could be
    // made.
    virtual long StartDetached(const wxArrayString& args) = 0;

    // Starts a whole command line, as it is spelled, on its own in the same
    // way. Only open commands from the Windows registry come here.
    virtual long StartCommandLine(const wxString& commandLine) = 0;

    // Whether a process with the id exists on the system.
    virtual bool ProcessExists(long pid) = 0;

    // Hands a local path or a web address to the default browser.
    virtual void OpenInBrowser(const wxString& target) = 0;

    enum OpenCommandResult
    {
        NO_FILE_TYPE,       // the extension is unknown to the system
        NO_OPEN_COMMAND,    // known, but nothing is registered to open it
        OPEN_COMMAND_FOUND
    };

    // What opens the document with the program registered for the
    // extension.
    virtual OpenCommandResult GetOpenCommand(const wxString& extension,
                                             const wxString& documentPath,
                                             OpenCommand* command) = 0;

    // The first line that "which gedit" writes, empty when none.
    virtual wxString FindEditor() = 0;
};

// The system the launcher runs on.
LaunchSystem& GetDesktopLaunchSystem();

#endif // LAUNCHER_LAUNCH_LAUNCHSYSTEM_H
