///////////////////////////////////////////////////////////////////////////////
// Name:        tests/gui/PanelTestSupport.h
// Purpose:     Content folders, panels and pixel checks shared by the
//              display tests of the launcher panel
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_TESTS_GUI_PANELTESTSUPPORT_H
#define LAUNCHER_TESTS_GUI_PANELTESTSUPPORT_H

#include "GuiTestSupport.h"
#include "PanelAccess.h"

#include <gtest/gtest.h>

#include <wx/colour.h>
#include <wx/image.h>

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

// A picture of one colour.
wxImage MakeSolidImage(const wxSize& size, const wxColour& colour);

// The bytes of a picture's file in the format given.
std::string EncodeImage(const wxImage& image,
                        wxBitmapType type = wxBITMAP_TYPE_PNG);

// One "option" element of strings.xml.
std::string MakeOption(const std::string& type, const std::string& icon,
                       const std::string& label,
                       const std::string& description = "",
                       const std::string& data = "");

// A content folder: "launcher_data" with its images and the "en" language
// folder, which every locale falls back to.
class ContentDir : public TempDir
{
public:
    // The background (solid BACKGROUND_COLOUR) and a 300 x 2 divider (solid
    // DIVIDER_COLOUR) in the images folder.
    void WriteStandardImages() const;

    void WriteImage(const wxString& relative, const wxImage& image,
                    wxBitmapType type = wxBITMAP_TYPE_PNG) const;

    // strings.xml of the language folder, holding these options.
    void WriteCatalogue(const std::string& options) const;

    wxString ImagePath(const wxString& name) const;
    wxString LanguagePath(const wxString& name) const;
};

// Texts in the string table for as long as it lives.
class StringsInUse
{
public:
    StringsInUse(std::initializer_list<std::pair<const char*, const char*> >
                     texts);
    ~StringsInUse();
};

// A panel built from a content folder on the test frame, destroyed with
// the holder. Everything logged meanwhile is captured.
class TestPanel
{
public:
    explicit TestPanel(const TempDir& content);
    ~TestPanel();

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
wxImage RenderPanel(LauncherPanel* panel,
                    const wxColour& underneath = *wxWHITE);

wxColour PixelAt(const wxImage& image, int x, int y);

// Anti-aliased text in TEXT_COLOUR over BACKGROUND_COLOUR: greyish, and
// clearly lighter than the background.
bool IsTextPixel(const wxColour& c);

// Black label text at its core.
bool IsBlackPixel(const wxColour& c);

// The pixels in the rectangle (clipped to the image) of which the test
// holds.
int CountPixels(const wxImage& image, const wxRect& rect,
                bool (*test)(const wxColour&));
int CountPixels(const wxImage& image, const wxRect& rect,
                const wxColour& colour);

// The smallest rectangle around the pixels of the rectangle of which the
// test holds; empty when there are none.
wxRect FindPixels(const wxImage& image, const wxRect& rect,
                  bool (*test)(const wxColour&));

// Every pixel of the rectangle has the colour.
testing::AssertionResult AllPixelsAre(const wxImage& image, const wxRect& rect,
                                      const wxColour& colour);

// The two pictures have the same size and the same pixels in the
// rectangle (everywhere when it is empty).
testing::AssertionResult SamePixels(const wxImage& expected,
                                    const wxImage& actual,
                                    const wxRect& rect = wxRect());

#endif // LAUNCHER_TESTS_GUI_PANELTESTSUPPORT_H
