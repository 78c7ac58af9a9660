///////////////////////////////////////////////////////////////////////////////
// Name:        panel/Painting.cpp
// Purpose:     Laying the entries out and painting the panel
///////////////////////////////////////////////////////////////////////////////

#include "panel/LauncherPanel.h"

#include "content/StringTable.h"
#include "panel/DCTextMeasurer.h"
#include "panel/EntryLayout.h"

#include <wx/bitmap.h>
#include <wx/dcclient.h>

void LauncherPanel::LayoutOptions()
{
    wxClientDC dc(this);
    dc.SetFont(m_labelFont);
    LayOutEntries(m_entries, m_entryCount, GetClientSize().x,
                  DCTextMeasurer(dc));
}

void LauncherPanel::DrawOption(wxDC& dc, const LaunchEntry& entry, int x,
                               int y, bool highlighted)
{
    dc.SetFont(m_labelFont);
    dc.SetTextForeground(m_textColour);

    const int width = entry.rect.width;
    const int height = entry.rect.height;
    if ( highlighted )
    {
        dc.SetBrush(m_highlightBrush);
        dc.DrawRoundedRectangle(x, y, width, height, HIGHLIGHT_RADIUS);
        dc.SetTextForeground(*wxBLACK);
    }

    if ( entry.icon.IsOk() )
        dc.DrawBitmap(wxBitmap(entry.icon, -1), x + ENTRY_PADDING,
                      y + ENTRY_PADDING, false);

    const wxString label = FitTextToWidth(dc, entry.label,
                                          GetLabelLimit(entry,
                                                        GetClientSize().x));
    int textWidth = 0, textHeight = 0;
    dc.GetTextExtent(label, &textWidth, &textHeight);
    dc.DrawText(label, wxPoint(x, y) + GetLabelOffset(entry, textHeight));

    if ( m_divider.IsOk() )
        dc.DrawBitmap(wxBitmap(m_divider, -1), x, y + height + ENTRY_PADDING,
                      false);
}

namespace
{

// Stands in for a background picture that did not load: close to the dark
// slate of the sample background, so that the light texts stay readable.
wxColour GetMissingBackgroundColour()
{
    return wxColour(19, 30, 46);
}

void DrawPlacedText(wxDC& dc, const PlacedText& text)
{
    for ( size_t n = 0; n < text.lines.size(); ++n )
        dc.DrawText(text.lines[n], text.positions[n]);
}

} // anonymous namespace

void LauncherPanel::Render(wxDC& dc)
{
    if ( m_background.IsOk() )
        dc.DrawBitmap(wxBitmap(m_background, -1), 0, 0, false);
    else
    {
        // Without the picture nothing would cover what the last paint left,
        // and a change of selection would leave its old highlight and texts
        // behind. Clear fills the whole context, within its clipping, with
        // the background brush alone: it sets neither the pen nor the brush
        // that the highlight draws with. The context's own background brush
        // is put back, so that nothing else of its state changes.
        const wxBrush previous = dc.GetBackground();
        dc.SetBackground(wxBrush(GetMissingBackgroundColour()));
        dc.Clear();
        dc.SetBackground(previous);
    }

    dc.SetFont(m_mastheadFont);
    dc.SetTextForeground(m_textColour);
    dc.DrawText(GetString("masthead_label", UNDEFINED_PROPERTY),
                MASTHEAD_X, MASTHEAD_Y);

    for ( int i = 0; i < m_entryCount; ++i )
    {
        const LaunchEntry& entry = m_entries[i];
        DrawOption(dc, entry, entry.rect.x, entry.rect.y, i == m_selection);
    }

    const wxSize client = GetClientSize();
    wxString welcome;
    dc.SetTextForeground(m_textColour);
    dc.SetFont(m_headingFont);
    DrawPlacedText(dc, PlaceHeading(DCTextMeasurer(dc),
                                    GetHeadingText(m_selection, welcome),
                                    client));

    dc.SetFont(m_bodyFont);
    DrawPlacedText(dc, PlaceBody(DCTextMeasurer(dc),
                                 GetBodyText(m_selection, welcome), client));
}

// The entries' texts are read in place: a description may hold millions of
// characters, and a copy of it would cost more than the whole paint.
const wxString& LauncherPanel::GetHeadingText(int selection,
                                              wxString& welcome) const
{
    if ( selection != -1 )
        return m_entries[selection].label;
    welcome = GetString("welcome_label", UNDEFINED_PROPERTY);
    return welcome;
}

const wxString& LauncherPanel::GetBodyText(int selection,
                                           wxString& welcome) const
{
    if ( selection != -1 )
        return m_entries[selection].description;
    welcome = GetString("welcome_description", UNDEFINED_PROPERTY);
    return welcome;
}

namespace
{

// Where a text drawn at the position covers. Some systems measure a text
// that holds line feeds as one line and yet draw all of its lines.
wxRect GetDrawnBox(wxDC& dc, const wxString& text, const wxPoint& position)
{
    wxCoord width = 0, height = 0;
    dc.GetMultiLineTextExtent(text, &width, &height);
    return wxRect(position, wxSize(width, height));
}

} // anonymous namespace

std::vector<wxRect> LauncherPanel::GetColumnTextBoxes(wxDC& dc, int selection)
{
    const wxSize client = GetClientSize();
    wxString welcome;
    dc.SetFont(m_headingFont);
    const PlacedText heading = PlaceHeading(DCTextMeasurer(dc),
                                            GetHeadingText(selection, welcome),
                                            client);
    // The body's lines start in its area and reach at most to the bottom
    // and the right edge of the window, line feeds or not; only the ink
    // around their starts, which the margin takes, can reach out of it.
    // Wrapping the body again here would double the cost of a change.
    std::vector<wxRect> boxes = { heading.box, GetBodyArea(client) };
    if ( !heading.lines.empty() )
        boxes.push_back(GetDrawnBox(dc, heading.lines[0],
                                    heading.positions[0]));

    // The entry's label is drawn where its one-line height puts it.
    if ( selection >= 0 && selection < m_entryCount )
    {
        const LaunchEntry& entry = m_entries[selection];
        dc.SetFont(m_labelFont);
        const wxString label = FitTextToWidth(dc, entry.label,
                                              GetLabelLimit(entry, client.x));
        int width = 0, height = 0;
        dc.GetTextExtent(label, &width, &height);
        boxes.push_back(GetDrawnBox(dc, label, entry.rect.GetPosition() +
                                    GetLabelOffset(entry, height)));
    }
    return boxes;
}

void LauncherPanel::OnPaint(wxPaintEvent& WXUNUSED(event))
{
    wxPaintDC dc(this);
    Render(dc);
}
