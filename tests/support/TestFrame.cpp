///////////////////////////////////////////////////////////////////////////////
// Name:        tests/support/TestFrame.cpp
// Purpose:     The hidden frame that the tests with a display build in
///////////////////////////////////////////////////////////////////////////////

#include "GuiTestSupport.h"

#include <wx/frame.h>

wxFrame* GetTestFrame()
{
    static wxFrame* s_frame = NULL;
    if ( !s_frame )
    {
        s_frame = new wxFrame(NULL, wxID_ANY, "tests", wxDefaultPosition,
                              wxSize(947, 643),
                              wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX |
                              wxCLOSE_BOX | wxCLIP_CHILDREN);
    }
    return s_frame;
}
