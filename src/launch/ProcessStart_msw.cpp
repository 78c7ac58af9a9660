///////////////////////////////////////////////////////////////////////////////
// Name:        launch/ProcessStart_msw.cpp
// Purpose:     Starting a program on its own on Windows
///////////////////////////////////////////////////////////////////////////////

#include "launch/ProcessStart.h"

#include <wx/utils.h>

#include <vector>

long StartDetachedProcess(const wxArrayString& args,
                          wxOperatingSystemId WXUNUSED(osId))
{
    if ( args.empty() || args[0].empty() )
        return 0;

    // The toolkit quotes each argument, so a path with blanks names one
    // program and not "C:\Program.exe" followed by arguments. A program
    // started this way has no console of ours and no pipes to us.
    std::vector<const wchar_t*> argv;
    argv.reserve(args.size() + 1);
    for ( size_t n = 0; n < args.size(); ++n )
        argv.push_back(args[n].wc_str());
    argv.push_back(NULL);

    return wxExecute(&argv[0], wxEXEC_ASYNC);
}

long StartDetachedCommandLine(const wxString& commandLine)
{
    if ( commandLine.empty() )
        return 0;

    return wxExecute(commandLine, wxEXEC_ASYNC);
}
