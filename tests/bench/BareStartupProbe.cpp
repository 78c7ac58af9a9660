///////////////////////////////////////////////////////////////////////////////
// Name:        tests/bench/BareStartupProbe.cpp
// Purpose:     The least a toolkit program can show: a frame of the
//              launcher's size with nothing in it, reporting its first paint
///////////////////////////////////////////////////////////////////////////////

#include "StartupProbe.h"

#include <wx/frame.h>

class BareApp : public wxApp
{
public:
    virtual bool OnInit() wxOVERRIDE
    {
        m_probe = new StartupProbe<wxFrame>;
        wxFrame* const frame = new wxFrame(NULL, wxID_ANY, "Bare",
                                           wxDefaultPosition,
                                           wxSize(947, 643),
                                           wxCAPTION | wxSYSTEM_MENU |
                                           wxMINIMIZE_BOX | wxCLOSE_BOX |
                                           wxCLIP_CHILDREN);
        frame->Centre(wxBOTH | wxCENTRE_ON_SCREEN);
        frame->Show(true);
        SetTopWindow(frame);
        return true;
    }

private:
    StartupProbe<wxFrame>* m_probe;
};

wxIMPLEMENT_APP(BareApp);
