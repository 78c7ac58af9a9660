///////////////////////////////////////////////////////////////////////////////
// Name:        tests/core/CatalogueTest.cpp
// Purpose:     Reading the launch entries of strings.xml: which options are
//              taken, what is read from them and what is reported
///////////////////////////////////////////////////////////////////////////////

#include "content/Catalogue.h"

#include "content/StringTable.h"

#include "CoreTestHelpers.h"
#include "TestSupport.h"

namespace
{

typedef std::vector<wxString> Texts;

struct CatalogueRead
{
    bool ok = false;
    Texts entries;  // each as "type|icon path|label|description|data"
    Texts labels;
    Texts errors;
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

    static CatalogueRead Read(const std::string& xml,
                              wxOperatingSystemId osId = wxOS_UNIX_LINUX)
    {
        wxXmlDocument document;
        EXPECT_TRUE(ParseXml(xml, document)) << xml;
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
};

} // anonymous namespace

TEST(CatalogueRules, PlatformFilter)
{
    const struct { const char* os; bool windows, linux, other; } cases[] =
    {
        { "windows", true, false, false }, { "Windows", true, false, false },
        { "WINDOWS", true, false, false }, { "linux", false, true, false },
        { "LINUX", false, true, false }, { "Linux", false, true, false },
        // Anything else passes everywhere.
        { "", true, true, true }, { "mac", true, true, true },
        { "win32", true, true, true }, { "unix", true, true, true },
        { " linux", true, true, true }, { "windows ", true, true, true },
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
        { "label", "first" }, { "empty", "" }, { "blank", "" },
        { "cdata", " <raw> " }, { "split", "a" }, { "data", "default" },
        { "LABEL", "default" }, { "missing", "default" }, { "", "default" },
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
    // Only the "os" attribute of an option counts; a filtered option's type
    // is not even tested.
    const std::string xml =
        "<launcher><options os='linux'>"
        "<option><type>executable</type><label>none</label></option>"
        "<option os='Windows'><type>executable</type><label>win</label></option>"
        "<option os='LINUX'><type>executable</type><label>lin</label></option>"
        "<option OS='windows'><type>executable</type><label>OS</label></option>"
        "<option os='windows'><type>exe</type><label>badWin</label></option>"
        "<option os='linux'><type></type><label>badLin</label></option>"
        "</options></launcher>";

    CatalogueRead read = Read(xml, wxOS_WINDOWS_NT);
    EXPECT_EQ(Texts({ "none", "win", "OS" }), read.labels);
    EXPECT_EQ(Texts({ "Bad type: exe" }), read.errors);
    read = Read(xml, wxOS_UNIX_LINUX);
    EXPECT_EQ(Texts({ "none", "lin", "OS" }), read.labels);
    EXPECT_EQ(Texts({ "Bad type: " }), read.errors);
}

TEST_F(Catalogue, FieldsAreReadAsWritten)
{
    // What a child holds is the lookup's own test; here each field comes
    // from its child, in any order, with its default and the icon joined to
    // the language folder.
    const CatalogueRead read = Read(
        "<r><options>"
        "<option><type>executable</type><icon>icons/a.png</icon>"
        "<label>Label A</label><description>Desc A</description>"
        "<data>bin/a</data></option>"
        "<option><type>Browser</type></option>"
        "<option><type>MIMELOOKUP</type><icon/><label></label>"
        "<description> </description><data/></option>"
        "<option><data>  C:\\Program Files\\x.exe  </data>"
        "<icon>/abs/i.png</icon><Label>misnamed</Label><label>a<!-- c -->b"
        "</label><description><![CDATA[a < b]]></description>"
        "<type>executable</type></option>"
        "</options></r>");

    const Texts expected =
    {
        "executable|/data/en/icons/a.png|Label A|Desc A|bin/a",
        "Browser|/data/en/Undefined Property|Undefined Property|"
            "Undefined Property|Undefined Property",
        "MIMELOOKUP|/data/en/|||",
        "executable|/data/en//abs/i.png|a|a < b|  C:\\Program Files\\x.exe  ",
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
        "<option><label>no type</label></option>"
        "<option><Type>executable</Type></option>"
        "<option><type>%s%d</type></option>"
        "<option><type>executable</type><label>ok</label></option>"
        "</options></r>";

    const CatalogueRead read = Read(xml);
    EXPECT_EQ(Texts({ "ok" }), read.labels);
    EXPECT_EQ(Texts({ "Bad type: exe", "Bad type:  executable",
                      "Bad type: Undefined Property",
                      "Bad type: Undefined Property", "Bad type: %s%d" }),
              read.errors);

    // Without its text the message is the fallback alone.
    g_stringTable.clear();
    EXPECT_EQ(Texts(5, UNDEFINED_PROPERTY), Read(xml).errors);
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

    // A missing or broken file leaves a document without root.
    EXPECT_FALSE(ReadCatalogue(wxXmlDocument(), "/data/en", wxOS_UNIX_LINUX,
                               [](const CatalogueOption&) { ADD_FAILURE(); }));
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

    const CatalogueRead read = Read(xml);
    EXPECT_EQ(Texts({ "1", "2", "3", "4", "5", "6", "7" }), read.labels);
    EXPECT_EQ(Texts({ "Bad type: exe" }), read.errors);
}
