///////////////////////////////////////////////////////////////////////////////
// Name:        panel/EntryLayout.h
// Purpose:     Where the entries and the texts of the panel stand
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_PANEL_ENTRYLAYOUT_H
#define LAUNCHER_PANEL_ENTRYLAYOUT_H

#include "panel/LaunchEntry.h"

#include <wx/arrstr.h>
#include <wx/gdicmn.h>

#include <vector>

class TextMeasurer;

// The fixed places of the panel, in client pixels.
const int ENTRY_X = 30;
const int FIRST_ENTRY_Y = 100;
const int ENTRY_SPACING = 20;       // between two entry rectangles
const int ENTRY_PADDING = 10;       // around an entry's content, and from
                                    // its rectangle down to its divider
const int ICON_GAP = 10;            // between an icon and its label
const int LABEL_MARGIN = 465;       // client width less the label limit
const int HIGHLIGHT_RADIUS = 10;
const int MASTHEAD_X = 150;
const int MASTHEAD_Y = 33;
const int COLUMN_WIDTH = 395;       // the right-hand column, to the edge
const int HEADING_Y = 105;
const int HEADING_HEIGHT = 30;
const int BODY_Y = 150;
const int BODY_WRAP_WIDTH = 365;
const int BODY_BOTTOM_MARGIN = 180; // client height less the body height

// The room that an entry's icon takes beside its label: 0 without an icon.
int GetIconSpace(const LaunchEntry& entry);

// How wide an entry's label may be in a client area of this width.
int GetLabelLimit(const LaunchEntry& entry, int clientWidth);

// Sets the rectangles of the first count entries, stacked downwards, each
// as large as its icon and its shortened label in the measurer's font.
void LayOutEntries(LaunchEntry entries[], int count, int clientWidth,
                   const TextMeasurer& labelMeasurer);

// Where a label of this height stands, from its entry's top-left corner.
wxPoint GetLabelOffset(const LaunchEntry& entry, int textHeight);

// The areas that show the selection: the heading band and the body area.
wxRect GetHeadingBand(const wxSize& clientSize);
wxRect GetBodyArea(const wxSize& clientSize);

// A text as the panel draws it: its lines, each at its place, and the box
// that they measure together (empty for no line).
struct PlacedText
{
    wxArrayString lines;
    std::vector<wxPoint> positions;
    wxRect box;
};

// The heading shortened to the column, and the body wrapped into its area,
// in the measurer's font. A line may itself hold line feeds; it is measured
// and drawn as the toolkit does, so the box may reach out of the area.
PlacedText PlaceHeading(const TextMeasurer& measurer, const wxString& heading,
                        const wxSize& clientSize);
PlacedText PlaceBody(const TextMeasurer& measurer, const wxString& body,
                     const wxSize& clientSize);

#endif // LAUNCHER_PANEL_ENTRYLAYOUT_H
