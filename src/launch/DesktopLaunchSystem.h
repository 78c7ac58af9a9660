///////////////////////////////////////////////////////////////////////////////
// Name:        launch/DesktopLaunchSystem.h
// Purpose:     The launcher's requests carried out by the running system
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_LAUNCH_DESKTOPLAUNCHSYSTEM_H
#define LAUNCHER_LAUNCH_DESKTOPLAUNCHSYSTEM_H

#include "launch/LaunchSystem.h"

// Every start is made the way of the system that GetOperatingSystemId
// names, the one answer that the launcher's decisions ask too, so that a
// system taken for another one is taken for it throughout.
class DesktopLaunchSystem : public LaunchSystem
{
public:
    virtual wxOperatingSystemId GetOperatingSystemId() const wxOVERRIDE;
    virtual long StartDetached(const wxArrayString& args) wxOVERRIDE;
    virtual long StartCommandLine(const wxString& commandLine) wxOVERRIDE;
    virtual bool ProcessExists(long pid) wxOVERRIDE;
    virtual void OpenInBrowser(const wxString& target) wxOVERRIDE;
    virtual OpenCommandResult GetOpenCommand(const wxString& extension,
                                             const wxString& documentPath,
                                             OpenCommand* command) wxOVERRIDE;
    virtual wxString FindEditor() wxOVERRIDE;
};

#endif // LAUNCHER_LAUNCH_DESKTOPLAUNCHSYSTEM_H
