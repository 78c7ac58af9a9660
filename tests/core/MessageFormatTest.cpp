///////////////////////////////////////////////////////////////////////////////
// Name:        tests/core/MessageFormatTest.cpp
// Purpose:     Message texts from content files shown safely
///////////////////////////////////////////////////////////////////////////////

#include "content/MessageFormat.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(MessageFormat, FirstPlaceholderTakesTheArgument)
{
    EXPECT_EQ("The file /a b/c.txt is missing.",
              FormatMessageText("The file %s is missing.", "/a b/c.txt"));
    EXPECT_EQ("100% sure", FormatMessageText("100%% sure"));
    EXPECT_EQ("x: 50%", FormatMessageText("%s: 50%%", "x"));
}

TEST(MessageFormat, HostileTextsAreShownAsWritten)
{
    // Nothing here may read an argument that the call did not pass.
    EXPECT_EQ("%d %n %x %p %.999999f %", FormatMessageText("%d %n %x %p %.999999f %"));
    EXPECT_EQ("%s is running", FormatMessageText("%s is running"));
    EXPECT_EQ("a and %s and %d", FormatMessageText("%s and %s and %d", "a"));
    EXPECT_EQ("%", FormatMessageText("%"));
    EXPECT_EQ("x%", FormatMessageText("%s%", "x"));
    EXPECT_EQ("", FormatMessageText(""));
}

TEST(MessageFormat, ArgumentIsNeverItselfExpanded)
{
    EXPECT_EQ("open %s%% %d now", FormatMessageText("open %s now", "%s%% %d"));
}
