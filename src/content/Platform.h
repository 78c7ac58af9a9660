///////////////////////////////////////////////////////////////////////////////
// Name:        content/Platform.h
// Purpose:     The operating system the launcher runs on
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_CONTENT_PLATFORM_H
#define LAUNCHER_CONTENT_PLATFORM_H

#include <wx/platinfo.h>

// The id of the running system, asked of the system itself: the toolkit's
// platform description runs programs to learn the kernel and the
// distribution, which took most of a start's time.
wxOperatingSystemId GetRunningSystemId();

#endif // LAUNCHER_CONTENT_PLATFORM_H
