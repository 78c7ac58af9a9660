///////////////////////////////////////////////////////////////////////////////
// Name:        tests/bench/LauncherStartupProbe.cpp
// Purpose:     The launcher itself, reporting the end of its first paint
///////////////////////////////////////////////////////////////////////////////

#include "StartupProbe.h"

#include "app/LauncherApp.h"

#include <wx/panel.h>

class ProbedLauncherApp : public LauncherApp
{
public:
    virtual bool OnInit() wxOVERRIDE
    {
        m_probe = new StartupProbe<wxPanel>;
        return LauncherApp::OnInit();
    }

private:
    StartupProbe<wxPanel>* m_probe;
};

wxIMPLEMENT_APP(ProbedLauncherApp);
