///////////////////////////////////////////////////////////////////////////////
// Name:        tests/core/PanelRulesTest.cpp
// Purpose:     Where the entries, their labels and the text areas stand,
//              measured in a font 10 pixels a character and 19 high; the
//              hit test, keys, moving the selection and what a change of
//              selection repaints
///////////////////////////////////////////////////////////////////////////////

#include "panel/EntryLayout.h"
#include "panel/SelectionRules.h"

#include "CoreTestHelpers.h"
#include "TestSupport.h"

namespace
{

const int CLIENT_WIDTH = 941;

LaunchEntry MakeEntry(const wxString& label, int iconWidth = 0,
                      int iconHeight = 0)
{
    LaunchEntry entry;
    entry.label = label;
    if ( iconWidth > 0 )
        entry.icon = wxImage(iconWidth, iconHeight);
    return entry;
}

// Three laid-out entries, a zero-width one and a slot beyond the count
// that would hold every point.
void MakeEntries(LaunchEntry entries[MAX_ENTRIES])
{
    entries[0].rect = wxRect(30, 100, 178, 68);
    entries[1].rect = wxRect(30, 188, 100, 39);
    entries[2].rect = wxRect(30, 247, 0, 39);
    entries[3].rect = wxRect(30, 306, 50, 0);
    entries[4].rect = wxRect(-1000, -1000, 5000, 5000);
}

} // anonymous namespace

TEST(EntryLayout, EntriesStackDownwardsSizedByIconAndLabel)
{
    const wxString label100('a', 10);
    LaunchEntry entries[MAX_ENTRIES] =
    {
        MakeEntry(label100, 48, 48),
        MakeEntry(label100),
        // Label higher than the icon, then as high.
        MakeEntry("abc", 16, 12),
        MakeEntry("abc", 19, 19),
        MakeEntry("not laid out", 48, 48),
    };
    LayOutEntries(entries, 4, CLIENT_WIDTH, FixedMeasurer(10, 19));

    EXPECT_EQ(wxRect(30, 100, 178, 68), entries[0].rect);
    EXPECT_EQ(wxRect(30, 188, 120, 39), entries[1].rect);
    EXPECT_EQ(wxRect(30, 247, 76, 39), entries[2].rect);
    EXPECT_EQ(wxRect(30, 306, 79, 39), entries[3].rect);
    EXPECT_EQ(wxRect(), entries[4].rect);

    EXPECT_EQ(wxPoint(98, 125), entries[0].rect.GetTopLeft() + GetLabelOffset(entries[0], 19));
    EXPECT_EQ(wxPoint(40, 198), entries[1].rect.GetTopLeft() + GetLabelOffset(entries[1], 19));
    EXPECT_EQ(wxPoint(66, 257), entries[2].rect.GetTopLeft() + GetLabelOffset(entries[2], 19));
}

TEST(EntryLayout, LabelsAreShortenedToTheirLimit)
{
    EXPECT_EQ(476, GetLabelLimit(MakeEntry("x"), CLIENT_WIDTH));
    EXPECT_EQ(418, GetLabelLimit(MakeEntry("x", 48, 48), CLIENT_WIDTH));
    EXPECT_EQ(-465, GetLabelLimit(MakeEntry("x"), 0));

    // 476 holds 44 characters with "...": 40 of them are kept.
    LaunchEntry entries[] =
    {
        MakeEntry(wxString('a', 60)),
        MakeEntry(wxString('a', 60), 48, 20),
        MakeEntry(""),
    };
    LayOutEntries(entries, 3, CLIENT_WIDTH, FixedMeasurer(10, 19));
    EXPECT_EQ(wxRect(30, 100, 430 + 20, 39), entries[0].rect);
    EXPECT_EQ(wxRect(30, 159, 58 + 370 + 20, 40), entries[1].rect);
    // An empty label measures nothing.
    EXPECT_EQ(wxRect(30, 219, 20, 20), entries[2].rect);
}

TEST(EntryLayout, LabelIsCentredWithTruncatedHalves)
{
    LaunchEntry entry = MakeEntry("x");
    const struct { int rectHeight, textHeight, below; } cases[] =
    {
        { 39, 19, 10 }, { 41, 19, 11 }, { 40, 19, 11 }, { 39, 20, 9 },
        { 20, 0, 10 }, { 10, 40, -15 },
    };
    for ( const auto& c : cases )
    {
        entry.rect = wxRect(30, 100, 50, c.rectHeight);
        EXPECT_EQ(wxPoint(40, 100 + c.below),
                  entry.rect.GetTopLeft() + GetLabelOffset(entry, c.textHeight))
            << c.rectHeight << " / " << c.textHeight;
    }
}

TEST(EntryLayout, TextAreasOfTheRightColumn)
{
    EXPECT_EQ(wxRect(546, 105, 395, 30), GetHeadingBand(wxSize(941, 615)));
    EXPECT_EQ(wxRect(546, 150, 395, 465), GetBodyArea(wxSize(941, 615)));
    EXPECT_EQ(wxRect(5, 150, 395, 0), GetBodyArea(wxSize(400, 150)));

    // One pixel a character, so that every width and height shows. The
    // heading is shortened to 395: 392 characters with "..." exceed it,
    // four fewer are kept.
    const PlacedText heading = PlaceHeading(FixedMeasurer(1, 20),
                                            wxString('h', 500),
                                            wxSize(941, 190));
    EXPECT_EQ(wxArrayString(1, wxString('h', 388) + "..."), heading.lines);
    EXPECT_EQ(std::vector<wxPoint>({ wxPoint(546, 105) }), heading.positions);
    EXPECT_EQ(wxRect(546, 105, 391, 20), heading.box);

    // The body is wrapped at 365, a word cut one character short of it,
    // in as many lines as 190 - 180 high holds, each below the last.
    const PlacedText body = PlaceBody(FixedMeasurer(1, 2),
                                      wxString('b', 2000), wxSize(941, 190));
    ASSERT_EQ(5u, body.lines.size());
    for ( int n = 0; n < 5; ++n )
    {
        EXPECT_EQ(wxString('b', 364), body.lines[n]) << n;
        EXPECT_EQ(wxPoint(546, 150 + 2 * n), body.positions[n]) << n;
    }
    EXPECT_EQ(wxRect(546, 150, 364, 10), body.box);
    EXPECT_EQ(wxRect(), PlaceBody(FixedMeasurer(1, 2), "",
                                  wxSize(941, 190)).box);
}

TEST(SelectionRules, HitTest)
{
    LaunchEntry entries[MAX_ENTRIES];
    MakeEntries(entries);

    const struct { int x, y, expected; } cases[] =
    {
        { 30, 100, 0 }, { 207, 167, 0 }, { 208, 100, -1 }, { 30, 168, -1 },
        { 29, 100, -1 }, { 30, 99, -1 },
        // The gap between the first two entries.
        { 30, 169, -1 }, { 100, 187, -1 },
        { 30, 188, 1 }, { 129, 226, 1 }, { 130, 188, -1 }, { 30, 227, -1 },
        // Zero width or height holds nothing.
        { 30, 247, -1 }, { 30, 260, -1 }, { 30, 306, -1 }, { 40, 306, -1 },
        { 500, 500, -1 }, { -1, -1, -1 },
    };
    for ( const auto& c : cases )
        EXPECT_EQ(c.expected, FindEntryAt(entries, 4, c.x, c.y))
            << "(" << c.x << ", " << c.y << ")";

    // Slots from the count on are never examined; the first entry wins.
    EXPECT_EQ(4, FindEntryAt(entries, 5, 500, 500));
    EXPECT_EQ(0, FindEntryAt(entries, 5, 30, 100));
    EXPECT_EQ(-1, FindEntryAt(entries, 1, 30, 188));
    EXPECT_EQ(-1, FindEntryAt(entries, 0, 30, 100));
}

TEST(SelectionRules, KeyActions)
{
    // Shift turns Tab back and changes nothing else.
    EXPECT_EQ(KEY_ACTION_NEXT, GetKeyAction(WXK_TAB, false));
    EXPECT_EQ(KEY_ACTION_PREVIOUS, GetKeyAction(WXK_TAB, true));
    const std::pair<KeyAction, std::vector<int> > groups[] =
    {
        { KEY_ACTION_PREVIOUS,
          { WXK_LEFT, WXK_UP, WXK_NUMPAD_LEFT, WXK_NUMPAD_UP } },
        { KEY_ACTION_NEXT,
          { WXK_RIGHT, WXK_DOWN, WXK_NUMPAD_RIGHT, WXK_NUMPAD_DOWN } },
        { KEY_ACTION_CLEAR, { WXK_ESCAPE } },
        { KEY_ACTION_LAUNCH, { WXK_RETURN } },
        { KEY_ACTION_NONE, { WXK_NUMPAD_ENTER, WXK_NUMPAD_TAB, WXK_SPACE,
                             WXK_HOME, 'A', 0, -1 } },
    };
    for ( const auto& group : groups )
        for ( int keyCode : group.second )
            for ( bool shift : { false, true } )
                EXPECT_EQ(group.first, GetKeyAction(keyCode, shift))
                    << keyCode << (shift ? " with Shift" : "");
}

TEST(SelectionRules, PreviousAndNextWrapAround)
{
    const struct { int selection, count, previous, next; } cases[] =
    {
        // Without entries previous stays at none and next goes to slot 0.
        { -1, 0, -1, 0 }, { 0, 0, -1, 0 },
        { -1, 1, 0, 0 }, { 0, 1, 0, 0 },
        { -1, 3, 2, 0 }, { 0, 3, 2, 1 }, { 1, 3, 0, 2 }, { 2, 3, 1, 0 },
        { -1, 5, 4, 0 }, { 4, 5, 3, 0 },
    };
    for ( const auto& c : cases )
    {
        EXPECT_EQ(c.previous, GetPreviousSelection(c.selection, c.count))
            << c.selection << " of " << c.count;
        EXPECT_EQ(c.next, GetNextSelection(c.selection, c.count))
            << c.selection << " of " << c.count;
    }
}

TEST(SelectionRules, RepaintAreas)
{
    LaunchEntry entries[MAX_ENTRIES];
    MakeEntries(entries);
    const wxSize client(941, 615);
    const wxRect heading(546, 105, 395, 30), body(546, 150, 395, 465);

    typedef std::vector<wxRect> Areas;
    EXPECT_EQ(Areas({ entries[1].rect, heading, body }),
              GetSelectionRepaintAreas(entries, -1, 1, client));
    EXPECT_EQ(Areas({ entries[1].rect, heading, body }),
              GetSelectionRepaintAreas(entries, 1, -1, client));
    EXPECT_EQ(Areas({ entries[0].rect, entries[2].rect, heading, body }),
              GetSelectionRepaintAreas(entries, 0, 2, client));

    // Around each box that a text of the column fills, room for its ink;
    // a text that fills nothing adds nothing.
    const wxRect spilling(546, 105, 120, 57);
    EXPECT_EQ(Areas({ entries[1].rect, heading, body,
                      wxRect(536, 95, 140, 77) }),
              GetSelectionRepaintAreas(entries, 1, -1, client,
                                       { spilling, wxRect(546, 150, 0, 0) }));
}
