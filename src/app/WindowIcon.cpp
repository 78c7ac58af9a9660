///////////////////////////////////////////////////////////////////////////////
// Name:        app/WindowIcon.cpp
// Purpose:     The window icon, decoded from the picture built into the
//              program
///////////////////////////////////////////////////////////////////////////////

#include "app/WindowIcon.h"

#include "resources/WindowIconData.h"

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/mstream.h>

wxIcon LoadWindowIcon()
{
    wxMemoryInputStream stream(g_windowIconPng, g_windowIconPngSize);
    const wxImage image(stream, wxBITMAP_TYPE_PNG, -1);

    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap(image, -1));
    return icon;
}
