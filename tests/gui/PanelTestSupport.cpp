///////////////////////////////////////////////////////////////////////////////
// Name:        tests/gui/PanelTestSupport.cpp
// Purpose:     Content folders, panels and pixel checks shared by the
//              display tests of the launcher panel
///////////////////////////////////////////////////////////////////////////////

#include "PanelTestSupport.h"

#include "content/DataFolders.h"
#include "content/StringTable.h"

#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/mstream.h>

#include <stdlib.h>

wxImage MakeSolidImage(const wxSize& size, const wxColour& colour)
{
    wxImage image(size);
    image.SetRGB(wxRect(size), colour.Red(), colour.Green(), colour.Blue());
    return image;
}

std::string EncodeImage(const wxImage& image, wxBitmapType type)
{
    wxMemoryOutputStream stream;
    EXPECT_TRUE(image.SaveFile(stream, type));
    std::string bytes(stream.GetLength(), '\0');
    stream.CopyTo(&bytes[0], bytes.size());
    return bytes;
}

std::string MakeOption(const std::string& type, const std::string& icon,
                       const std::string& label,
                       const std::string& description,
                       const std::string& data)
{
    return "<option><type>" + type + "</type><icon>" + icon + "</icon>"
           "<label>" + label + "</label><description>" + description +
           "</description><data>" + data + "</data></option>\n";
}

void ContentDir::WriteStandardImages() const
{
    WriteImage("launcher_data/images/launcher_background.png",
               MakeSolidImage(wxSize(64, 64), BACKGROUND_COLOUR));
    WriteImage("launcher_data/images/horiz_div_line.png",
               MakeSolidImage(wxSize(300, 2), DIVIDER_COLOUR));
}

void ContentDir::WriteImage(const wxString& relative, const wxImage& image,
                            wxBitmapType type) const
{
    WriteFile(relative, EncodeImage(image, type));
}

void ContentDir::WriteCatalogue(const std::string& options) const
{
    WriteFile("launcher_data/en/strings.xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<strings>\n"
              "<options>\n" + options + "</options>\n</strings>\n");
}

wxString ContentDir::ImagePath(const wxString& name) const
{
    return Path("launcher_data/images/" + name);
}

wxString ContentDir::LanguagePath(const wxString& name) const
{
    return Path("launcher_data/en/" + name);
}

StringsInUse::StringsInUse(
    std::initializer_list<std::pair<const char*, const char*> > texts)
{
    g_stringTable.clear();
    for ( const auto& text : texts )
        g_stringTable[text.first] = text.second;
}

StringsInUse::~StringsInUse()
{
    g_stringTable.clear();
}

namespace
{

LauncherPanel* BuildPanel(const TempDir& content)
{
    g_baseDir = content.GetPath();
    return new LauncherPanel(GetTestFrame());
}

} // anonymous namespace

TestPanel::TestPanel(const TempDir& content)
    : m_panel(BuildPanel(content)),
      m_access(m_panel)
{
}

TestPanel::~TestPanel()
{
    m_panel->Destroy();
}

wxImage RenderPanel(LauncherPanel* panel, const wxColour& underneath)
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

bool IsTextPixel(const wxColour& c)
{
    return c.Red() > 60 && abs(c.Red() - c.Green()) < 30 &&
           abs(c.Green() - c.Blue()) < 30;
}

bool IsBlackPixel(const wxColour& c)
{
    return c.Red() < 8 && c.Green() < 8 && c.Blue() < 8;
}

wxColour PixelAt(const wxImage& image, int x, int y)
{
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y),
                    image.GetBlue(x, y));
}

namespace
{

wxRect ClipToImage(const wxImage& image, const wxRect& rect)
{
    const wxRect all(image.GetSize());
    return rect.IsEmpty() ? all : rect.Intersect(all);
}

template <typename Test>
int CountMatching(const wxImage& image, const wxRect& rect, Test test)
{
    const wxRect area = ClipToImage(image, rect);
    int count = 0;
    for ( int y = area.GetTop(); y <= area.GetBottom(); ++y )
        for ( int x = area.GetLeft(); x <= area.GetRight(); ++x )
            if ( test(PixelAt(image, x, y)) )
                ++count;
    return count;
}

} // anonymous namespace

int CountPixels(const wxImage& image, const wxRect& rect,
                bool (*test)(const wxColour&))
{
    return CountMatching(image, rect, test);
}

int CountPixels(const wxImage& image, const wxRect& rect,
                const wxColour& colour)
{
    return CountMatching(image, rect,
                         [&colour](const wxColour& c) { return c == colour; });
}

wxRect FindPixels(const wxImage& image, const wxRect& rect,
                  bool (*test)(const wxColour&))
{
    const wxRect area = ClipToImage(image, rect);
    wxRect found;
    for ( int y = area.GetTop(); y <= area.GetBottom(); ++y )
        for ( int x = area.GetLeft(); x <= area.GetRight(); ++x )
            if ( test(PixelAt(image, x, y)) )
                found = found.IsEmpty() ? wxRect(x, y, 1, 1)
                                        : found.Union(wxRect(x, y, 1, 1));
    return found;
}

testing::AssertionResult AllPixelsAre(const wxImage& image, const wxRect& rect,
                                      const wxColour& colour)
{
    const wxRect area = ClipToImage(image, rect);
    if ( area != rect )
        return testing::AssertionFailure() << rect << " leaves the picture";
    const int wrong = area.width * area.height -
                      CountPixels(image, area, colour);
    if ( wrong == 0 )
        return testing::AssertionSuccess();

    for ( int y = area.GetTop(); y <= area.GetBottom(); ++y )
        for ( int x = area.GetLeft(); x <= area.GetRight(); ++x )
            if ( PixelAt(image, x, y) != colour )
                return testing::AssertionFailure()
                       << wrong << " pixels of " << rect << " are not "
                       << colour << ", the first at " << wxPoint(x, y)
                       << ": " << PixelAt(image, x, y);
    return testing::AssertionFailure();
}

testing::AssertionResult SamePixels(const wxImage& expected,
                                    const wxImage& actual, const wxRect& rect)
{
    if ( expected.GetSize() != actual.GetSize() )
        return testing::AssertionFailure()
               << "sizes differ: " << expected.GetSize() << " and "
               << actual.GetSize();

    const wxRect area = ClipToImage(expected, rect);
    int differing = 0;
    wxPoint first;
    for ( int y = area.GetTop(); y <= area.GetBottom(); ++y )
        for ( int x = area.GetLeft(); x <= area.GetRight(); ++x )
            if ( PixelAt(expected, x, y) != PixelAt(actual, x, y) &&
                 differing++ == 0 )
                first = wxPoint(x, y);

    if ( differing == 0 )
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << differing << " pixels differ, the first at " << first
           << ": expected " << PixelAt(expected, first.x, first.y)
           << ", found " << PixelAt(actual, first.x, first.y);
}
