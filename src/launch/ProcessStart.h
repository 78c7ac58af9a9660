///////////////////////////////////////////////////////////////////////////////
// Name:        launch/ProcessStart.h
// Purpose:     Starting a program on its own, the way each system needs
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_LAUNCH_PROCESSSTART_H
#define LAUNCHER_LAUNCH_PROCESSSTART_H

#include <wx/arrstr.h>
#include <wx/platinfo.h>

// Starts the program that the first argument names, exactly, with the other
// arguments, without a shell and without waiting, the way the system of
// this id needs. On Linux its standard input reads nothing, its output goes
// nowhere, SIGPIPE has its default action and it has a session of its own,
// so it never waits on the launcher and outlives it. Returns the process
// id, or 0 when no process could be made (a program that then fails to run
// has an id all the same).
long StartDetachedProcess(const wxArrayString& args, wxOperatingSystemId osId);

#ifdef __WINDOWS__

// Starts a whole command line, as it is spelled, without waiting: the
// system's own way, in which each program reads its command line itself.
long StartDetachedCommandLine(const wxString& commandLine);

#endif // __WINDOWS__

#ifdef __UNIX__

// Hands a local path or a web address to the default browser on Linux, so
// that what the browser call starts stands apart from the launcher as a
// program started above does.
void OpenInBrowserDetached(const wxString& target);

#endif // __UNIX__

#endif // LAUNCHER_LAUNCH_PROCESSSTART_H
