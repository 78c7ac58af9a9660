///////////////////////////////////////////////////////////////////////////////
// Name:        tests/gui/RenderTest.cpp
// Purpose:     The picture that the launcher panel renders
///////////////////////////////////////////////////////////////////////////////

#include "PanelTestSupport.h"

#include "content/StringTable.h"
#include "panel/DCTextMeasurer.h"

#include <wx/dcmemory.h>

namespace
{

// A content folder with the standard pictures and these options.
struct RenderContent : ContentDir
{
    explicit RenderContent(const std::string& options)
    {
        WriteStandardImages();
        WriteCatalogue(options);
    }
};

std::string ThreeOptions()
{
    return MakeOption("browser", "", "Alpha entry", "First description") +
           MakeOption("browser", "", "Beta entry", "Second description") +
           MakeOption("browser", "", "Gamma entry", "Third description");
}

// The right-hand column, from the heading down.
wxRect GetColumn(const wxSize& client)
{
    return wxRect(client.x - 395, 100, 395, client.y - 100);
}

// The extent of a text in a font, as a memory context measures it.
wxSize MeasureText(const wxString& text, const wxFont& font)
{
    wxBitmap bitmap(1, 1);
    wxMemoryDC dc(bitmap);
    dc.SetFont(font);
    return dc.GetTextExtent(text);
}

const std::initializer_list<std::pair<const char*, const char*> >
    WELCOME_TEXTS =
{
    { "masthead_label", "Masthead" },
    { "welcome_label", "Welcome" },
    { "welcome_description", "Pick an entry on the left to begin." },
};

} // anonymous namespace

TEST(PanelRender, OnlyTheSelectedEntryIsHighlighted)
{
    StringsInUse strings(WELCOME_TEXTS);
    RenderContent content(ThreeOptions());
    TestPanel panel(content);
    ASSERT_EQ(3, panel.Access().EntryCount());

    for ( int selection : { -1, 1, 0, 2 } )
    {
        SCOPED_TRACE(testing::Message() << "selection " << selection);
        panel->SetSelection(selection);
        const wxImage image = RenderPanel(panel.Get());
        int highlighted = 0;
        for ( int n = 0; n < 3; ++n )
        {
            SCOPED_TRACE(testing::Message() << "entry " << n);
            const wxRect rect = panel.Access().Entry(n).rect;
            // Inside the outline that the context's pen draws.
            const wxRect inside = wxRect(rect).Deflate(2);
            const int highlight = CountPixels(image, rect, HIGHLIGHT_COLOUR);
            highlighted += highlight;
            if ( n == selection )
            {
                EXPECT_GT(highlight, inside.width * inside.height / 2);
                EXPECT_GT(CountPixels(image, inside, IsBlackPixel), 0);
            }
            else
            {
                EXPECT_EQ(0, highlight);
                EXPECT_EQ(0, CountPixels(image, inside, IsBlackPixel));
                EXPECT_GT(CountPixels(image, rect, IsTextPixel), 0);
            }
        }
        // Nothing outside the entries has the highlight's colour.
        EXPECT_EQ(highlighted, CountPixels(image, wxRect(), HIGHLIGHT_COLOUR));
    }
}

TEST(PanelRender, WithoutEntriesOnlyTheTextsShow)
{
    const char* const UNDEFINED = "Undefined Property";
    const struct
    {
        const char* masthead;
        const char* heading;
        const char* body;
        int selection;
        const char* shown[3];
    } cases[] =
    {
        { "Masthead", "Welcome", "Pick one.", -1,
          { "Masthead", "Welcome", "Pick one." } },
        { NULL, "Welcome", "Pick one.", -1,
          { UNDEFINED, "Welcome", "Pick one." } },
        { "Masthead", NULL, "", -1, { "Masthead", UNDEFINED, UNDEFINED } },
        // A slot beyond the count holds empty texts.
        { "Masthead", "Welcome", "Pick one.", 0, { "Masthead", "", "" } },
    };
    RenderContent content("");
    TestPanel panel(content);
    LauncherPanelTestAccess& access = panel.Access();
    const wxSize client = panel->GetClientSize();

    for ( const auto& c : cases )
    {
        SCOPED_TRACE(testing::Message() << "showing " << c.shown[0] << ", "
                     << c.shown[1] << ", " << c.shown[2]);
        StringsInUse strings({});
        const char* keys[] = { "masthead_label", "welcome_label",
                               "welcome_description" };
        const char* texts[] = { c.masthead, c.heading, c.body };
        for ( int n = 0; n < 3; ++n )
            if ( texts[n] )
                g_stringTable[keys[n]] = texts[n];
        panel->SetSelection(c.selection);

        // Each text on its own, in its font, where it belongs.
        wxBitmap bitmap(client);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(wxBrush(BACKGROUND_COLOUR));
            dc.Clear();
            dc.SetTextForeground(TEXT_COLOUR);
            dc.SetFont(access.MastheadFont());
            dc.DrawText(c.shown[0], 150, 33);
            dc.SetFont(access.HeadingFont());
            dc.DrawText(c.shown[1], client.x - 395, 105);
            dc.SetFont(access.BodyFont());
            dc.DrawText(c.shown[2], client.x - 395, 150);
        }
        EXPECT_TRUE(SamePixels(bitmap.ConvertToImage(),
                               RenderPanel(panel.Get())));
    }
}

TEST(PanelRender, IconLabelAndDividerOfEachEntry)
{
    StringsInUse strings(WELCOME_TEXTS);
    RenderContent content(MakeOption("browser", "icon.png", "With icon") +
                          MakeOption("browser", "", "Without icon"));
    content.WriteImage("launcher_data/en/icon.png",
                       MakeSolidImage(wxSize(48, 48), ICON_COLOUR));
    TestPanel panel(content);
    LauncherPanelTestAccess& access = panel.Access();
    ASSERT_EQ(2, access.EntryCount());

    const wxSize first = MeasureText("With icon", access.LabelFont());
    const wxSize second = MeasureText("Without icon", access.LabelFont());
    const wxRect rect0(30, 100, 48 + 10 + first.x + 20,
                       wxMax(48, first.y) + 20);
    const wxRect rect1(30, rect0.GetBottom() + 1 + 20, second.x + 20,
                       second.y + 20);
    EXPECT_EQ(rect0, access.Entry(0).rect);
    EXPECT_EQ(rect1, access.Entry(1).rect);

    const wxImage image = RenderPanel(panel.Get());
    EXPECT_TRUE(AllPixelsAre(image, wxRect(40, 110, 48, 48), ICON_COLOUR));
    EXPECT_EQ(48 * 48, CountPixels(image, wxRect(), ICON_COLOUR));
    for ( const wxRect& rect : { rect0, rect1 } )
    {
        SCOPED_TRACE(testing::Message() << "entry " << rect);
        EXPECT_TRUE(AllPixelsAre(image,
                                 wxRect(30, rect.GetBottom() + 1 + 10, 300, 2),
                                 DIVIDER_COLOUR));
    }
    EXPECT_EQ(2 * 300 * 2, CountPixels(image, wxRect(), DIVIDER_COLOUR));

    // The labels start behind the icon space and are centred vertically.
    const wxRect label0 = FindPixels(image, rect0, IsTextPixel);
    const wxRect label1 = FindPixels(image, rect1, IsTextPixel);
    EXPECT_GE(label0.x, 98);
    EXPECT_LT(label0.x, 98 + 4);
    EXPECT_GE(label1.x, 40);
    EXPECT_LT(label1.x, 40 + 4);
    EXPECT_GE(label0.y, rect0.y + rect0.height / 2 - first.y / 2);
    EXPECT_GE(label1.y, rect1.y + 10);
    EXPECT_LE(label1.GetBottom(), rect1.GetBottom() - 10);
}

TEST(PanelRender, BodyLinesFollowOneAnother)
{
    // One word over and over, so that every line holds the same text.
    StringsInUse strings(WELCOME_TEXTS);
    ContentDir content;
    content.WriteStandardImages();
    wxString words;
    for ( int n = 0; n < 40; ++n )
        words += "Hamburg ";
    int perLine = 0;
    int lineHeight = 0;
    {
        TestPanel probe(content);
        wxBitmap bitmap(1, 1);
        wxMemoryDC dc(bitmap);
        dc.SetFont(probe.Access().BodyFont());
        const wxArrayString lines = WrapText(dc, words, 365, 1000);
        ASSERT_GT(lines.size(), 3u);
        perLine = wxSplit(lines[0].Strip(), ' ').size();
        lineHeight = dc.GetTextExtent(lines[0]).y;
    }
    std::string description;
    for ( int n = 0; n < 3 * perLine; ++n )
        description += n ? " Hamburg" : "Hamburg";
    content.WriteCatalogue(MakeOption("browser", "", "Lines", description));
    TestPanel panel(content);
    panel->SetSelection(0);
    const wxImage image = RenderPanel(panel.Get());

    const int x = panel->GetClientSize().x - 395;
    const wxRect first = FindPixels(image, wxRect(x, 150, 395, lineHeight),
                                    IsTextPixel);
    ASSERT_FALSE(first.IsEmpty());
    for ( int line = 1; line < 3; ++line )
    {
        SCOPED_TRACE(testing::Message() << "line " << line);
        wxRect expected = first;
        expected.y += line * lineHeight;
        const wxRect band(x, 150 + line * lineHeight, 395, lineHeight);
        EXPECT_EQ(expected, FindPixels(image, band, IsTextPixel));
    }
    EXPECT_EQ(0, CountPixels(image, wxRect(x, 150 + 3 * lineHeight, 395,
                                           image.GetHeight()),
                             IsTextPixel));
}

TEST(PanelRender, WithoutPicturesTheTextsStillShow)
{
    StringsInUse strings(WELCOME_TEXTS);
    ContentDir content;
    content.WriteCatalogue(ThreeOptions());
    TestPanel panel(content);
    const wxSize client = panel->GetClientSize();

    const wxImage image = RenderPanel(panel.Get(), BACKGROUND_COLOUR);
    EXPECT_GT(CountPixels(image, wxRect(150, 33, 200, 30), IsTextPixel), 0);
    EXPECT_GT(CountPixels(image, panel.Access().Entry(0).rect, IsTextPixel),
              0);
    EXPECT_GT(CountPixels(image, GetColumn(client), IsTextPixel), 0);
    // Nothing stands in for the pictures.
    EXPECT_TRUE(AllPixelsAre(image, wxRect(0, 0, 150, 33), BACKGROUND_COLOUR));
    const wxRect below = panel.Access().Entry(0).rect;
    EXPECT_TRUE(AllPixelsAre(image, wxRect(30, below.GetBottom() + 1, 300, 20),
                             BACKGROUND_COLOUR));
}

TEST(PanelRender, ClippedRepaintEqualsFullPaint)
{
    StringsInUse strings(WELCOME_TEXTS);
    RenderContent content(
        MakeOption("browser", "icon.png", "A rather long first label",
                   "A description long enough to wrap over several lines of "
                   "the body, so that the column changes a lot when another "
                   "entry is selected.") +
        MakeOption("browser", "", "Short", "Brief.") +
        MakeOption("browser", "icon.png", "Third", ""));
    content.WriteImage("launcher_data/en/icon.png",
                       MakeSolidImage(wxSize(32, 40), ICON_COLOUR));
    TestPanel panel(content);

    wxRegion repainted;
    panel.Access().OnRepaint([&repainted](const wxRegion& region)
                             { repainted = region; });

    const int changes[][2] = { { -1, 0 }, { 0, 2 }, { 2, 1 }, { 1, -1 } };
    for ( const auto& change : changes )
    {
        SCOPED_TRACE(testing::Message() << "from " << change[0] << " to "
                     << change[1]);
        panel->SetSelection(change[0]);
        wxBitmap bitmap(RenderPanel(panel.Get()));
        ASSERT_TRUE(panel->SetSelection(change[1]));
        const wxImage full = RenderPanel(panel.Get());
        {
            wxMemoryDC dc(bitmap);
            dc.SetDeviceClippingRegion(repainted);
            panel->Render(dc);
        }
        EXPECT_TRUE(SamePixels(full, bitmap.ConvertToImage()));
    }
}
