///////////////////////////////////////////////////////////////////////////////
// Name:        tests/core/StringTableTest.cpp
// Purpose:     Loading the texts of strings.xml, looking them up and showing
//              message texts safely
///////////////////////////////////////////////////////////////////////////////

#include "content/MessageFormat.h"
#include "content/StringTable.h"

#include "CoreTestHelpers.h"
#include "TestSupport.h"

#include <map>

namespace
{

class StringTable : public testing::Test
{
protected:
    virtual void SetUp() wxOVERRIDE { g_stringTable.clear(); }
    virtual void TearDown() wxOVERRIDE { g_stringTable.clear(); }

    // Loads the document into the global table; the document must parse.
    void Load(const std::string& xml)
    {
        wxXmlDocument document;
        ASSERT_TRUE(ParseXml(xml, document));
        EXPECT_TRUE(LoadStrings(document, g_stringTable));
    }

    static std::map<wxString, wxString> Contents()
    {
        std::map<wxString, wxString> contents;
        for ( const auto& entry : g_stringTable )
            contents[entry.first] = entry.second;
        return contents;
    }
};

} // anonymous namespace

TEST_F(StringTable, OnlyDirectStringChildrenWithAnIdAreKept)
{
    g_stringTable["kept"] = "from before";
    g_stringTable["plain"] = "replaced";
    Load("<anything>"
         "  <string id='plain'>Hello</string>"
         "  <String id='capital'>x</String><STRING id='upper'>x</STRING>"
         "  <ns:string xmlns:ns='urn:x' id='prefixed'>x</ns:string>"
         "  <options><string id='inOptions'>x</string>"
         "    <option><string id='inOption'>x</string></option></options>"
         "  <other><string id='inOther'>x</string></other>"
         "  <string>no id</string><string id=''>empty id</string>"
         "  <string ID='otherAttribute'>x</string>"
         "  text of the root <!-- and a comment -->"
         "  <string id='empty'></string><string id='selfClosed'/>"
         "  <string id='blank'>   </string>"
         "  <string id='padded'>  two words  </string>"
         "  <string id='split'>first<b>bold</b>second</string>"
         "  <string id='comment'>before<!-- note -->after</string>"
         "  <string id='cdata'><![CDATA[<b> & %s]]></string>"
         "  <string id='escaped'>a &lt; b &amp; c</string>"
         "  <string id='dup'>first</string><string id='dup'>second</string>"
         "  <string id='dupEmpty'>first</string><string id='dupEmpty'/>"
         "  <string id='Case'>upper</string><string id='case'>lower</string>"
         "  <string id='utf'>Fran\xC3\xA7" "ais \xE6\x97\xA5\xE6\x9C\xAC</string>"
         "</anything>");

    const std::map<wxString, wxString> expected =
    {
        { "kept", "from before" }, { "plain", "Hello" }, { "empty", "" },
        { "selfClosed", "" }, { "blank", "" }, { "padded", "  two words  " },
        { "split", "first" }, { "comment", "before" }, { "cdata", "<b> & %s" },
        { "escaped", "a < b & c" }, { "dup", "second" }, { "dupEmpty", "" },
        { "Case", "upper" }, { "case", "lower" },
        { "utf", wxString::FromUTF8("Fran\xC3\xA7" "ais \xE6\x97\xA5\xE6\x9C\xAC") },
    };
    EXPECT_EQ(expected, Contents());
}

TEST_F(StringTable, RootOfAnyNameWithoutStringsLoadsNothing)
{
    for ( const char* xml : { "<strings/>",
                              "<options><option><type>x</type></option></options>",
                              "<string id='root'>the root itself</string>",
                              "<?xml version='1.0' encoding='UTF-8'?>\n<r>\n</r>" } )
    {
        SCOPED_TRACE(xml);
        Load(xml);
        EXPECT_TRUE(g_stringTable.empty());
        EXPECT_EQ(UNDEFINED_PROPERTY, GetString("root", UNDEFINED_PROPERTY));
    }
}

TEST_F(StringTable, DocumentsWithoutRootAreRefused)
{
    TempDir dir;
    const std::pair<const char*, std::string> files[] =
    {
        { "empty", "" }, { "blank", "  \n" }, { "two roots", "<a/><b/>" },
        { "truncated", "<strings><string id='a'>Hello</str" },
        { "unclosed", "<strings><string id='a'>Hello</string>" },
        { "badly nested", "<strings><string id='a'></strings></string>" },
        { "not XML", "string id=a Hello" },
        { "bad encoding", "<s><string id='a'>\xFF\xFE</string></s>" },
    };

    LogCapture log;
    for ( const auto& file : files )
    {
        SCOPED_TRACE(file.first);
        const wxXmlDocument document(dir.WriteFile(file.first, file.second),
                                     "UTF-8");
        EXPECT_FALSE(LoadStrings(document, g_stringTable));
    }
    const wxXmlDocument missing(dir.Path("missing.xml"), "UTF-8");
    EXPECT_FALSE(LoadStrings(missing, g_stringTable));
    EXPECT_FALSE(LoadStrings(wxXmlDocument(), g_stringTable));
    EXPECT_TRUE(g_stringTable.empty());

    const wxXmlDocument good(dir.WriteFile("good.xml",
                                           "<s><string id='a'>A</string></s>"),
                             "UTF-8");
    EXPECT_TRUE(LoadStrings(good, g_stringTable));
    EXPECT_EQ("A", GetString("a", UNDEFINED_PROPERTY));
}

TEST_F(StringTable, LookupFallsBackForMissingAndEmptyTexts)
{
    Load("<s><string id='title'>Launcher</string>"
         "<string id='empty'/><string id='blank'> </string>"
         "<string id='display'>100%% %s %d %</string>"
         "<string id='dupEmpty'>x</string><string id='dupEmpty'></string></s>");

    const std::pair<const char*, const char*> lookups[] =
    {
        { "title", "Launcher" }, { "TITLE", UNDEFINED_PROPERTY },
        { "title ", UNDEFINED_PROPERTY }, { "empty", UNDEFINED_PROPERTY },
        { "blank", UNDEFINED_PROPERTY }, { "dupEmpty", UNDEFINED_PROPERTY },
        { "missing", UNDEFINED_PROPERTY }, { "", UNDEFINED_PROPERTY },
        // Display texts are never formatted.
        { "display", "100%% %s %d %" },
    };
    for ( const auto& lookup : lookups )
        EXPECT_EQ(lookup.second, GetString(lookup.first, UNDEFINED_PROPERTY))
            << "key " << lookup.first;

    // A fallback format receives the key in its "%s", and the key itself is
    // never read as a format.
    EXPECT_EQ("No text for missing", GetString("missing", "No text for %s"));
    EXPECT_EQ("[%d%s]", GetString("%d%s", "[%s]"));
    EXPECT_EQ("empty: 100%", GetString("empty", "%s: 100%%"));
    EXPECT_EQ("Launcher", GetString("title", "No text for %s"));

    // Lookups leave the table as it was.
    EXPECT_EQ(5u, g_stringTable.size());
}

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
