///////////////////////////////////////////////////////////////////////////////
// Name:        panel/EntryLayout.cpp
// Purpose:     Where the entries and the texts of the panel stand
///////////////////////////////////////////////////////////////////////////////

#include "panel/EntryLayout.h"

#include "panel/TextFit.h"

int GetIconSpace(const LaunchEntry& entry)
{
    return entry.icon.IsOk() ? entry.icon.GetWidth() + ICON_GAP : 0;
}

int GetLabelLimit(const LaunchEntry& entry, int clientWidth)
{
    return clientWidth - LABEL_MARGIN - GetIconSpace(entry);
}

void LayOutEntries(LaunchEntry entries[], int count, int clientWidth,
                   const TextMeasurer& labelMeasurer)
{
    int y = FIRST_ENTRY_Y;
    for ( int i = 0; i < count; ++i )
    {
        LaunchEntry& entry = entries[i];
        const int iconSpace = GetIconSpace(entry);
        int rowHeight = entry.icon.IsOk() ? entry.icon.GetHeight() : 0;

        const wxString label = FitTextToWidth(labelMeasurer, entry.label,
                                              GetLabelLimit(entry,
                                                            clientWidth));
        int textWidth = 0, textHeight = 0;
        labelMeasurer.GetTextExtent(label, &textWidth, &textHeight);
        if ( textHeight > rowHeight )
            rowHeight = textHeight;

        entry.rect = wxRect(ENTRY_X, y,
                            iconSpace + textWidth + 2 * ENTRY_PADDING,
                            rowHeight + 2 * ENTRY_PADDING);
        y += entry.rect.height + ENTRY_SPACING;
    }
}

wxPoint GetLabelOffset(const LaunchEntry& entry, int textHeight)
{
    return wxPoint(ENTRY_PADDING + GetIconSpace(entry),
                   entry.rect.height / 2 - textHeight / 2);
}

wxRect GetHeadingBand(const wxSize& clientSize)
{
    return wxRect(clientSize.x - COLUMN_WIDTH, HEADING_Y, COLUMN_WIDTH,
                  HEADING_HEIGHT);
}

wxRect GetBodyArea(const wxSize& clientSize)
{
    return wxRect(clientSize.x - COLUMN_WIDTH, BODY_Y, COLUMN_WIDTH,
                  clientSize.y - BODY_Y);
}

PlacedText PlaceHeading(const TextMeasurer& measurer, const wxString& heading,
                        const wxSize& clientSize)
{
    const wxPoint position = GetHeadingBand(clientSize).GetPosition();
    PlacedText placed;
    placed.lines.Add(FitTextToWidth(measurer, heading, COLUMN_WIDTH));
    placed.positions.push_back(position);
    int width = 0, height = 0;
    measurer.GetTextExtent(placed.lines[0], &width, &height);
    placed.box = wxRect(position, wxSize(width, height));
    return placed;
}

PlacedText PlaceBody(const TextMeasurer& measurer, const wxString& body,
                     const wxSize& clientSize)
{
    const wxRect area = GetBodyArea(clientSize);
    PlacedText placed;
    placed.lines = WrapText(measurer, body, BODY_WRAP_WIDTH,
                            clientSize.y - BODY_BOTTOM_MARGIN);
    int y = area.y;
    for ( size_t n = 0; n < placed.lines.size(); ++n )
    {
        int width = 0, height = 0;
        measurer.GetTextExtent(placed.lines[n], &width, &height);
        const wxRect line(area.x, y, width, height);
        placed.positions.push_back(line.GetPosition());
        placed.box = n == 0 ? line : placed.box.Union(line);
        y += height;
    }
    return placed;
}
