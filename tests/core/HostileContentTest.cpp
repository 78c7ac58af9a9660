///////////////////////////////////////////////////////////////////////////////
// Name:        tests/core/HostileContentTest.cpp
// Purpose:     Content files built to hurt: huge, deeply nested, expanding,
//              pointing elsewhere, broken; pictures that ask for gigabytes
///////////////////////////////////////////////////////////////////////////////

#include "content/ContentFile.h"
#include "content/StringTable.h"
#include "panel/PictureFile.h"

#include "CoreTestHelpers.h"
#include "TestSupport.h"

#include <wx/mstream.h>

#include <filesystem>
#include <system_error>

#ifdef __UNIX__
    #include <sys/stat.h>
#endif

namespace
{

// Makes a file of this length quickly (sparse where the file system can),
// as truncate() does where there is one.
bool ResizeFile(const wxString& path, wxFileOffset length)
{
    std::error_code error;
    std::filesystem::resize_file(std::filesystem::u8path(path.utf8_string()),
                                 length, error);
    EXPECT_FALSE(error) << path << ": " << error.message();
    return !error;
}

std::string Nested(int depth, bool closed)
{
    std::string xml = "<launcher>";
    for ( int n = 0; n < depth; ++n )
        xml += "<a x='/>'>t";
    if ( closed )
    {
        for ( int n = 0; n < depth; ++n )
            xml += "</a>";
        xml += "</launcher>";
    }
    return xml;
}

// Hands its bytes over one at a time, as a slow pipe may, so that reads
// end inside characters.
class TrickleStream : public wxMemoryInputStream
{
public:
    explicit TrickleStream(const std::string& bytes)
        : wxMemoryInputStream(bytes.data(), bytes.size()) { }

    virtual bool CanRead() const wxOVERRIDE { return false; }

protected:
    virtual size_t OnSysRead(void* buffer, size_t size) wxOVERRIDE
        { return wxMemoryInputStream::OnSysRead(buffer, std::min<size_t>(size, 1)); }
};

bool LoadLimited(const std::string& xml, wxXmlDocument& document,
                 bool trickle = false)
{
    if ( trickle )
    {
        TrickleStream stream(xml);
        return LoadContentStream(stream, document);
    }
    wxMemoryInputStream stream(xml.data(), xml.size());
    return LoadContentStream(stream, document);
}

// Whether the limited reader and the toolkit's own agree on a document
// that nests no deeper than the limit.
void ExpectSameAsToolkit(const std::string& xml, bool trickle = false)
{
    LogCapture log;
    wxXmlDocument plain, limited;
    const bool plainOk = ParseXml(xml, plain);
    EXPECT_EQ(plainOk, LoadLimited(xml, limited, trickle)) << xml;
    if ( plainOk && limited.GetRoot() )
    {
        wxStringToStringHashMap plainTable, limitedTable;
        LoadStrings(plain, plainTable);
        LoadStrings(limited, limitedTable);
        EXPECT_EQ(plainTable.size(), limitedTable.size()) << xml;
        for ( const auto& entry : plainTable )
            EXPECT_EQ(entry.second, limitedTable[entry.first]) << xml;
    }
}

std::string PngHeader(unsigned width, unsigned height)
{
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for ( unsigned value : { width, height } )
        for ( int shift = 24; shift >= 0; shift -= 8 )
            png += static_cast<char>((value >> shift) & 0xff);
    png += std::string("\x08\x06\0\0\0", 5);
    return png;
}

} // anonymous namespace

TEST(HostileContent, DeepNestingIsRefusedBeforeTheToolkitBuildsIt)
{
    // Hundreds of thousands of levels would overflow the stack when the
    // toolkit frees the document, finished or not.
    // The user hears why, once, and not of the unfinished document that
    // the parser is left with. UTF-16 nests by its characters, not bytes,
    // also when reads end inside one.
    for ( bool utf16 : { false, true } )
    {
        const auto encode = [utf16](const std::string& xml)
            { return utf16 ? ToUtf16(xml, Utf16::LittleEndianWithMark) : xml; };
        for ( bool closed : { true, false } )
        {
            LogCapture log;
            wxXmlDocument document;
            EXPECT_FALSE(LoadLimited(encode(Nested(300000, closed)), document,
                                     utf16));
            EXPECT_FALSE(document.GetRoot());
            const std::vector<wxString> errors = log.GetTexts(wxLOG_Error);
            ASSERT_EQ(1u, errors.size());
            EXPECT_TRUE(errors[0].Contains("nests its elements")) << errors[0];
        }

        wxXmlDocument document;
        EXPECT_TRUE(LoadLimited(encode(Nested(MAX_CONTENT_DEPTH - 1, true)),
                                document));
    }
}

TEST(HostileContent, MarkupThatIsNotNestingCountsForNothing)
{
    std::string many = "<launcher><options>";
    for ( int n = 0; n < 2 * MAX_CONTENT_DEPTH; ++n )
        many += "<option a=\"/>\" b='>'/><!-- <x><y> --><![CDATA[<z><z>]]>"
                "<?pi <w> ?>";
    many += "</options><string id='k'>v</string></launcher>";

    const char* const documents[] =
    {
        many.c_str(),
        "<?xml version='1.0'?><!DOCTYPE launcher [ <!-- ' \" ] > -->"
        "<!ENTITY e \"</a></a> ]>\"> <?pi ]> ?> ]>"
        "<launcher><string id='a'>&lt;b&gt;</string></launcher>",
        "<launcher><string id='a'><![CDATA[x]]]]><![CDATA[>]]></string>"
        "<string id='b'>a--b</string><!--- x -->"
        "<string id='c'/></launcher>",
    };
    for ( const char* xml : documents )
    {
        ExpectSameAsToolkit(xml);
        for ( Utf16 form : { Utf16::LittleEndianWithMark,
                             Utf16::BigEndianWithMark, Utf16::LittleEndian } )
        {
            ExpectSameAsToolkit(ToUtf16(xml, form));
            ExpectSameAsToolkit(ToUtf16(xml, form), true);
        }
    }
}

TEST(HostileContent, DocumentsTheParserRefusesOrDefuses)
{
    // Entities are not expanded, an external document type or entity is
    // never fetched, and broken text ends the read with the toolkit's
    // message.
    std::string laughs = "<?xml version='1.0'?><!DOCTYPE r [<!ENTITY l0 'lol'>";
    for ( int n = 1; n < 10; ++n )
    {
        const std::string previous = "&l" + std::to_string(n - 1) + ";";
        std::string value;
        for ( int copy = 0; copy < 10; ++copy )
            value += previous;
        laughs += "<!ENTITY l" + std::to_string(n) + " '" + value + "'>";
    }
    laughs += "]><r><string id='a'>&l9;</string></r>";
    const struct { std::string xml; bool loads; } cases[] =
    {
        { laughs, true },
        { "<!DOCTYPE r SYSTEM '/etc/passwd'><r><string id='a'>x</string></r>",
          true },
        { "<!DOCTYPE r [<!ENTITY e SYSTEM 'file:///etc/hostname'>]>"
          "<r><string id='a'>&e;</string></r>", true },
        { "<r><string id='a'>\xff\xfe</string></r>", false },
        { std::string("<r><string id='a'>a\0b</string></r>", 33), false },
    };
    for ( const auto& c : cases )
    {
        LogCapture log;
        wxXmlDocument document;
        ASSERT_EQ(c.loads, LoadLimited(c.xml, document)) << c.xml;
        EXPECT_EQ(c.loads, log.GetTexts(wxLOG_Error).empty());
        wxStringToStringHashMap table;
        LoadStrings(document, table);
        EXPECT_LE(table["a"].length(), 1u) << table["a"];
    }
}

TEST(HostileContent, OversizedFileIsNotRead)
{
    TempDir dir;
    const wxString path = dir.WriteFile("strings.xml", "<r/>");
    ASSERT_TRUE(ResizeFile(path, MAX_CONTENT_FILE_SIZE + 1));

    LogCapture log;
    wxXmlDocument document;
    EXPECT_FALSE(LoadContentFile(path, document));
    ASSERT_EQ(1u, log.GetTexts(wxLOG_Error).size());
    EXPECT_TRUE(log.GetTexts(wxLOG_Error)[0].Contains("larger than 16 MB"));

    ASSERT_TRUE(ResizeFile(path, MAX_CONTENT_FILE_SIZE));
    log.Clear();
    EXPECT_FALSE(LoadContentFile(path, document));
    EXPECT_FALSE(log.GetTexts(wxLOG_Error)[0].Contains("larger than"));
}

TEST(HostileContent, PipesAndFoldersAreNotRead)
{
    // Opening a pipe would wait for a writer that never comes.
    TempDir dir;
    std::vector<wxString> paths{ dir.MakeDir("folder") };
#ifdef __UNIX__
    // Windows has no named pipes in the file system: only the folder case
    // means anything there.
    const wxString pipe = dir.Path("pipe");
    ASSERT_EQ(0, mkfifo(pipe.fn_str(), 0600));
    paths.push_back(pipe);
#endif

    for ( const wxString& path : paths )
    {
        LogCapture log;
        wxXmlDocument document;
        EXPECT_FALSE(LoadContentFile(path, document));
        wxImage image;
        EXPECT_FALSE(LoadPicture(image, path, DRAWN_PICTURE_LIMIT));
        ASSERT_EQ(2u, log.GetTexts(wxLOG_Error).size()) << path;
        EXPECT_TRUE(log.GetTexts(wxLOG_Error)[0].Contains("not a regular file"));
    }
}

TEST(HostilePictures, DeclaredSizeIsReadFromTheHeader)
{
    long long width = 0, height = 0;
    const std::string png = PngHeader(20000, 3);
    ASSERT_TRUE(ReadPictureSize(reinterpret_cast<const unsigned char*>(png.data()),
                                png.size(), &width, &height));
    EXPECT_EQ(20000, width);
    EXPECT_EQ(3, height);

    // A BMP stored top down has a negative height.
    const unsigned char bmp[26] = { 'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
                                    40, 0, 0, 0, 0x20, 0x4e, 0, 0,
                                    0xe0, 0xb1, 0xff, 0xff };
    ASSERT_TRUE(ReadPictureSize(bmp, sizeof(bmp), &width, &height));
    EXPECT_EQ(20000, width);
    EXPECT_EQ(20000, height);

    EXPECT_FALSE(ReadPictureSize(bmp, 10, &width, &height));
    EXPECT_FALSE(ReadPictureSize(reinterpret_cast<const unsigned char*>("GIF89a"),
                                 6, &width, &height));
}

TEST(HostilePictures, HugeOrTruncatedPicturesStayEmpty)
{
    if ( !wxImage::FindHandler(wxBITMAP_TYPE_PNG) )
        wxImage::AddHandler(new wxPNGHandler);

    TempDir dir;
    wxImage small(4, 4);
    const wxString smallPath = dir.Path("small.png");
    ASSERT_TRUE(small.SaveFile(smallPath, wxBITMAP_TYPE_PNG));
    const std::string whole = ReadFileContent(smallPath);

    // A camera photo is too large for an icon but makes a background; a
    // background is refused only where decoding would take gigabytes.
    const std::string half = whole.substr(0, whole.size() / 2);
    const struct { std::string content; bool tooLarge; PictureLimit limit; }
        cases[] =
    {
        { PngHeader(20000, 20000) + std::string(64, '\0'), true,
          BACKGROUND_LIMIT },
        { PngHeader(16384, 8193), true, BACKGROUND_LIMIT },
        { PngHeader(65536, 2), true, BACKGROUND_LIMIT },
        { PngHeader(8660, 5773), false, BACKGROUND_LIMIT },
        { PngHeader(6000, 4000), false, BACKGROUND_LIMIT },
        { PngHeader(60000, 2000), false, BACKGROUND_LIMIT },
        { PngHeader(6000, 4000), true, DRAWN_PICTURE_LIMIT },
        { PngHeader(8193, 1), true, DRAWN_PICTURE_LIMIT },
        { PngHeader(4097, 4096), true, DRAWN_PICTURE_LIMIT },
        { half, false, DRAWN_PICTURE_LIMIT },
        { half, false, BACKGROUND_LIMIT },
        { whole.substr(0, 30), false, DRAWN_PICTURE_LIMIT },
    };
    for ( const auto& c : cases )
    {
        LogCapture log;
        wxImage image;
        EXPECT_FALSE(LoadPicture(image, dir.WriteFile("p.png", c.content),
                                 c.limit));
        EXPECT_FALSE(image.IsOk());
        const std::vector<wxString> errors = log.GetTexts(wxLOG_Error);
        ASSERT_FALSE(errors.empty());
        EXPECT_EQ(c.tooLarge, errors[0].Contains("larger than can be shown"))
            << errors[0];
    }

    wxImage image;
    EXPECT_TRUE(LoadPicture(image, smallPath, DRAWN_PICTURE_LIMIT));
    EXPECT_EQ(wxSize(4, 4), image.GetSize());
}
