///////////////////////////////////////////////////////////////////////////////
// Name:        launch/ProcessStart.h
// Purpose:     Starting a program on its own, the way each system needs
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_LAUNCH_PROCESSSTART_H
#define LAUNCHER_LAUNCH_PROCESSSTART_H

#include <wx/arrstr.h>

// Starts the program that the first argument names, exactly, with the other
// arguments, without a shell and without waiting. On Linux its standard
// input reads nothing and its output goes nowhere, so it never waits on the
// launcher and outlives it. Returns the process id, or 0 when no process
// could be made (a program that then fails to run has an id all the same).
long StartDetachedProcess(const wxArrayString& args);

#endif // LAUNCHER_LAUNCH_PROCESSSTART_H
