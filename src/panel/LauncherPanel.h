///////////////////////////////////////////////////////////////////////////////
// Name:        panel/LauncherPanel.h
// Purpose:     The content of the launcher window: entries, painting,
//              selection, pointer and keys, launching
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_PANEL_LAUNCHERPANEL_H
#define LAUNCHER_PANEL_LAUNCHERPANEL_H

#include "panel/LaunchEntry.h"

#include <wx/brush.h>
#include <wx/colour.h>
#include <wx/cursor.h>
#include <wx/font.h>
#include <wx/image.h>
#include <wx/panel.h>
#include <wx/region.h>

#include <functional>
#include <vector>

class wxDC;
class LaunchSystem;

class LauncherPanel : public wxPanel
{
public:
    explicit LauncherPanel(wxWindow* parent);
    virtual ~LauncherPanel();

    // Activates the entry at the index; false when nothing was started.
    bool LaunchOption(int index);

    // Makes the index the selection (-1 for none) and repaints what the
    // change affects at once; false when the call changed nothing.
    bool SetSelection(int index);

    // Draws the whole content on any device context of the panel.
    void Render(wxDC& dc);

private:
    // Reads the entries of strings.xml into the free slots; false when the
    // file could not be read as XML.
    bool LoadOptions();
    // Stores an entry in the next free slot; false when all are in use.
    bool AddEntry(const wxString& type, const wxString& iconPath,
                  const wxString& label, const wxString& description,
                  const wxString& data);

    void LayoutOptions();
    void DrawOption(wxDC& dc, const LaunchEntry& entry, int x, int y,
                    bool highlighted);

    // The texts that the right-hand column shows for a selection (-1 for
    // none; the welcome text is then looked up into the string given), and
    // the boxes that they may fill there in their fonts.
    const wxString& GetHeadingText(int selection, wxString& welcome) const;
    const wxString& GetBodyText(int selection, wxString& welcome) const;
    std::vector<wxRect> GetColumnTextBoxes(wxDC& dc, int selection);

    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);

    wxImage m_background;
    wxFont m_mastheadFont;
    wxFont m_labelFont;
    wxFont m_headingFont;
    wxFont m_bodyFont;
    wxColour m_textColour;
    wxColour m_highlightColour;
    wxBrush m_highlightBrush;
    wxCursor m_handCursor;
    wxImage m_divider;
    LaunchEntry m_entries[MAX_ENTRIES];
    int m_entryCount;
    int m_selection;
    long m_pids[MAX_ENTRIES];

    // What starts programs and opens documents and pages.
    LaunchSystem* m_launchSystem;

    // Told of the region that a change of selection repaints.
    std::function<void (const wxRegion&)> m_onRepaint;

    // Lets the tests look inside.
    friend class LauncherPanelTestAccess;

    wxDECLARE_EVENT_TABLE();
};

#endif // LAUNCHER_PANEL_LAUNCHERPANEL_H
