///////////////////////////////////////////////////////////////////////////////
// Name:        tests/support/GuiTestSupport.h
// Purpose:     What the test programs with a display share
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_TESTS_GUITESTSUPPORT_H
#define LAUNCHER_TESTS_GUITESTSUPPORT_H

#include "TestSupport.h"

#include <wx/frame.h>

// The hidden frame that is the parent of what the tests build; it has the
// launcher window's size and style.
inline wxFrame* GetTestFrame()
{
    static wxFrame* const s_frame = new wxFrame(NULL, wxID_ANY, "tests",
        wxDefaultPosition, wxSize(947, 643), wxCAPTION | wxSYSTEM_MENU |
        wxMINIMIZE_BOX | wxCLOSE_BOX | wxCLIP_CHILDREN);
    return s_frame;
}

#endif // LAUNCHER_TESTS_GUITESTSUPPORT_H
