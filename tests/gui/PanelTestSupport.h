///////////////////////////////////////////////////////////////////////////////
// Name:        tests/gui/PanelTestSupport.h
// Purpose:     Content folders, panels and pixel checks shared by the
//              display tests of the launcher panel
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_TESTS_GUI_PANELTESTSUPPORT_H
#define LAUNCHER_TESTS_GUI_PANELTESTSUPPORT_H

#include "GuiTestSupport.h"
#include "PanelAccess.h"

#include "content/DataFolders.h"
#include "content/StringTable.h"

#include <wx/colour.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>

#include <stdlib.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

// The colours that the panel draws with.
const wxColour TEXT_COLOUR(220, 219, 217);
const wxColour HIGHLIGHT_COLOUR(213, 231, 248);

// The colours of the pictures that the tests write: all differ from the
// panel's own colours and from one another.
const wxColour BACKGROUND_COLOUR(10, 20, 30);
const wxColour DIVIDER_COLOUR(255, 0, 0);
const wxColour ICON_COLOUR(0, 200, 0);

inline wxImage MakeSolidImage(const wxSize& size, const wxColour& colour)
{
    wxImage image(size);
    image.SetRGB(wxRect(size), colour.Red(), colour.Green(), colour.Blue());
    return image;
}

// One "option" element of strings.xml.
inline std::string MakeOption(const std::string& type, const std::string& icon,
                              const std::string& label,
                              const std::string& description = "",
                              const std::string& data = "")
{
    return "<option><type>" + type + "</type><icon>" + icon + "</icon>"
           "<label>" + label + "</label><description>" + description +
           "</description><data>" + data + "</data></option>\n";
}

// A content folder: "launcher_data" with its images and the "en" language
// folder, which every locale falls back to.
class ContentDir : public TempDir
{
public:
    ContentDir() { }
    // The standard pictures and a strings.xml holding these options.
    explicit ContentDir(const std::string& options)
    {
        WriteStandardImages();
        WriteCatalogue(options);
    }

    // The background (solid BACKGROUND_COLOUR) and a 300 x 2 divider (solid
    // DIVIDER_COLOUR) in the images folder.
    void WriteStandardImages() const
    {
        WriteImage("launcher_data/images/launcher_background.png",
                   MakeSolidImage(wxSize(64, 64), BACKGROUND_COLOUR));
        WriteImage("launcher_data/images/horiz_div_line.png",
                   MakeSolidImage(wxSize(300, 2), DIVIDER_COLOUR));
    }

    void WriteImage(const wxString& relative, const wxImage& image,
                    wxBitmapType type = wxBITMAP_TYPE_PNG) const
    {
        MakeDir(wxFileName(relative).GetPath());
        EXPECT_TRUE(image.SaveFile(Path(relative), type)) << relative;
    }

    // strings.xml of the language folder, holding these options.
    void WriteCatalogue(const std::string& options) const
    {
        WriteFile("launcher_data/en/strings.xml",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<strings>\n"
                  "<options>\n" + options + "</options>\n</strings>\n");
    }
};

typedef std::initializer_list<std::pair<const char*, const char*> > Texts;

// Texts in the string table for as long as it lives.
class StringsInUse
{
public:
    explicit StringsInUse(Texts texts)
    {
        g_stringTable.clear();
        for ( const auto& text : texts )
            g_stringTable[text.first] = text.second;
    }
    ~StringsInUse() { g_stringTable.clear(); }
};

// The masthead, welcome heading and welcome description.
const Texts WELCOME_TEXTS =
{
    { "masthead_label", "Masthead" },
    { "welcome_label", "Welcome" },
    { "welcome_description", "Pick an entry on the left to begin." },
};

// A panel built from a content folder on the test frame, destroyed with
// the holder. Everything logged meanwhile is captured.
class TestPanel
{
public:
    // The panel reads its content below the base folder.
    explicit TestPanel(const TempDir& content)
        : m_panel((g_baseDir = content.GetPath(),
                   new LauncherPanel(GetTestFrame()))),
          m_access(m_panel) { }
    ~TestPanel() { m_panel->Destroy(); }

    LauncherPanel* operator->() const { return m_panel; }
    LauncherPanel* Get() const { return m_panel; }
    LauncherPanelTestAccess& Access() { return m_access; }
    LogCapture& Log() { return m_log; }

private:
    LogCapture m_log;
    LauncherPanel* m_panel;
    LauncherPanelTestAccess m_access;
};

// The whole content rendered, as Render draws it, over a bitmap of the
// client size filled with the given colour.
inline wxImage RenderPanel(LauncherPanel* panel,
                           const wxColour& underneath = *wxWHITE)
{
    wxBitmap bitmap(panel->GetClientSize());
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(underneath));
        dc.Clear();
        panel->Render(dc);
    }
    return bitmap.ConvertToImage();
}

typedef std::function<bool (const wxColour&)> PixelTest;

inline wxColour PixelAt(const wxImage& image, int x, int y)
{
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y),
                    image.GetBlue(x, y));
}

// Anti-aliased text in TEXT_COLOUR over BACKGROUND_COLOUR: greyish, and
// clearly lighter than the background.
inline bool IsTextPixel(const wxColour& c)
{
    return c.Red() > 60 && abs(c.Red() - c.Green()) < 30 &&
           abs(c.Green() - c.Blue()) < 30;
}

// Black label text at its core.
inline bool IsBlackPixel(const wxColour& c)
{
    return c.Red() < 8 && c.Green() < 8 && c.Blue() < 8;
}

// The pixels in the rectangle (clipped to the image; the whole image when
// it is empty) that pass the test, and the smallest rectangle around them.
inline wxRect FindPixels(const wxImage& image, const wxRect& rect,
                         const PixelTest& test, int* count = NULL)
{
    const wxRect all(image.GetSize());
    const wxRect area = rect.IsEmpty() ? all : rect.Intersect(all);
    wxRect found;
    for ( int y = area.GetTop(); y <= area.GetBottom(); ++y )
        for ( int x = area.GetLeft(); x <= area.GetRight(); ++x )
            if ( test(PixelAt(image, x, y)) )
            {
                found = found.IsEmpty() ? wxRect(x, y, 1, 1)
                                        : found.Union(wxRect(x, y, 1, 1));
                if ( count )
                    ++*count;
            }
    return found;
}

inline int CountPixels(const wxImage& image, const wxRect& rect,
                       const PixelTest& test)
{
    int count = 0;
    FindPixels(image, rect, test, &count);
    return count;
}

inline int CountPixels(const wxImage& image, const wxRect& rect,
                       const wxColour& colour)
{
    return CountPixels(image, rect,
                       [&colour](const wxColour& c) { return c == colour; });
}

// The two pictures have the same size and the same pixels, except where
// the tolerance (when given) lets a pixel differ.
inline testing::AssertionResult SamePixels(
    const wxImage& expected, const wxImage& actual,
    const std::function<bool (int x, int y)>& tolerated = nullptr)
{
    if ( expected.GetSize() != actual.GetSize() )
        return testing::AssertionFailure()
               << "sizes differ: " << expected.GetSize() << " and "
               << actual.GetSize();
    int differing = 0;
    wxPoint first;
    for ( int y = 0; y < expected.GetHeight(); ++y )
        for ( int x = 0; x < expected.GetWidth(); ++x )
            if ( PixelAt(expected, x, y) != PixelAt(actual, x, y) &&
                 !(tolerated && tolerated(x, y)) && differing++ == 0 )
                first = wxPoint(x, y);
    if ( differing == 0 )
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << differing << " pixels differ, the first at " << first
           << ": expected " << PixelAt(expected, first.x, first.y)
           << ", found " << PixelAt(actual, first.x, first.y);
}

#endif // LAUNCHER_TESTS_GUI_PANELTESTSUPPORT_H
