///////////////////////////////////////////////////////////////////////////////
// Name:        tests/gui/PanelTest.cpp
// Purpose:     The launcher panel as its constructor leaves it: pictures,
//              look, entries and icons
///////////////////////////////////////////////////////////////////////////////

#include "PanelTestSupport.h"

#include <wx/frame.h>

namespace
{

wxSize GetFrameClientSize()
{
    return GetTestFrame()->GetClientSize();
}

// Whether a message of the level mentions the text.
bool Logged(const LogCapture& log, wxLogLevel level, const wxString& text)
{
    for ( const wxString& message : log.GetTexts(level) )
        if ( message.Contains(text) )
            return true;
    return false;
}

const char GARBAGE[] = "this is no picture in any format\n";

} // anonymous namespace

TEST(PanelPictures, BackgroundIsScaledToTheClientArea)
{
    const wxSize client = GetFrameClientSize();
    // Four quadrants of their own red and green, so that each corner of
    // the scaled picture shows where its pixels came from, and a pattern
    // in blue.
    const wxSize sizes[] = { wxSize(2, 2), wxSize(100, 20), wxSize(20, 900),
                             wxSize(2000, 1600), client };
    for ( const wxSize& size : sizes )
    {
        SCOPED_TRACE(testing::Message() << "file of " << size);
        wxImage file(size);
        for ( int y = 0; y < size.y; ++y )
            for ( int x = 0; x < size.x; ++x )
                file.SetRGB(x, y, x < size.x / 2 ? 200 : 40,
                            y < size.y / 2 ? 200 : 40, (x * 7 + y) % 256);
        ContentDir content;
        content.WriteImage("launcher_data/images/launcher_background.png",
                           file);
        TestPanel panel(content);

        const wxImage& background = panel.Access().Background();
        ASSERT_TRUE(background.IsOk());
        EXPECT_EQ(client, background.GetSize());
        if ( size == client )
        {
            EXPECT_TRUE(SamePixels(file, background));
            continue;
        }
        const int right = client.x - 1, bottom = client.y - 1;
        EXPECT_EQ(200, background.GetRed(0, 0));
        EXPECT_EQ(200, background.GetGreen(0, 0));
        EXPECT_EQ(40, background.GetRed(right, 0));
        EXPECT_EQ(40, background.GetGreen(0, bottom));
        EXPECT_EQ(40, background.GetRed(right, bottom));
        EXPECT_EQ(40, background.GetGreen(right, bottom));
    }
}

TEST(PanelPictures, ComeFromTheImagesFolderWhateverTheirFormat)
{
    const wxBitmapType types[] = { wxBITMAP_TYPE_PNG, wxBITMAP_TYPE_BMP };
    for ( wxBitmapType type : types )
    {
        SCOPED_TRACE(type == wxBITMAP_TYPE_PNG ? "PNG files" : "BMP files");
        ContentDir content;
        content.WriteImage("launcher_data/images/launcher_background.png",
                           MakeSolidImage(wxSize(40, 30), BACKGROUND_COLOUR),
                           type);
        content.WriteImage("launcher_data/images/horiz_div_line.png",
                           MakeSolidImage(wxSize(300, 3), DIVIDER_COLOUR),
                           type);
        // Pictures of the same names in the language folder are decoys.
        const wxImage decoy = MakeSolidImage(wxSize(17, 9), ICON_COLOUR);
        for ( const char* name : { "launcher_background.png",
                                   "horiz_div_line.png",
                                   "images/launcher_background.png",
                                   "images/horiz_div_line.png" } )
            content.WriteImage(wxString("launcher_data/en/") + name, decoy);
        content.WriteCatalogue("");
        TestPanel panel(content);

        const wxImage& background = panel.Access().Background();
        const wxImage& divider = panel.Access().Divider();
        EXPECT_TRUE(AllPixelsAre(background, wxRect(GetFrameClientSize()),
                                 BACKGROUND_COLOUR));
        EXPECT_EQ(wxSize(300, 3), divider.GetSize());
        EXPECT_TRUE(AllPixelsAre(divider, wxRect(0, 0, 300, 3),
                                 DIVIDER_COLOUR));
    }
}

TEST(PanelPictures, UnreadablePicturesAreReportedAndLeftEmpty)
{
    const struct
    {
        const char* name;
        bool written;
        wxLogLevel level;
    } cases[] =
    {
        { "missing files", false, wxLOG_Error },
        { "files that are no pictures", true, wxLOG_Warning },
    };
    for ( const auto& c : cases )
    {
        SCOPED_TRACE(c.name);
        ContentDir content;
        if ( c.written )
        {
            content.WriteFile("launcher_data/images/launcher_background.png",
                              GARBAGE);
            content.WriteFile("launcher_data/images/horiz_div_line.png",
                              GARBAGE);
        }
        content.WriteCatalogue(MakeOption("executable", "", "First") +
                               MakeOption("browser", "", "Second"));
        TestPanel panel(content);
        LauncherPanelTestAccess& access = panel.Access();

        EXPECT_FALSE(access.Background().IsOk());
        EXPECT_FALSE(access.Divider().IsOk());
        EXPECT_TRUE(Logged(panel.Log(), wxLOG_Error,
                           content.ImagePath("launcher_background.png")));
        EXPECT_TRUE(Logged(panel.Log(), wxLOG_Error,
                           content.ImagePath("horiz_div_line.png")));
        EXPECT_FALSE(panel.Log().GetTexts(c.level).empty());

        // The rest of the panel does not depend on the pictures.
        ASSERT_EQ(2, access.EntryCount());
        EXPECT_EQ(wxPoint(30, 100), access.Entry(0).rect.GetPosition());
        EXPECT_GT(access.Entry(1).rect.y, access.Entry(0).rect.GetBottom());
        EXPECT_EQ(-1, access.Selection());
        for ( int n = 0; n < MAX_ENTRIES; ++n )
            EXPECT_EQ(-1, access.Pid(n));
    }
}

TEST(PanelConstruction, WithoutCatalogueEverySlotStaysEmpty)
{
    ContentDir content;
    content.WriteStandardImages();
    TestPanel panel(content);
    LauncherPanelTestAccess& access = panel.Access();

    EXPECT_EQ(0, access.EntryCount());
    EXPECT_EQ(-1, access.Selection());
    for ( int n = 0; n < MAX_ENTRIES; ++n )
    {
        SCOPED_TRACE(testing::Message() << "slot " << n);
        const LaunchEntry& entry = access.Entry(n);
        EXPECT_TRUE(entry.type.empty());
        EXPECT_FALSE(entry.icon.IsOk());
        EXPECT_TRUE(entry.label.empty());
        EXPECT_TRUE(entry.description.empty());
        EXPECT_TRUE(entry.data.empty());
        EXPECT_EQ(wxRect(), entry.rect);
        EXPECT_EQ(-1, access.Pid(n));
    }
}

TEST(PanelConstruction, LookSizeAndStyle)
{
    ContentDir content;
    content.WriteStandardImages();
    TestPanel panel(content);
    LauncherPanelTestAccess& access = panel.Access();

    const struct
    {
        const char* name;
        const wxFont& font;
        wxFontWeight weight;
    } fonts[] =
    {
        { "masthead", access.MastheadFont(), wxFONTWEIGHT_BOLD },
        { "label", access.LabelFont(), wxFONTWEIGHT_NORMAL },
        { "heading", access.HeadingFont(), wxFONTWEIGHT_BOLD },
        { "body", access.BodyFont(), wxFONTWEIGHT_NORMAL },
    };
    for ( const auto& f : fonts )
    {
        SCOPED_TRACE(f.name);
        ASSERT_TRUE(f.font.IsOk());
        EXPECT_EQ(12, f.font.GetPointSize());
        EXPECT_EQ(wxFONTFAMILY_SWISS, f.font.GetFamily());
        EXPECT_EQ(wxFONTSTYLE_NORMAL, f.font.GetStyle());
        EXPECT_EQ(f.weight, f.font.GetWeight());
        EXPECT_FALSE(f.font.GetUnderlined());
    }

    EXPECT_EQ(TEXT_COLOUR, access.TextColour());
    EXPECT_EQ(255, access.TextColour().Alpha());
    EXPECT_EQ(HIGHLIGHT_COLOUR, access.HighlightColour());
    EXPECT_EQ(255, access.HighlightColour().Alpha());
    ASSERT_TRUE(access.HighlightBrush().IsOk());
    EXPECT_EQ(wxBRUSHSTYLE_SOLID, access.HighlightBrush().GetStyle());
    EXPECT_EQ(HIGHLIGHT_COLOUR, access.HighlightBrush().GetColour());
    EXPECT_TRUE(access.HandCursor().IsOk());

    // Tab, the arrows, Enter and Escape must reach the key handler.
    EXPECT_TRUE(panel->HasFlag(wxWANTS_CHARS));
    EXPECT_FALSE(panel->HasFlag(wxTAB_TRAVERSAL));
    EXPECT_EQ(wxPoint(0, 0), panel->GetPosition());
    EXPECT_EQ(GetFrameClientSize(), panel->GetSize());
    EXPECT_EQ(GetFrameClientSize(), panel->GetClientSize());
}

TEST(PanelEntries, AtMostFiveAreStored)
{
    StringsInUse strings({ { "unsupported_type", "Cannot launch \"%s\"" } });
    ContentDir content;
    content.WriteStandardImages();
    content.WriteCatalogue(MakeOption("executable", "", "one") +
                           MakeOption("Browser", "", "two") +
                           MakeOption("exe", "", "refused") +
                           MakeOption("mimelookup", "", "three") +
                           MakeOption("executable", "", "four") +
                           MakeOption("executable", "", "five") +
                           MakeOption("executable", "", "six") +
                           MakeOption("Video", "", "late"));
    TestPanel panel(content);
    LauncherPanelTestAccess& access = panel.Access();

    ASSERT_EQ(5, access.EntryCount());
    const char* labels[] = { "one", "two", "three", "four", "five" };
    for ( int n = 0; n < 5; ++n )
        EXPECT_EQ(labels[n], access.Entry(n).label);
    EXPECT_EQ("Browser", access.Entry(1).type);
    // Reported even once the slots are full.
    const std::vector<wxString> errors = panel.Log().GetTexts(wxLOG_Error);
    EXPECT_EQ((std::vector<wxString>{ "Cannot launch \"exe\"",
                                      "Cannot launch \"Video\"" }),
              errors);
}

TEST(PanelEntries, IconsAreLoadedFromFilesOnly)
{
    ContentDir content;
    content.WriteStandardImages();
    const wxImage icon = MakeSolidImage(wxSize(24, 16), ICON_COLOUR);
    content.WriteImage("launcher_data/en/icon.png", icon);
    content.WriteImage("launcher_data/en/bitmap.png", icon, wxBITMAP_TYPE_BMP);
    content.WriteFile("launcher_data/en/garbage.png", GARBAGE);
    content.MakeDir("launcher_data/en/folder.png");
    TestPanel panel(content);
    LauncherPanelTestAccess& access = panel.Access();
    ASSERT_EQ(0, access.EntryCount());

    const struct
    {
        const char* file;
        bool loaded;
        bool reported;
    } cases[] =
    {
        { "icon.png", true, false },
        { "bitmap.png", true, false },
        { "missing.png", false, false },
        { "folder.png", false, false },
        { "garbage.png", false, true },
    };
    int slot = 0;
    for ( const auto& c : cases )
    {
        SCOPED_TRACE(c.file);
        panel.Log().Clear();
        ASSERT_TRUE(access.AddEntry("browser", content.LanguagePath(c.file),
                                    c.file, "description", "data"));
        const LaunchEntry& entry = access.Entry(slot++);
        EXPECT_EQ(slot, access.EntryCount());
        EXPECT_EQ(c.file, entry.label);
        EXPECT_EQ("data", entry.data);
        EXPECT_EQ(c.loaded, entry.icon.IsOk());
        if ( c.loaded )
        {
            EXPECT_TRUE(SamePixels(icon, entry.icon));
        }
        EXPECT_EQ(c.reported, !panel.Log().GetMessages().empty());
    }
    // The slots are full now.
    EXPECT_FALSE(access.AddEntry("browser", content.LanguagePath("icon.png"),
                                 "sixth", "", ""));
    EXPECT_EQ(5, access.EntryCount());
}
