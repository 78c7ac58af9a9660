///////////////////////////////////////////////////////////////////////////////
// Name:        panel/LauncherPanel.cpp
// Purpose:     The launcher panel: its look, its entries and its events
///////////////////////////////////////////////////////////////////////////////

#include "panel/LauncherPanel.h"

#include "content/Catalogue.h"
#include "content/ContentFile.h"
#include "content/DataFolders.h"
#include "content/Platform.h"
#include "launch/LaunchSystem.h"
#include "panel/PictureFile.h"

#include <wx/file.h>
#include <wx/xml/xml.h>

wxBEGIN_EVENT_TABLE(LauncherPanel, wxPanel)
    EVT_PAINT(LauncherPanel::OnPaint)
    EVT_LEFT_DOWN(LauncherPanel::OnLeftDown)
    EVT_MOTION(LauncherPanel::OnMotion)
    EVT_KEY_DOWN(LauncherPanel::OnKeyDown)
wxEND_EVENT_TABLE()

namespace
{

const char IMAGES_FOLDER[] = "launcher_data/images";
const char BACKGROUND_FILE[] = "launcher_background.png";
const char DIVIDER_FILE[] = "horiz_div_line.png";

const int FONT_POINT_SIZE = 12;

wxFont MakeFont(wxFontWeight weight)
{
    return wxFont(FONT_POINT_SIZE, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL,
                  weight, false, wxEmptyString, wxFONTENCODING_DEFAULT);
}

} // anonymous namespace

LauncherPanel::LauncherPanel(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxPoint(0, 0), wxDefaultSize, wxWANTS_CHARS,
              wxPanelNameStr),
      m_entryCount(0),
      m_selection(-1),
      m_launchSystem(&GetDesktopLaunchSystem())
{
    int w = 0, h = 0;
    parent->GetClientSize(&w, &h);
    SetSize(w, h);

    LoadPicture(m_background,
                JoinPath(g_baseDir, IMAGES_FOLDER, BACKGROUND_FILE),
                BACKGROUND_LIMIT);
    // Scaled once: the window never changes its size.
    if ( m_background.IsOk() && w > 0 && h > 0 )
        m_background.Rescale(w, h, wxIMAGE_QUALITY_NORMAL);

    LoadPicture(m_divider, JoinPath(g_baseDir, IMAGES_FOLDER, DIVIDER_FILE),
                DRAWN_PICTURE_LIMIT);

    m_mastheadFont = MakeFont(wxFONTWEIGHT_BOLD);
    m_labelFont = MakeFont(wxFONTWEIGHT_NORMAL);
    m_headingFont = MakeFont(wxFONTWEIGHT_BOLD);
    m_bodyFont = MakeFont(wxFONTWEIGHT_NORMAL);
    m_textColour = wxColour(220, 219, 217);
    m_highlightColour = wxColour(213, 231, 248);
    m_highlightBrush = wxBrush(m_highlightColour, wxBRUSHSTYLE_SOLID);
    m_handCursor = wxCursor(wxCURSOR_HAND);

    m_entryCount = 0;
    LoadOptions();
    LayoutOptions();

    m_selection = -1;
    for ( int n = 0; n < MAX_ENTRIES; ++n )
        m_pids[n] = -1;
}

LauncherPanel::~LauncherPanel()
{
}

bool LauncherPanel::LoadOptions()
{
    wxXmlDocument document;
    LoadContentFile(ResolveStringsPath(), document);
    return ReadCatalogue(document, g_languageDir,
                         GetRunningSystemId(),
                         [this](const CatalogueOption& option)
                         {
                             AddEntry(option.type, option.iconPath,
                                      option.label, option.description,
                                      option.data);
                         });
}

bool LauncherPanel::AddEntry(const wxString& type, const wxString& iconPath,
                             const wxString& label,
                             const wxString& description,
                             const wxString& data)
{
    if ( m_entryCount > MAX_ENTRIES - 1 )
        return false;

    LaunchEntry& entry = m_entries[m_entryCount];
    entry.type = type;
    // An entry without an icon file is no fault: it is shown without one.
    if ( wxFile::Exists(iconPath) )
        LoadPicture(entry.icon, iconPath, DRAWN_PICTURE_LIMIT);
    entry.label = label;
    entry.description = description;
    entry.data = data;

    ++m_entryCount;
    return true;
}
