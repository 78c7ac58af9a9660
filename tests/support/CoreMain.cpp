///////////////////////////////////////////////////////////////////////////////
// Name:        tests/support/CoreMain.cpp
// Purpose:     Entry of the test programs that need no display
///////////////////////////////////////////////////////////////////////////////

#include "TestSupport.h"

#include <wx/init.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);

    wxInitializer initializer;
    if ( !initializer.IsOk() )
    {
        fprintf(stderr, "the toolkit could not be initialised\n");
        return 1;
    }
    InstallAssertHandler();

    // Nothing the code under test logs may reach the terminal unasked.
    LogCapture quiet;
    return RUN_ALL_TESTS();
}
