///////////////////////////////////////////////////////////////////////////////
// Name:        panel/LaunchEntry.h
// Purpose:     One launch entry of the panel
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_PANEL_LAUNCHENTRY_H
#define LAUNCHER_PANEL_LAUNCHENTRY_H

#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/string.h>

// The panel has room for this many entries; later ones are dropped.
const int MAX_ENTRIES = 5;

struct LaunchEntry
{
    // "executable", "mimelookup" or "browser", in any letter case.
    wxString type;
    // Not ok when the entry has no icon.
    wxImage icon;
    wxString label;
    wxString description;
    // The program path, document path or address, by type.
    wxString data;
    // Where the entry stands in the panel: its hit and highlight area.
    wxRect rect;
};

#endif // LAUNCHER_PANEL_LAUNCHENTRY_H
