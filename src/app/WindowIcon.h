///////////////////////////////////////////////////////////////////////////////
// Name:        app/WindowIcon.h
// Purpose:     The window icon, decoded from the picture built into the
//              program
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_APP_WINDOWICON_H
#define LAUNCHER_APP_WINDOWICON_H

#include <wx/icon.h>

// Needs the PNG image handler to be registered.
wxIcon LoadWindowIcon();

#endif // LAUNCHER_APP_WINDOWICON_H
