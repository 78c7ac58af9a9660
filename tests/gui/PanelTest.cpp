///////////////////////////////////////////////////////////////////////////////
// Name:        tests/gui/PanelTest.cpp
// Purpose:     The launcher panel as its constructor leaves it (pictures,
//              look, entries, icons) and the picture that it renders
///////////////////////////////////////////////////////////////////////////////

#include "PanelTestSupport.h"

#include "panel/DCTextMeasurer.h"

#include <wx/dcclient.h>

namespace
{

const char GARBAGE[] = "this is no picture in any format\n";
const char BACKGROUND_FILE[] = "launcher_data/images/launcher_background.png";
const char DIVIDER_FILE[] = "launcher_data/images/horiz_div_line.png";

std::string ThreeOptions()
{
    return MakeOption("browser", "", "Alpha entry", "First description") +
           MakeOption("browser", "", "Beta entry", "Second description") +
           MakeOption("browser", "", "Gamma entry", "Third description");
}

// The sentences repeated until the text has this many characters.
wxString RepeatText(const char* const sentences[], size_t count, size_t length)
{
    wxString text;
    for ( size_t n = 0; text.length() < length; n = (n + 1) % count )
        text += wxString::FromUTF8(sentences[n]);
    return text.Left(length);
}

wxString FitMeasuringWhole(const wxDC& dc, const wxString& text, int maxWidth)
{
    if ( dc.GetTextExtent(text).x <= maxWidth )
        return text;
    const int ellipsisWidth = dc.GetTextExtent("...").x;
    wxArrayInt widths;
    dc.GetPartialTextExtents(text, widths);
    for ( size_t k = 0; k < widths.size(); ++k )
        if ( widths[k] + ellipsisWidth > maxWidth )
            return k < 4 ? wxString("...") : text.Left(k - 4) + "...";
    return text;
}

} // anonymous namespace

TEST(PanelPictures, ComeFromTheImagesFolderAndOnlyTheBackgroundIsScaled)
{
    const wxSize client = GetTestFrame()->GetClientSize();
    const wxImage divider = MakeSolidImage(wxSize(300, 3), DIVIDER_COLOUR);
    // Four quadrants of their own red and green, so that each corner of the
    // scaled picture shows where its pixels came from, and a pattern in
    // blue. BMP files under ".png" names are read as well.
    const std::pair<wxSize, wxBitmapType> cases[] =
    {
        { wxSize(2, 2), wxBITMAP_TYPE_PNG },
        { wxSize(100, 20), wxBITMAP_TYPE_BMP },
        { wxSize(20, 900), wxBITMAP_TYPE_PNG },
        { wxSize(2000, 1600), wxBITMAP_TYPE_PNG },
        // A camera photo's size: more pixels than an icon may have.
        { wxSize(6000, 4000), wxBITMAP_TYPE_BMP },
        { client, wxBITMAP_TYPE_BMP },
    };
    for ( const auto& c : cases )
    {
        const wxSize size = c.first;
        SCOPED_TRACE(testing::Message() << "file of " << size << ", type "
                     << c.second);
        wxImage file(size);
        for ( int y = 0; y < size.y; ++y )
            for ( int x = 0; x < size.x; ++x )
                file.SetRGB(x, y, x < size.x / 2 ? 200 : 40,
                            y < size.y / 2 ? 200 : 40, (x * 7 + y) % 256);
        ContentDir content;
        content.WriteImage(BACKGROUND_FILE, file, c.second);
        content.WriteImage(DIVIDER_FILE, divider, c.second);
        // Pictures of the same names in the language folder are decoys.
        for ( const char* name : { "launcher_background.png",
                                   "horiz_div_line.png",
                                   "images/launcher_background.png",
                                   "images/horiz_div_line.png" } )
            content.WriteImage(wxString("launcher_data/en/") + name,
                               MakeSolidImage(wxSize(17, 9), ICON_COLOUR));
        content.WriteCatalogue("");
        TestPanel panel(content);

        EXPECT_TRUE(SamePixels(divider, panel.Access().Divider()));
        const wxImage& background = panel.Access().Background();
        ASSERT_TRUE(background.IsOk());
        EXPECT_EQ(client, background.GetSize());
        if ( size == client )
        {
            EXPECT_TRUE(SamePixels(file, background));
            continue;
        }
        // Red and green at the top left, red at the top right, green at the
        // bottom left, red and green at the bottom right.
        const int r = client.x - 1, b = client.y - 1;
        EXPECT_EQ("200 200 40 40 40 40", wxString::Format("%d %d %d %d %d %d",
            background.GetRed(0, 0), background.GetGreen(0, 0),
            background.GetRed(r, 0), background.GetGreen(0, b),
            background.GetRed(r, b), background.GetGreen(r, b)));
    }
}

TEST(PanelPictures, UnreadablePicturesAreReportedAndTheRestStillWorks)
{
    StringsInUse strings(WELCOME_TEXTS);
    for ( bool written : { false, true } )
    {
        SCOPED_TRACE(written ? "files that are no pictures" : "missing files");
        ContentDir content;
        if ( written )
        {
            content.WriteFile(BACKGROUND_FILE, GARBAGE);
            content.WriteFile(DIVIDER_FILE, GARBAGE);
        }
        content.WriteCatalogue(ThreeOptions());
        TestPanel panel(content);
        LauncherPanelTestAccess& access = panel.Access();

        EXPECT_FALSE(access.Background().IsOk());
        EXPECT_FALSE(access.Divider().IsOk());
        const std::vector<wxString> logged = panel.Log().GetTexts(wxLOG_Error);
        const wxString errors = wxJoin(wxArrayString(logged.size(),
                                                     logged.data()), '\n');
        EXPECT_TRUE(errors.Contains(content.Path(BACKGROUND_FILE))) << errors;
        EXPECT_TRUE(errors.Contains(content.Path(DIVIDER_FILE))) << errors;
        if ( written )
        {
            EXPECT_FALSE(panel.Log().GetTexts(wxLOG_Warning).empty());
        }

        // The rest of the panel does not depend on the pictures.
        ASSERT_EQ(3, access.EntryCount());
        const wxRect first = access.Entry(0).rect;
        EXPECT_EQ(wxPoint(30, 100), first.GetPosition());
        EXPECT_GT(access.Entry(1).rect.y, first.GetBottom());
        EXPECT_EQ(-1, access.Selection());
        for ( int n = 0; n < MAX_ENTRIES; ++n )
            EXPECT_EQ(-1, access.Pid(n)) << "slot " << n;

        // The texts still show, on one dark colour that covers whatever was
        // there, so that a repaint leaves nothing behind; nothing stands in
        // for the divider.
        const wxSize client = panel->GetClientSize();
        const wxImage image = RenderPanel(panel.Get(), *wxWHITE);
        EXPECT_TRUE(SamePixels(image, RenderPanel(panel.Get(), *wxBLACK)));
        const wxColour fill = PixelAt(image, 0, 0);
        EXPECT_LT(fill.Red() + fill.Green() + fill.Blue(), 3 * 60) << fill;
        EXPECT_GT(CountPixels(image, wxRect(150, 33, 200, 30), IsTextPixel), 0);
        EXPECT_GT(CountPixels(image, first, IsTextPixel), 0);
        EXPECT_GT(CountPixels(image, wxRect(client.x - 395, 100, 395,
                                            client.y - 100), IsTextPixel), 0);
        EXPECT_EQ(150 * 33, CountPixels(image, wxRect(0, 0, 150, 33), fill));
        EXPECT_EQ(300 * 20, CountPixels(image, wxRect(30, first.GetBottom() + 1,
                                                      300, 20), fill));
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
        const LaunchEntry& entry = access.Entry(n);
        EXPECT_TRUE(entry.type.empty() && entry.label.empty() &&
                    entry.description.empty() && entry.data.empty() &&
                    !entry.icon.IsOk() && entry.rect == wxRect() &&
                    access.Pid(n) == -1) << "slot " << n;
    }

    // Tab, the arrows, Enter and Escape must reach the key handler.
    EXPECT_TRUE(panel->HasFlag(wxWANTS_CHARS));
    EXPECT_FALSE(panel->HasFlag(wxTAB_TRAVERSAL));
    EXPECT_EQ(wxRect(GetTestFrame()->GetClientSize()), panel->GetRect());
    EXPECT_EQ(GetTestFrame()->GetClientSize(), panel->GetClientSize());

    const wxFont bold(12, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL,
                      wxFONTWEIGHT_BOLD);
    const wxFont normal(12, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL,
                        wxFONTWEIGHT_NORMAL);
    EXPECT_TRUE(access.MastheadFont() == bold);
    EXPECT_TRUE(access.HeadingFont() == bold);
    EXPECT_TRUE(access.LabelFont() == normal);
    EXPECT_TRUE(access.BodyFont() == normal);
}

TEST(PanelEntries, AtMostFiveWithIconsFromFilesOnly)
{
    StringsInUse strings({ { "unsupported_type", "Cannot launch \"%s\"" } });
    ContentDir content(MakeOption("executable", "icon.png", "one") +
                       MakeOption("Browser", "bitmap.png", "two") +
                       MakeOption("exe", "", "refused") +
                       MakeOption("mimelookup", "missing.png", "three") +
                       MakeOption("executable", "folder.png", "four") +
                       MakeOption("executable", "garbage.png", "five") +
                       MakeOption("executable", "icon.png", "six") +
                       MakeOption("Video", "", "late"));
    const wxImage icon = MakeSolidImage(wxSize(24, 16), ICON_COLOUR);
    content.WriteImage("launcher_data/en/icon.png", icon);
    content.WriteImage("launcher_data/en/bitmap.png", icon, wxBITMAP_TYPE_BMP);
    content.WriteFile("launcher_data/en/garbage.png", GARBAGE);
    content.MakeDir("launcher_data/en/folder.png");
    TestPanel panel(content);
    LauncherPanelTestAccess& access = panel.Access();

    ASSERT_EQ(5, access.EntryCount());
    const char* labels[] = { "one", "two", "three", "four", "five" };
    for ( int n = 0; n < 5; ++n )
    {
        SCOPED_TRACE(labels[n]);
        EXPECT_EQ(labels[n], access.Entry(n).label);
        const wxImage& loaded = access.Entry(n).icon;
        EXPECT_TRUE(n < 2 ? SamePixels(icon, loaded)
                          : testing::AssertionResult(!loaded.IsOk()));
    }
    EXPECT_EQ("Browser", access.Entry(1).type);
    // A missing icon or a folder is no error; a file that is no picture is.
    // Unsupported types are reported even once the slots are full.
    const std::vector<wxString> errors = panel.Log().GetTexts(wxLOG_Error);
    ASSERT_EQ(3u, errors.size());
    EXPECT_EQ("Cannot launch \"exe\"", errors[0]);
    EXPECT_TRUE(errors[1].Contains("garbage.png")) << errors[1];
    EXPECT_EQ("Cannot launch \"Video\"", errors[2]);
    for ( const LoggedMessage& message : panel.Log().GetMessages() )
        EXPECT_FALSE(message.text.Contains("missing.png") ||
                     message.text.Contains("folder.png")) << message.text;
}

TEST(PanelRender, OnlyTheSelectedEntryIsHighlighted)
{
    StringsInUse strings(WELCOME_TEXTS);
    ContentDir content(ThreeOptions());
    TestPanel panel(content);
    ASSERT_EQ(3, panel.Access().EntryCount());

    for ( int selection : { -1, 1, 0, 2 } )
    {
        panel->SetSelection(selection);
        const wxImage image = RenderPanel(panel.Get());
        int highlighted = 0;
        for ( int n = 0; n < 3; ++n )
        {
            SCOPED_TRACE(testing::Message() << "selection " << selection
                         << ", entry " << n);
            const bool selected = n == selection;
            const wxRect rect = panel.Access().Entry(n).rect;
            // Inside the outline that the context's pen draws.
            const wxRect inside = wxRect(rect).Deflate(2);
            const int highlight = CountPixels(image, rect, HIGHLIGHT_COLOUR);
            highlighted += highlight;
            EXPECT_TRUE(selected ? highlight > inside.width * inside.height / 2
                                 : highlight == 0) << highlight;
            EXPECT_EQ(selected, CountPixels(image, inside, IsBlackPixel) > 0);
            EXPECT_TRUE(selected || CountPixels(image, rect, IsTextPixel) > 0);
        }
        // Nothing outside the entries has the highlight's colour.
        EXPECT_EQ(highlighted, CountPixels(image, wxRect(), HIGHLIGHT_COLOUR));
    }
}

TEST(PanelRender, WithoutEntriesOnlyTheTextsShow)
{
    const char* const UNDEFINED = "Undefined Property";
    // The texts in the string table (NULL when missing), the selection and
    // the texts shown.
    const struct { const char* texts[3]; int selection; const char* shown[3]; }
        cases[] =
    {
        { { "Masthead", "Welcome", "Pick one." }, -1,
          { "Masthead", "Welcome", "Pick one." } },
        { { NULL, "Welcome", "Pick one." }, -1,
          { UNDEFINED, "Welcome", "Pick one." } },
        { { "Masthead", NULL, "" }, -1, { "Masthead", UNDEFINED, UNDEFINED } },
        // A slot beyond the count holds empty texts.
        { { "Masthead", "Welcome", "Pick one." }, 0, { "Masthead", "", "" } },
    };
    ContentDir content("");
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
        for ( int n = 0; n < 3; ++n )
            if ( c.texts[n] )
                g_stringTable[keys[n]] = c.texts[n];
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
    ContentDir content(MakeOption("browser", "icon.png", "With icon") +
                       MakeOption("browser", "", "Without icon"));
    content.WriteImage("launcher_data/en/icon.png",
                       MakeSolidImage(wxSize(48, 48), ICON_COLOUR));
    TestPanel panel(content);
    LauncherPanelTestAccess& access = panel.Access();
    ASSERT_EQ(2, access.EntryCount());

    // The entries are laid out in the label font.
    wxBitmap probe(1, 1);
    wxMemoryDC dc(probe);
    dc.SetFont(access.LabelFont());
    const wxSize first = dc.GetTextExtent("With icon");
    const wxSize second = dc.GetTextExtent("Without icon");
    const wxRect rect0(30, 100, 48 + 10 + first.x + 20,
                       wxMax(48, first.y) + 20);
    const wxRect rect1(30, rect0.GetBottom() + 1 + 20, second.x + 20,
                       second.y + 20);
    EXPECT_EQ(rect0, access.Entry(0).rect);
    EXPECT_EQ(rect1, access.Entry(1).rect);

    const wxImage image = RenderPanel(panel.Get());
    EXPECT_EQ(48 * 48, CountPixels(image, wxRect(40, 110, 48, 48),
                                   ICON_COLOUR));
    EXPECT_EQ(48 * 48, CountPixels(image, wxRect(), ICON_COLOUR));
    for ( const wxRect& rect : { rect0, rect1 } )
        EXPECT_EQ(300 * 2, CountPixels(image, wxRect(30, rect.GetBottom() + 11,
                                                     300, 2), DIVIDER_COLOUR))
            << "below " << rect;
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

    // A label longer than its limit, the client width less 465 and less the
    // icon space, is drawn as the layout shortened it. Its start is chosen
    // so that a limit one pixel narrower would shorten it to another text.
    const int limit = GetTestFrame()->GetClientSize().x - 465 - 58;
    const wxString tail = "A label that goes on and on, far longer than the "
                          "room that the left column has for it";
    wxString longLabel, shortened;
    for ( int n = 0; n < 100 && shortened.empty(); ++n )
    {
        longLabel = wxString('i', n % 10) + wxString('m', n / 10) + tail;
        const wxString fitted = FitTextToWidth(dc, longLabel, limit);
        if ( fitted != FitTextToWidth(dc, longLabel, limit - 1) )
            shortened = fitted;
    }
    ASSERT_FALSE(shortened.empty());
    ASSERT_NE(longLabel, shortened);
    ContentDir longContent(MakeOption("browser", "icon.png",
                                      longLabel.ToStdString()));
    longContent.WriteImage("launcher_data/en/icon.png",
                           MakeSolidImage(wxSize(48, 48), ICON_COLOUR));
    TestPanel longPanel(longContent);
    const wxSize extent = dc.GetTextExtent(shortened);
    const wxRect longRect(30, 100, 58 + extent.x + 20, 48 + 20);
    EXPECT_EQ(longRect, longPanel.Access().Entry(0).rect);
    wxBitmap expected(longPanel->GetClientSize());
    {
        wxMemoryDC expectedDc(expected);
        expectedDc.SetBackground(wxBrush(BACKGROUND_COLOUR));
        expectedDc.Clear();
        expectedDc.SetFont(access.LabelFont());
        expectedDc.SetTextForeground(TEXT_COLOUR);
        expectedDc.DrawText(shortened, 98, 100 + 34 - extent.y / 2);
    }
    const wxRect label(88, 100, longRect.width - 58, longRect.height);
    EXPECT_TRUE(SamePixels(expected.ConvertToImage().GetSubImage(label),
                           RenderPanel(longPanel.Get()).GetSubImage(label)));
}

TEST(PanelRender, BodyLinesFollowOneAnother)
{
    StringsInUse strings(WELCOME_TEXTS);
    ContentDir content(MakeOption("browser", "", "Lines"));
    TestPanel panel(content);

    // One word over and over, so that every line holds the same text.
    wxBitmap probe(1, 1);
    wxMemoryDC dc(probe);
    dc.SetFont(panel.Access().BodyFont());
    wxString description = "Hamburg";
    for ( int n = 1; n < 40; ++n )
        description += " Hamburg";
    const wxArrayString lines = WrapText(dc, description, 365, 1000);
    ASSERT_GT(lines.size(), 3u);
    const size_t perLine = wxSplit(lines[0].Strip(), ' ').size();
    const int lineHeight = dc.GetTextExtent(lines[0]).y;
    description.Truncate(8 * 3 * perLine - 1);
    panel.Access().Entry(0).description = description;
    panel->SetSelection(0);
    const wxImage image = RenderPanel(panel.Get());

    const int x = panel->GetClientSize().x - 395;
    const wxRect first = FindPixels(image, wxRect(x, 150, 395, lineHeight),
                                    IsTextPixel);
    ASSERT_FALSE(first.IsEmpty());
    for ( int line = 1; line < 3; ++line )
    {
        const wxRect band(x, 150 + line * lineHeight, 395, lineHeight);
        wxRect expected = first;
        expected.y += line * lineHeight;
        EXPECT_EQ(expected, FindPixels(image, band, IsTextPixel))
            << "line " << line;
    }
    EXPECT_EQ(0, CountPixels(image, wxRect(x, 150 + 3 * lineHeight, 395,
                                           image.GetHeight()), IsTextPixel));
}

TEST(PanelRender, ClippedRepaintEqualsFullPaint)
{
    StringsInUse strings(WELCOME_TEXTS);
    // Line feeds make a heading reach out of its band and a body line
    // taller than it measures alone; a "j" reaches left of where its text
    // starts. Without a background nothing would cover the last picture.
    const std::string options =
        MakeOption("browser", "icon.png", "A rather long first label",
                   "A description long enough to wrap over several lines of "
                   "the body, so that the column changes a lot when another "
                   "entry is selected.") +
        MakeOption("browser", "", "Short", "Brief.") +
        MakeOption("browser", "icon.png", "Third", "") +
        MakeOption("browser", "", "Two\nlines", "jumps&#13;&#10;over\nlines") +
        MakeOption("browser", "", "jump&#13;&#10;three\nlines", "jolly");
    for ( bool background : { true, false } )
    {
        SCOPED_TRACE(background ? "with a background" : "without");
        ContentDir content(options);
        content.WriteImage("launcher_data/en/icon.png",
                           MakeSolidImage(wxSize(32, 40), ICON_COLOUR));
        if ( !background )
        {
            ASSERT_TRUE(wxRemoveFile(content.Path(BACKGROUND_FILE)));
        }
        TestPanel panel(content);
        ASSERT_EQ(5, panel.Access().EntryCount());
        ASSERT_EQ("Two\nlines", panel.Access().Entry(3).label);
        ASSERT_EQ("jump\r\nthree\nlines", panel.Access().Entry(4).label);

        wxRegion repainted;
        panel.Access().OnRepaint([&repainted](const wxRegion& region)
                                 { repainted = region; });

        const int changes[][2] =
        {
            { -1, 0 }, { 0, 2 }, { 2, 1 }, { 1, -1 },
            { -1, 3 }, { 3, -1 }, { -1, 4 }, { 4, 3 }, { 3, 4 }, { 4, 0 },
        };
        for ( const auto& change : changes )
        {
            panel->SetSelection(change[0]);
            wxBitmap bitmap(RenderPanel(panel.Get()));
            ASSERT_TRUE(panel->SetSelection(change[1]));
            {
                wxMemoryDC dc(bitmap);
                dc.SetDeviceClippingRegion(repainted);
                panel->Render(dc);
            }
            EXPECT_TRUE(SamePixels(RenderPanel(panel.Get()),
                                   bitmap.ConvertToImage()))
                << "from " << change[0] << " to " << change[1];
        }
    }
}

TEST(PanelText, FittedOnTheScreenAsMeasuredWhole)
{
    const char* const HEBREW[] =
    {
        "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D "
        "\xD7\x9C\xD7\x9B\xD7\x95\xD7\x9C\xD7\x9D, \xD7\x96\xD7\x94\xD7\x95 "
        "\xD7\xAA\xD7\x99\xD7\x90\xD7\x95\xD7\xA8 "
        "\xD7\x90\xD7\xA8\xD7\x95\xD7\x9A \xD7\xA9\xD7\x9C "
        "\xD7\x94\xD7\xAA\xD7\x95\xD7\x9B\xD7\xA0\xD7\x94 "
        "\xD7\x91\xD7\x92\xD7\xA8\xD7\xA1\xD7\x94 2.5. ",
        "\xD7\x94\xD7\x98\xD7\xA7\xD7\xA1\xD7\x98 "
        "\xD7\xA0\xD7\xA9\xD7\x91\xD7\xA8 "
        "\xD7\x9C\xD7\xA9\xD7\x95\xD7\xA8\xD7\x95\xD7\xAA "
        "\xD7\xA8\xD7\x91\xD7\x95\xD7\xAA (\xD7\x9E\xD7\x90\xD7\x95\xD7\x93) "
        "\xD7\x91\xD7\x97\xD7\x9C\xD7\x95\xD7\x9F "
        "\xD7\x94\xD7\x99\xD7\x9E\xD7\xA0\xD7\x99. ",
    };
    const char* const ARABIC[] =
    {
        "\xD9\x85\xD8\xB1\xD8\xAD\xD8\xA8\xD8\xA7 \xD8\xA8\xD9\x83\xD9\x85 "
        "\xD9\x81\xD9\x8A \xD9\x87\xD8\xB0\xD8\xA7 "
        "\xD8\xA7\xD9\x84\xD8\xA8\xD8\xB1\xD9\x86\xD8\xA7\xD9\x85\xD8\xAC"
        "\xD8\x8C ",
        "\xD9\x87\xD8\xB0\xD8\xA7 \xD9\x88\xD8\xB5\xD9\x81 "
        "\xD8\xB7\xD9\x88\xD9\x8A\xD9\x84 \xD9\x84\xD9\x84\xD9\x86\xD8\xB5 "
        "\xD9\x81\xD9\x8A 12 \xD8\xB3\xD8\xB7\xD8\xB1\xD8\xA7. ",
    };
    // Ligatures make one extent of several characters.
    const char* const LATIN[] =
    {
        "Fifty fine fish fill five office shelves; ",
        "fluffy waffles fit the first fifteen fields. ",
    };
    // Right to left as a whole, with left-to-right words inside.
    const char* const MIXED[] =
    {
        "\xD8\xA7\xD9\x84\xD9\x82\xD8\xB1\xD8\xB5 and its pages, ",
        "Launcher \xD7\x9E\xD7\xA4\xD7\xA2\xD7\x99\xD7\x9C "
        "\xD7\xAA\xD7\x95\xD7\x9B\xD7\xA0\xD7\x99\xD7\x95\xD7\xAA from the "
        "disc. ",
    };
    const struct
    {
        const char* what;
        const char* const* sentences;
        size_t length;
    } cases[] =
    {
        { "Hebrew", HEBREW, 610 }, { "Arabic", ARABIC, 610 },
        { "Latin", LATIN, 610 }, { "mixed", MIXED, 10000 },
    };

    wxBitmap bitmap(941, 615);
    wxMemoryDC memoryDC(bitmap);
    wxClientDC clientDC(GetTestFrame());
    const wxFont body(12, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL,
                      wxFONTWEIGHT_NORMAL);
    for ( wxDC* dc : { static_cast<wxDC*>(&memoryDC),
                       static_cast<wxDC*>(&clientDC) } )
    {
        dc->SetFont(body);
        for ( const auto& c : cases )
        {
            SCOPED_TRACE(testing::Message() << c.what << " on "
                         << (dc == &memoryDC ? "a bitmap" : "the window"));
            const wxString text = RepeatText(c.sentences, 2, c.length);
            EXPECT_EQ(WrapMeasuringWhole(*dc, text, 365, 435),
                      WrapText(*dc, text, 365, 435));
            EXPECT_EQ(FitMeasuringWhole(*dc, text, 395),
                      FitTextToWidth(*dc, text, 395));
        }

        // Too long for the font library to give its whole width, which
        // overflows: still lines of the width, as many as the height holds.
        const wxString longText = RepeatText(LATIN, 2, 300000);
        const wxArrayString lines = WrapText(*dc, longText, 365, 435);
        EXPECT_EQ(435 / dc->GetTextExtent("Fifty").y, int(lines.size()));
        for ( const wxString& line : lines )
            EXPECT_TRUE(line.length() < 100 &&
                        dc->GetTextExtent(line).x <= 365)
                << line.length() << " characters";
        const wxString heading = FitTextToWidth(*dc, longText, 395);
        EXPECT_TRUE(heading.EndsWith("...") &&
                    dc->GetTextExtent(heading).x <= 395) << heading;
    }
}
