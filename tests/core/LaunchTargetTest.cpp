///////////////////////////////////////////////////////////////////////////////
// Name:        tests/core/LaunchTargetTest.cpp
// Purpose:     What an entry launches: kind, address, target path,
//              extension and the arguments of an open command
///////////////////////////////////////////////////////////////////////////////

#include "launch/LaunchTarget.h"

#include "TestSupport.h"

#include <wx/filefn.h>
#include <wx/utils.h>

namespace
{

typedef std::vector<wxString> Args;

const char PLACEHOLDER[] = "LauncherDocumentPlaceholder";

} // anonymous namespace

TEST(LaunchTarget, KindOfTheTypeInAnyLetterCase)
{
    const std::pair<const char*, LaunchKind> cases[] =
    {
        { "executable", LAUNCH_PROGRAM }, { "EXECUTABLE", LAUNCH_PROGRAM },
        { "Executable", LAUNCH_PROGRAM }, { "browser", LAUNCH_BROWSER },
        { "BrOwSeR", LAUNCH_BROWSER }, { "mimelookup", LAUNCH_DOCUMENT },
        { "MimeLookup", LAUNCH_DOCUMENT }, { "", LAUNCH_NONE },
        { "exe", LAUNCH_NONE }, { " browser", LAUNCH_NONE },
        { "browser ", LAUNCH_NONE }, { "Undefined Property", LAUNCH_NONE },
        { "executables", LAUNCH_NONE }, { "mime lookup", LAUNCH_NONE },
        { "executable\n", LAUNCH_NONE },
    };
    for ( const auto& c : cases )
        EXPECT_EQ(c.second, GetLaunchKind(c.first)) << c.first;
}

TEST(LaunchTarget, AddressKindAndSchemeByExactPrefix)
{
    const std::pair<const char*, AddressKind> cases[] =
    {
        { "file:///tmp/page.html", ADDRESS_LOCAL_PAGE },
        { "file://pages/index.html", ADDRESS_LOCAL_PAGE },
        { "file://", ADDRESS_LOCAL_PAGE }, { "http://", ADDRESS_WEB },
        { "http://example.invalid/a?b=c#d", ADDRESS_WEB },
    };
    for ( const auto& c : cases )
        EXPECT_EQ(c.second, GetAddressKind(c.first)) << c.first;
    for ( const char* data : { "https://example.invalid/", "FILE:///tmp/a",
                               "HTTP://example.invalid", "Http://a.invalid",
                               " http://example.invalid", "http:/", "file:/",
                               "ftp://host/x", "www.example.invalid", "" } )
        EXPECT_EQ(ADDRESS_UNSUPPORTED, GetAddressKind(data)) << data;

    // Every file scheme is removed, wherever it stands.
    const std::pair<const char*, const char*> schemes[] =
    {
        { "file:///tmp/page.html", "/tmp/page.html" },
        { "file://pages/file://index.html", "pages/index.html" },
        { "file://file://x", "x" }, { "file://", "" },
        { "FILE://x/file://y", "FILE://x/y" }, { "page.html", "page.html" },
    };
    for ( const auto& c : schemes )
        EXPECT_EQ(c.second, StripFileScheme(c.first)) << c.first;
}

TEST(LaunchTarget, RelativeTargetsResolveAgainstTheLanguageFolder)
{
#ifdef __WINDOWS__
    // The language folder as the launcher makes it there: the drive and
    // "\\" up to the base folder, "/" after it. The result has Windows'
    // separators throughout.
    const wxString dir = "C:\\base/launcher_data/en";
    const wxString native = "C:\\base\\launcher_data\\en";
    const std::pair<const char*, wxString> cases[] =
    {
        { "bin/app", native + "\\bin\\app" },
        { "my documents\\a b.txt", native + "\\my documents\\a b.txt" },
        { "./a/./b", native + "\\a\\b" },
        { "a\\..\\b", native + "\\b" },
        { "../shared/x.pdf", "C:\\base\\launcher_data\\shared\\x.pdf" },
        { "../../x", "C:\\base\\x" },
        // "~" is a name like any other there.
        { "~/x", native + "\\~\\x" },
        // Absolute targets keep every part as written.
        { "D:\\abs\\.\\x\\..\\y", "D:\\abs\\.\\x\\..\\y" },
        { "C:/opt/app", "C:\\opt\\app" },
    };
    for ( const auto& c : cases )
        EXPECT_EQ(c.second, ResolveTargetPath(c.first, dir)) << c.first;

    // The language folder of an empty language name ends in "/".
    EXPECT_EQ("C:\\base\\launcher_data\\a.txt",
              ResolveTargetPath("a.txt", "C:\\base/launcher_data/"));
#else
    const wxString dir = "/base/launcher_data/en";
    const std::pair<const char*, wxString> cases[] =
    {
        { "bin/app", dir + "/bin/app" },
        { "my documents/a b.txt", dir + "/my documents/a b.txt" },
        { "./a/./b", dir + "/a/b" },
        { "a/../b", dir + "/b" },
        { "../shared/x.pdf", "/base/launcher_data/shared/x.pdf" },
        { "../../x", "/base/x" },
        // Absolute targets keep every part as written.
        { "/abs/./x/../y", "/abs/./x/../y" },
        { "/opt/app", "/opt/app" },
    };
    for ( const auto& c : cases )
        EXPECT_EQ(c.second, ResolveTargetPath(c.first, dir)) << c.first;

    // The language folder of an empty language name ends in "/".
    EXPECT_EQ("/base/launcher_data/a.txt",
              ResolveTargetPath("a.txt", "/base/launcher_data/"));
    // A home folder shorthand is the user's; one that names no folder
    // leaves a relative rest, which would be looked for wherever the
    // launcher happens to stand.
    EXPECT_EQ(wxGetHomeDir() + "/x", ResolveTargetPath("~/x", dir));
    for ( const char* unresolvable : { "~launcher-no-such-user/prog.sh",
                                       "~launcher-no-such-user/../x" } )
        EXPECT_EQ("", ResolveTargetPath(unresolvable, dir)) << unresolvable;
#endif
}

TEST(LaunchTarget, ExtensionsAndTheEditorFallback)
{
    const std::pair<const char*, const char*> cases[] =
    {
        { "/a/b.txt", "txt" }, { "/a/b.TXT", "TXT" }, { "/a/b", "" },
        { "/a.d/b", "" }, { "/a/b.tar.gz", "gz" }, { "/a/b c.Pdf", "Pdf" },
    };
    for ( const auto& c : cases )
        EXPECT_EQ(c.second, GetPathExtension(c.first)) << c.first;

    EXPECT_TRUE(IsLinuxSystem(wxOS_UNIX_LINUX));
    for ( wxOperatingSystemId other : { wxOS_WINDOWS_NT, wxOS_MAC_OSX_DARWIN,
                                        wxOS_UNIX_FREEBSD, wxOS_UNKNOWN } )
    {
        EXPECT_FALSE(IsLinuxSystem(other));
        EXPECT_FALSE(WantsEditorFallback(other, "txt"));
    }
    for ( const char* extension : { "txt", "TXT", "Txt" } )
        EXPECT_TRUE(WantsEditorFallback(wxOS_UNIX_LINUX, extension));
    for ( const char* extension : { "", "text", "txt ", "pdf", "tx" } )
        EXPECT_FALSE(WantsEditorFallback(wxOS_UNIX_LINUX, extension));
}

TEST(LaunchTarget, TheDocumentIsAlwaysOneArgumentAsWritten)
{
    const std::pair<const char*, Args> commands[] =
    {
        { "xdg-open LauncherDocumentPlaceholder", { "xdg-open", "DOC" } },
        { "\"/opt/my editor/bin\" --flag LauncherDocumentPlaceholder",
          { "/opt/my editor/bin", "--flag", "DOC" } },
        { "app \"LauncherDocumentPlaceholder\" -x", { "app", "DOC", "-x" } },
        { "app --file=LauncherDocumentPlaceholder", { "app", "--file=DOC" } },
        // Only Linux commands are split; Windows runs its registry's
        // command lines as they are spelled.
        { "gedit 'LauncherDocumentPlaceholder'", { "gedit", "DOC" } },
        { "sh -c 'echo $HOME `id`' LauncherDocumentPlaceholder",
          { "sh", "-c", "echo $HOME `id`", "DOC" } },
        { "viewer   LauncherDocumentPlaceholder  ", { "viewer", "DOC" } },
        { "", { } },
    };
    const char* const documents[] =
    {
        "/tmp/plain.txt", "/tmp/my file.txt", "/tmp/it's \"quoted\".txt",
        "/tmp/a;rm -rf x.txt", "/tmp/$(touch x).txt", "/tmp/`touch x`.txt",
        "/tmp/line\nfeed.txt", "/tmp/back\\slash .txt", "/tmp/%s %d%%.txt",
        "/tmp/LauncherDocumentPlaceholder.txt", "-n.txt", "",
        "/tmp/caf\xC3\xA9.txt",
    };

    for ( const auto& command : commands )
    {
        for ( const char* documentText : documents )
        {
            const wxString document = wxString::FromUTF8(documentText);
            Args expected = command.second;
            for ( wxString& arg : expected )
                arg.Replace("DOC", document);

            const wxArrayString args = MakeOpenArguments(command.first,
                                                         PLACEHOLDER,
                                                         document);
            EXPECT_EQ(expected, Args(args.begin(), args.end()))
                << command.first << " with " << documentText;
        }
    }
}
