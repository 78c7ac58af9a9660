///////////////////////////////////////////////////////////////////////////////
// Name:        tests/core/SelectionRulesTest.cpp
// Purpose:     Hit test, keys, moving the selection and what a change of
//              selection repaints
///////////////////////////////////////////////////////////////////////////////

#include "panel/SelectionRules.h"

#include "panel/EntryLayout.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <wx/defs.h>

namespace
{

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

TEST(SelectionRules, HitTest)
{
    LaunchEntry entries[MAX_ENTRIES];
    MakeEntries(entries);

    const struct
    {
        int x, y, expected;
    } cases[] =
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
    {
        EXPECT_EQ(c.expected, FindEntryAt(entries, 4, c.x, c.y))
            << "(" << c.x << ", " << c.y << ")";
    }

    // Slots from the count on are never examined; the first entry wins.
    EXPECT_EQ(4, FindEntryAt(entries, 5, 500, 500));
    EXPECT_EQ(0, FindEntryAt(entries, 5, 30, 100));
    EXPECT_EQ(-1, FindEntryAt(entries, 1, 30, 188));
    EXPECT_EQ(-1, FindEntryAt(entries, 0, 30, 100));
}

TEST(SelectionRules, KeyActions)
{
    const struct
    {
        int keyCode;
        KeyAction plain, shifted;
    } cases[] =
    {
        { WXK_LEFT, KEY_ACTION_PREVIOUS, KEY_ACTION_PREVIOUS },
        { WXK_UP, KEY_ACTION_PREVIOUS, KEY_ACTION_PREVIOUS },
        { WXK_NUMPAD_LEFT, KEY_ACTION_PREVIOUS, KEY_ACTION_PREVIOUS },
        { WXK_NUMPAD_UP, KEY_ACTION_PREVIOUS, KEY_ACTION_PREVIOUS },
        { WXK_TAB, KEY_ACTION_NEXT, KEY_ACTION_PREVIOUS },
        { WXK_RIGHT, KEY_ACTION_NEXT, KEY_ACTION_NEXT },
        { WXK_DOWN, KEY_ACTION_NEXT, KEY_ACTION_NEXT },
        { WXK_NUMPAD_RIGHT, KEY_ACTION_NEXT, KEY_ACTION_NEXT },
        { WXK_NUMPAD_DOWN, KEY_ACTION_NEXT, KEY_ACTION_NEXT },
        { WXK_ESCAPE, KEY_ACTION_CLEAR, KEY_ACTION_CLEAR },
        { WXK_RETURN, KEY_ACTION_LAUNCH, KEY_ACTION_LAUNCH },
        { WXK_NUMPAD_ENTER, KEY_ACTION_NONE, KEY_ACTION_NONE },
        { WXK_NUMPAD_TAB, KEY_ACTION_NONE, KEY_ACTION_NONE },
        { WXK_SPACE, KEY_ACTION_NONE, KEY_ACTION_NONE },
        { WXK_HOME, KEY_ACTION_NONE, KEY_ACTION_NONE },
        { 'A', KEY_ACTION_NONE, KEY_ACTION_NONE },
        { 0, KEY_ACTION_NONE, KEY_ACTION_NONE },
        { -1, KEY_ACTION_NONE, KEY_ACTION_NONE },
    };
    // The codes are the toolkit's, as the platform reports them.
    static_assert(WXK_LEFT == 314 && WXK_NUMPAD_DOWN == 379 && WXK_TAB == 9 &&
                  WXK_ESCAPE == 27 && WXK_RETURN == 13, "key codes");

    for ( const auto& c : cases )
    {
        EXPECT_EQ(c.plain, GetKeyAction(c.keyCode, false)) << c.keyCode;
        EXPECT_EQ(c.shifted, GetKeyAction(c.keyCode, true)) << c.keyCode;
    }
}

TEST(SelectionRules, PreviousAndNextWrapAround)
{
    const struct
    {
        int selection, count, previous, next;
    } cases[] =
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
}
