///////////////////////////////////////////////////////////////////////////////
// Name:        tests/core/CatalogueTest.cpp
// Purpose:     Reading the launch entries of strings.xml: which options are
//              taken, what is read from them and what is reported
///////////////////////////////////////////////////////////////////////////////

#include "content/Catalogue.h"

#include "content/StringTable.h"

#include "CoreTestHelpers.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{

const wxOperatingSystemId ALL_SYSTEMS[] =
    { wxOS_WINDOWS_NT, wxOS_UNIX_LINUX, wxOS_MAC_OSX_DARWIN };

struct CatalogueRead
{
    bool ok = false;
    // Each entry as "type|icon path|label|description|data".
    std::vector<wxString> entries;
    std::vector<wxString> labels;
    std::vector<wxString> errors;
};

class Catalogue : public testing::Test
{
protected:
    virtual void SetUp() wxOVERRIDE
    {
        g_stringTable.clear();
        g_stringTable["unsupported_type"] = "Bad type: %s";
    }
    virtual void TearDown() wxOVERRIDE { g_stringTable.clear(); }

    static CatalogueRead Read(const wxXmlDocument& document,
                              wxOperatingSystemId osId = wxOS_UNIX_LINUX)
    {
        CatalogueRead read;
        LogCapture log;
        read.ok = ReadCatalogue(document, "/data/en", osId,
            [&read](const CatalogueOption& o)
            {
                read.entries.push_back(o.type + "|" + o.iconPath + "|" +
                                       o.label + "|" + o.description + "|" +
                                       o.data);
                read.labels.push_back(o.label);
            });
        read.errors = log.GetTexts(wxLOG_Error);
        EXPECT_EQ(read.errors.size(), log.GetMessages().size())
            << "only errors are reported";
        return read;
    }

    static CatalogueRead Read(const std::string& xml,
                              wxOperatingSystemId osId = wxOS_UNIX_LINUX)
    {
        wxXmlDocument document;
        EXPECT_TRUE(ParseXml(xml, document)) << xml;
        return Read(document, osId);
    }
};

typedef std::vector<wxString> Texts;

} // anonymous namespace

TEST(CatalogueRules, PlatformFilter)
{
    const struct
    {
        const char* os;
        bool windows, linux, other;
    } cases[] =
    {
        { "", true, true, true },
        { "windows", true, false, false },
        { "Windows", true, false, false },
        { "WINDOWS", true, false, false },
        { "linux", false, true, false },
        { "LINUX", false, true, false },
        { "Linux", false, true, false },
        { "mac", true, true, true },
        { "win32", true, true, true },
        { "unix", true, true, true },
        { " linux", true, true, true },
        { "windows ", true, true, true },
        { "linux,windows", true, true, true },
    };
    for ( const auto& c : cases )
    {
        EXPECT_EQ(c.windows, PassesPlatformFilter(c.os, wxOS_WINDOWS_NT)) << c.os;
        EXPECT_EQ(c.windows, PassesPlatformFilter(c.os, wxOS_WINDOWS_9X)) << c.os;
        EXPECT_EQ(c.linux, PassesPlatformFilter(c.os, wxOS_UNIX_LINUX)) << c.os;
        EXPECT_EQ(c.other, PassesPlatformFilter(c.os, wxOS_MAC_OSX_DARWIN)) << c.os;
        EXPECT_EQ(c.other, PassesPlatformFilter(c.os, wxOS_UNIX_FREEBSD)) << c.os;
    }
}

TEST(CatalogueRules, SupportedTypesInAnyLetterCase)
{
    for ( const char* type : { "executable", "EXECUTABLE", "Executable",
                               "mimelookup", "MimeLookup", "browser",
                               "Browser", "BROWSER" } )
        EXPECT_TRUE(IsSupportedEntryType(type)) << type;

    for ( const char* type : { "exe", " executable", "executable ", "",
                               UNDEFINED_PROPERTY, "mime lookup", "browse",
                               "executables", "executable\n" } )
        EXPECT_FALSE(IsSupportedEntryType(type)) << type;
}

TEST(CatalogueRules, ChildContent)
{
    wxXmlDocument document;
    ASSERT_TRUE(ParseXml("<option>loose text<!-- note -->"
                         "<label>first</label><label>second</label>"
                         "<empty/><blank>  </blank><Data>x</Data>"
                         "<cdata><![CDATA[ <raw> ]]></cdata>"
                         "<split>a<b>b</b>c</split></option>", document));
    const wxXmlNode* const option = document.GetRoot();

    const std::pair<const char*, const char*> cases[] =
    {
        { "label", "first" },
        { "empty", "" },
        { "blank", "" },
        { "cdata", " <raw> " },
        { "split", "a" },
        { "data", "default" },
        { "LABEL", "default" },
        { "missing", "default" },
        { "", "default" },
        // Only elements are looked up, whatever the reader calls its other
        // nodes.
        { "text", "default" },
        { "comment", "default" },
    };
    for ( const auto& c : cases )
        EXPECT_EQ(c.second, GetChildContent(option, c.first, "default")) << c.first;
}

TEST_F(Catalogue, OptionsAreFilteredByPlatform)
{
    const std::string xml =
        "<launcher><options os='linux'>"
        "<option><type>executable</type><label>none</label></option>"
        "<option os=''><type>executable</type><label>empty</label></option>"
        "<option os='Windows'><type>executable</type><label>win</label></option>"
        "<option os='LINUX'><type>executable</type><label>lin</label></option>"
        "<option os='mac'><type>executable</type><label>mac</label></option>"
        "<option os=' linux'><type>executable</type><label>blank</label></option>"
        "<option OS='windows'><type>executable</type><label>OS</label></option>"
        "<option os='windows'><type>exe</type><label>badWin</label></option>"
        "<option os='linux'><type></type><label>badLin</label></option>"
        "</options></launcher>";

    const struct
    {
        wxOperatingSystemId osId;
        Texts labels;
        Texts errors;
    } cases[] =
    {
        { wxOS_WINDOWS_NT, { "none", "empty", "win", "mac", "blank", "OS" },
          { "Bad type: exe" } },
        { wxOS_UNIX_LINUX, { "none", "empty", "lin", "mac", "blank", "OS" },
          { "Bad type: " } },
        { wxOS_MAC_OSX_DARWIN, { "none", "empty", "mac", "blank", "OS" }, { } },
    };
    for ( const auto& c : cases )
    {
        SCOPED_TRACE(c.osId);
        const CatalogueRead read = Read(xml, c.osId);
        EXPECT_TRUE(read.ok);
        EXPECT_EQ(c.labels, read.labels);
        EXPECT_EQ(c.errors, read.errors);
    }
}

TEST_F(Catalogue, FieldsAreReadAsWritten)
{
    const CatalogueRead read = Read(
        "<r><options>"
        "<option><type>executable</type><icon>icons/a.png</icon>"
        "<label>Label A</label><description>Desc A</description>"
        "<data>bin/a</data></option>"
        // Missing children.
        "<option><type>Browser</type></option>"
        // Empty children.
        "<option><type>MIMELOOKUP</type><icon/><label></label>"
        "<description> </description><data/></option>"
        // Any order, first of two, CDATA, comment, absolute icon.
        "<option><data>d</data><icon>/abs/i.png</icon><icon>second.png</icon>"
        "<label><![CDATA[a < b & c]]></label><label>second</label>"
        "<description>one<!-- c -->two</description><type>executable</type>"
        "</option>"
        // Blanks kept, misnamed children not read, comment and nested
        // element split.
        "<option><type>executable</type><Label>misnamed</Label>"
        "<label>first<!-- c -->second</label>"
        "<description>line<b>bold</b>rest</description>"
        "<data>  C:\\Program Files\\x.exe  </data><icon>..\\x.png</icon>"
        "</option>"
        "</options></r>");

    const Texts expected =
    {
        "executable|/data/en/icons/a.png|Label A|Desc A|bin/a",
        "Browser|/data/en/Undefined Property|Undefined Property|"
            "Undefined Property|Undefined Property",
        "MIMELOOKUP|/data/en/|||",
        "executable|/data/en//abs/i.png|a < b & c|one|d",
        "executable|/data/en/..\\x.png|first|line|"
            "  C:\\Program Files\\x.exe  ",
    };
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(expected, read.entries);
    EXPECT_TRUE(read.errors.empty());
}

TEST_F(Catalogue, UnsupportedTypesAreReportedWithTheirText)
{
    const std::string xml =
        "<r><options>"
        "<option><type>exe</type></option>"
        "<option><type> executable</type></option>"
        "<option><type>executable </type></option>"
        "<option><type/></option>"
        "<option><label>no type</label></option>"
        "<option><Type>executable</Type></option>"
        "<option><type>%s%d</type></option>"
        "<option><type>executable</type><label>ok</label></option>"
        "</options></r>";

    const CatalogueRead read = Read(xml);
    EXPECT_EQ(Texts({ "ok" }), read.labels);
    EXPECT_EQ(Texts({ "Bad type: exe", "Bad type:  executable",
                      "Bad type: executable ", "Bad type: ",
                      "Bad type: Undefined Property",
                      "Bad type: Undefined Property", "Bad type: %s%d" }),
              read.errors);

    // Without its text the message is the fallback alone.
    g_stringTable.clear();
    EXPECT_EQ(Texts(7, UNDEFINED_PROPERTY), Read(xml).errors);
}

TEST_F(Catalogue, OnlyOptionChildrenOfTopLevelOptionsAreRead)
{
    // Every option that must not be read has a type that would be reported.
    const CatalogueRead read = Read(
        "<r>"
        "<OPTIONS><option><type>exe</type></option></OPTIONS>"
        "<Options><option><type>exe</type></option></Options>"
        "<group><options><option><type>exe</type></option></options></group>"
        "<option><type>exe</type></option>"
        "<options>text<!-- comment -->"
        "<Option><type>exe</type></Option>"
        "<OPTION><type>exe</type></OPTION>"
        "<options><option><type>exe</type></option></options>"
        "<group><option><type>exe</type></option></group>"
        "<option><type>executable</type><label>good</label></option>"
        "</options></r>");
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(Texts({ "good" }), read.labels);
    EXPECT_TRUE(read.errors.empty());

    // A root that is itself called options is not searched.
    const CatalogueRead rootOptions = Read(
        "<options><option><type>executable</type><label>x</label></option>"
        "<option><type>exe</type></option></options>");
    EXPECT_TRUE(rootOptions.ok);
    EXPECT_TRUE(rootOptions.entries.empty());
    EXPECT_TRUE(rootOptions.errors.empty());

    EXPECT_TRUE(Read("<r><string id='a'>b</string></r>").ok);
}

TEST_F(Catalogue, EveryAcceptedOptionReachesTheHandlerInOrder)
{
    std::string xml = "<r><options>";
    for ( int n = 1; n <= 7; ++n )
    {
        if ( n == 5 )
            xml += "</options><string id='between'>x</string><options>";
        xml += "<option><type>browser</type><label>" + std::to_string(n) +
               "</label></option>";
        if ( n == 3 )
            xml += "<option><type>exe</type></option>";
    }
    xml += "</options></r>";

    for ( wxOperatingSystemId osId : ALL_SYSTEMS )
    {
        const CatalogueRead read = Read(xml, osId);
        EXPECT_EQ(Texts({ "1", "2", "3", "4", "5", "6", "7" }), read.labels);
        EXPECT_EQ(Texts({ "Bad type: exe" }), read.errors);
    }
}

TEST_F(Catalogue, DocumentsWithoutRootGiveNothing)
{
    TempDir dir;
    LogCapture log;
    const wxXmlDocument missing(dir.Path("strings.xml"), "UTF-8");
    const wxXmlDocument broken(dir.WriteFile("broken.xml",
        "<r><options><option><type>browser</type></option></options>"),
        "UTF-8");

    for ( const wxXmlDocument* document : { &missing, &broken } )
    {
        const CatalogueRead read = Read(*document);
        EXPECT_FALSE(read.ok);
        EXPECT_TRUE(read.entries.empty());
    }
    EXPECT_FALSE(Read(wxXmlDocument()).ok);
}
