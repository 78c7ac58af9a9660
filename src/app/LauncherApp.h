///////////////////////////////////////////////////////////////////////////////
// Name:        app/LauncherApp.h
// Purpose:     The application: start-up, the single-instance lock, exit
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_APP_LAUNCHERAPP_H
#define LAUNCHER_APP_LAUNCHERAPP_H

#include <wx/app.h>

class wxSingleInstanceChecker;

class LauncherApp : public wxApp
{
public:
    LauncherApp() : m_checker(NULL) { }

    virtual bool OnInit() wxOVERRIDE;
    virtual int OnExit() wxOVERRIDE;

    // Fills the string table from the chosen language's strings.xml; false
    // when that file could not be read as XML.
    static bool LoadStringTable();

private:
    // Holds the lock that keeps a second copy from starting.
    wxSingleInstanceChecker* m_checker;
};

#endif // LAUNCHER_APP_LAUNCHERAPP_H
