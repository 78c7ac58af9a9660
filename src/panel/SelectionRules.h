///////////////////////////////////////////////////////////////////////////////
// Name:        panel/SelectionRules.h
// Purpose:     Which entry the pointer is over, what a key does, and what a
//              change of selection repaints
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_PANEL_SELECTIONRULES_H
#define LAUNCHER_PANEL_SELECTIONRULES_H

#include "panel/LaunchEntry.h"

#include <wx/gdicmn.h>

#include <vector>

// The first of the count entries whose rectangle holds the point, or -1.
int FindEntryAt(const LaunchEntry entries[], int count, int x, int y);

enum KeyAction
{
    KEY_ACTION_NONE,
    KEY_ACTION_PREVIOUS,
    KEY_ACTION_NEXT,
    KEY_ACTION_CLEAR,
    KEY_ACTION_LAUNCH
};

// What a key does; Shift matters for Tab only.
KeyAction GetKeyAction(int keyCode, bool shiftDown);

// The entry before or after the selection among count entries, wrapping
// around; from no selection (-1) the last or the first.
int GetPreviousSelection(int selection, int count);
int GetNextSelection(int selection, int count);

// How far around the box that a text measures its glyphs may reach: a
// negative bearing, accents stacked on a capital. As much as an entry's
// label has around it inside the entry's rectangle.
const int INK_ALLOWANCE = 10;

// What must be drawn again when the selection moves from one entry to
// another: their rectangles (none for -1), the heading band and the body,
// and around the boxes of the texts that either selection shows in the
// column, which line feeds can make reach out of those areas.
std::vector<wxRect> GetSelectionRepaintAreas(
    const LaunchEntry entries[], int oldSelection, int newSelection,
    const wxSize& clientSize,
    const std::vector<wxRect>& textBoxes = std::vector<wxRect>());

#endif // LAUNCHER_PANEL_SELECTIONRULES_H
