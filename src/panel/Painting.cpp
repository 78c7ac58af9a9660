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

void LauncherPanel::Render(wxDC& dc)
{
    if ( m_background.IsOk() )
        dc.DrawBitmap(wxBitmap(m_background, -1), 0, 0, false);

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
    const wxRect headingBand = GetHeadingBand(client);
    const wxRect bodyArea = GetBodyArea(client);

    dc.SetTextForeground(m_textColour);
    dc.SetFont(m_headingFont);
    const wxString heading = m_selection == -1
                                ? GetString("welcome_label",
                                            UNDEFINED_PROPERTY)
                                : m_entries[m_selection].label;
    dc.DrawText(FitTextToWidth(dc, heading, COLUMN_WIDTH),
                headingBand.x, headingBand.y);

    dc.SetFont(m_bodyFont);
    // Read in place: a copy of a description of millions of characters
    // would cost more than the whole paint.
    const wxString welcome = m_selection == -1
                                ? GetString("welcome_description",
                                            UNDEFINED_PROPERTY)
                                : wxString();
    const wxString& body = m_selection == -1
                              ? welcome
                              : m_entries[m_selection].description;
    const wxArrayString lines = WrapText(dc, body, BODY_WRAP_WIDTH,
                                         client.y - BODY_BOTTOM_MARGIN);
    int y = bodyArea.y;
    for ( size_t n = 0; n < lines.size(); ++n )
    {
        int lineWidth = 0, lineHeight = 0;
        dc.GetTextExtent(lines[n], &lineWidth, &lineHeight);
        dc.DrawText(lines[n], bodyArea.x, y);
        y += lineHeight;
    }
}

void LauncherPanel::OnPaint(wxPaintEvent& WXUNUSED(event))
{
    wxPaintDC dc(this);
    Render(dc);
}
