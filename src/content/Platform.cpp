///////////////////////////////////////////////////////////////////////////////
// Name:        content/Platform.cpp
// Purpose:     The operating system the launcher runs on
///////////////////////////////////////////////////////////////////////////////

#include "content/Platform.h"

#include <wx/utils.h>

#ifdef __UNIX__
    #include <sys/utsname.h>
#endif

wxOperatingSystemId GetRunningSystemId()
{
#ifdef __UNIX__
    // The toolkit runs the "uname" program, twice, to learn the kernel's
    // name; the system call gives it at once.
    struct utsname name;
    if ( uname(&name) != 0 )
        return wxOS_UNKNOWN;
    return wxPlatformInfo::GetOperatingSystemId(wxString::FromUTF8(name.sysname));
#else
    return wxGetOsVersion();
#endif
}
