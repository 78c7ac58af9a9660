///////////////////////////////////////////////////////////////////////////////
// Name:        tests/bench/BareFrame.cpp
// Purpose:     The least a toolkit program can show, for timing the start
//              of the Windows program against: a frame of the launcher's
//              size with nothing in it
///////////////////////////////////////////////////////////////////////////////

#include <wx/app.h>
#include <wx/frame.h>

class BareApp : public wxApp
{
public:
    virtual bool OnInit() wxOVERRIDE
    {
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
};

wxIMPLEMENT_APP(BareApp);
