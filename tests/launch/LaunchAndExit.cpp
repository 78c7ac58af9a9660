///////////////////////////////////////////////////////////////////////////////
// Name:        tests/launch/LaunchAndExit.cpp
// Purpose:     A launcher that is closed right after it has started a
//              program: starts the program that its arguments name and ends
//              at once, with status 0 when the start succeeded
///////////////////////////////////////////////////////////////////////////////

#include "launch/LaunchSystem.h"

#include <wx/init.h>

int main(int argc, char** argv)
{
    wxInitializer initializer(argc, argv);
    if ( !initializer.IsOk() )
        return 2;

    wxArrayString args;
    for ( int n = 1; n < argc; ++n )
        args.push_back(wxString(argv[n]));
    return GetDesktopLaunchSystem().StartDetached(args) > 0 ? 0 : 1;
}
