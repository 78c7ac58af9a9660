///////////////////////////////////////////////////////////////////////////////
// Name:        panel/Selection.cpp
// Purpose:     The selection and the panel's pointer and key handlers
///////////////////////////////////////////////////////////////////////////////

#include "panel/LauncherPanel.h"

#include "panel/SelectionRules.h"

#include <wx/dcclient.h>
#include <wx/region.h>

bool LauncherPanel::SetSelection(int index)
{
    if ( index == m_selection || index > MAX_ENTRIES - 1 || index < -1 )
        return false;

    // The texts of the column are measured as they are drawn: line feeds
    // can make them reach out of the areas that hold them.
    wxClientDC dc(this);
    std::vector<wxRect> textBoxes = GetColumnTextBoxes(dc, m_selection);
    const int oldSelection = m_selection;
    m_selection = index;
    const std::vector<wxRect> newTextBoxes = GetColumnTextBoxes(dc, index);
    textBoxes.insert(textBoxes.end(), newTextBoxes.begin(),
                     newTextBoxes.end());
    const std::vector<wxRect> areas =
        GetSelectionRepaintAreas(m_entries, oldSelection, index,
                                 GetClientSize(), textBoxes);

    wxRegion region;
    for ( size_t n = 0; n < areas.size(); ++n )
        region.Union(areas[n]);

    if ( m_onRepaint )
        m_onRepaint(region);

    // Drawn at once, not at the next paint event: only what changed.
    dc.SetDeviceClippingRegion(region);
    Render(dc);
    dc.DestroyClippingRegion();
    return true;
}

void LauncherPanel::OnMotion(wxMouseEvent& event)
{
    const int hit = FindEntryAt(m_entries, m_entryCount, event.GetX(),
                                event.GetY());
    if ( hit != m_selection )
        SetCursor(hit != -1 ? m_handCursor : wxNullCursor);
    SetSelection(hit);
}

void LauncherPanel::OnLeftDown(wxMouseEvent& event)
{
    const int hit = FindEntryAt(m_entries, m_entryCount, event.GetX(),
                                event.GetY());
    if ( hit != -1 )
        LaunchOption(hit);
}

void LauncherPanel::OnKeyDown(wxKeyEvent& event)
{
    switch ( GetKeyAction(event.GetKeyCode(), event.ShiftDown()) )
    {
        case KEY_ACTION_PREVIOUS:
            SetSelection(GetPreviousSelection(m_selection, m_entryCount));
            break;

        case KEY_ACTION_NEXT:
            SetSelection(GetNextSelection(m_selection, m_entryCount));
            break;

        case KEY_ACTION_CLEAR:
            SetSelection(-1);
            break;

        case KEY_ACTION_LAUNCH:
            LaunchOption(m_selection);
            break;

        case KEY_ACTION_NONE:
            break;
    }

    // The toolkit's own handling of the key goes on.
    event.Skip();
}
