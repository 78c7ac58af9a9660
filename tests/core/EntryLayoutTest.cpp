///////////////////////////////////////////////////////////////////////////////
// Name:        tests/core/EntryLayoutTest.cpp
// Purpose:     Where the entries, their labels and the text areas stand,
//              measured in a font 10 pixels a character and 19 high
///////////////////////////////////////////////////////////////////////////////

#include "panel/EntryLayout.h"

#include "CoreTestHelpers.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

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
    const struct
    {
        int rectHeight, textHeight, below;
    } cases[] =
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
}
