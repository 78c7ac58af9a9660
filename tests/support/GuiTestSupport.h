///////////////////////////////////////////////////////////////////////////////
// Name:        tests/support/GuiTestSupport.h
// Purpose:     What the test programs with a display share
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_TESTS_GUITESTSUPPORT_H
#define LAUNCHER_TESTS_GUITESTSUPPORT_H

#include "TestSupport.h"

class wxFrame;

// The hidden frame that is the parent of what the tests build; it has the
// launcher window's size and style.
wxFrame* GetTestFrame();

#endif // LAUNCHER_TESTS_GUITESTSUPPORT_H
