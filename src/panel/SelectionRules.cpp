///////////////////////////////////////////////////////////////////////////////
// Name:        panel/SelectionRules.cpp
// Purpose:     Which entry the pointer is over, what a key does, and what a
//              change of selection repaints
///////////////////////////////////////////////////////////////////////////////

#include "panel/SelectionRules.h"

#include "panel/EntryLayout.h"

#include <wx/defs.h>

int FindEntryAt(const LaunchEntry entries[], int count, int x, int y)
{
    for ( int i = 0; i < count; ++i )
    {
        if ( entries[i].rect.Contains(x, y) )
            return i;
    }
    return -1;
}

KeyAction GetKeyAction(int keyCode, bool shiftDown)
{
    switch ( keyCode )
    {
        case WXK_LEFT:
        case WXK_UP:
        case WXK_NUMPAD_LEFT:
        case WXK_NUMPAD_UP:
            return KEY_ACTION_PREVIOUS;

        case WXK_TAB:
            return shiftDown ? KEY_ACTION_PREVIOUS : KEY_ACTION_NEXT;

        case WXK_RIGHT:
        case WXK_DOWN:
        case WXK_NUMPAD_RIGHT:
        case WXK_NUMPAD_DOWN:
            return KEY_ACTION_NEXT;

        case WXK_ESCAPE:
            return KEY_ACTION_CLEAR;

        case WXK_RETURN:
            return KEY_ACTION_LAUNCH;
    }
    return KEY_ACTION_NONE;
}

int GetPreviousSelection(int selection, int count)
{
    const int previous = selection - 1;
    return previous < 0 ? count - 1 : previous;
}

int GetNextSelection(int selection, int count)
{
    const int next = selection + 1;
    return next > count - 1 ? 0 : next;
}

std::vector<wxRect> GetSelectionRepaintAreas(
    const LaunchEntry entries[], int oldSelection, int newSelection,
    const wxSize& clientSize, const std::vector<wxRect>& textBoxes)
{
    std::vector<wxRect> areas;
    if ( oldSelection != -1 )
        areas.push_back(entries[oldSelection].rect);
    if ( newSelection != -1 )
        areas.push_back(entries[newSelection].rect);
    areas.push_back(GetHeadingBand(clientSize));
    areas.push_back(GetBodyArea(clientSize));
    // A text that measures nothing draws nothing; nothing is drawn beyond
    // the window.
    for ( const wxRect& box : textBoxes )
        if ( !box.IsEmpty() )
            areas.push_back(wxRect(box).Inflate(INK_ALLOWANCE)
                                .Intersect(wxRect(clientSize)));
    return areas;
}
