///////////////////////////////////////////////////////////////////////////////
// Name:        launch/LaunchActions.h
// Purpose:     Launching a program, a page or a document, with the user told
//              of every refusal
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_LAUNCH_LAUNCHACTIONS_H
#define LAUNCHER_LAUNCH_LAUNCHACTIONS_H

#include <wx/string.h>

class LaunchSystem;

// Each returns true when the program, the browser or the open command was
// handed to the system, whatever became of it there; relative targets are
// taken against the language folder.

// Starts the program unless the one started before, whose process id is in
// pid (-1 for none yet), still runs; stores the new id in pid.
bool LaunchProgram(LaunchSystem& system, const wxString& data,
                   const wxString& languageDir, long& pid);

// Opens a "file://" page or an "http://" address in the default browser.
bool LaunchAddress(LaunchSystem& system, const wxString& data,
                   const wxString& languageDir);

// Opens the document with the program registered for its extension.
bool LaunchDocument(LaunchSystem& system, const wxString& data,
                    const wxString& languageDir);

#endif // LAUNCHER_LAUNCH_LAUNCHACTIONS_H
