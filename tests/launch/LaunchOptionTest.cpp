///////////////////////////////////////////////////////////////////////////////
// Name:        tests/launch/LaunchOptionTest.cpp
// Purpose:     Tests of activating entries: the branch each takes, what it
//              asks of the system, what it tells the user, the busy cursor
//              and the process id that each entry keeps
///////////////////////////////////////////////////////////////////////////////

#include "LaunchTestSupport.h"

#include <limits.h>

namespace
{

class LaunchOptionTest : public LaunchTest
{
protected:
    LaunchOptionTest()
    {
        m_dir.WriteFile("lang/prog", "", true);
        m_dir.WriteFile("prog-up", "", true);
        m_dir.WriteFile("lang/page.html", "");
        m_dir.WriteFile("up.html", "");
        m_dir.MakeDir("lang/folder");
        for ( const char* name : { "doc.sgf", "notes.txt", "notes.TXT",
                                   "README" } )
            m_dir.WriteFile(wxString("lang/") + name, "");
        m_dir.WriteFile("gedit", "", true);
    }
};

} // anonymous namespace

TEST_F(LaunchOptionTest, RefusesIndicesOutsideTheEntries)
{
    LauncherPanelTestAccess& panel = MakePanel(EntryList());
    for ( int index : { -1, 0, 1, 4, 5 } )
        EXPECT_EQ("", Activate(index, false));

    // Slots beyond the count are never read, whatever they hold.
    MakePanel({ { "executable", "prog" }, { "browser", "http://a.invalid" },
                { "executable", "prog" } });
    panel.SetEntryCount(2);
    for ( int index : { -1, 2, 4, 5, INT_MAX, INT_MIN } )
        EXPECT_EQ("", Activate(index, false));
    EXPECT_EQ(-1, panel.Pid(0));
}

TEST_F(LaunchOptionTest, TakesTheBranchOfTheTypeAndResolvesTheTarget)
{
    // The kinds of type and address and the resolving of paths, in every
    // letter case and form, are the rules' own tests; here each branch
    // shows that it follows them.
    static const struct
        { const char* type; const char* data; bool result; const char* events; }
    cases[] =
    {
        { "executable", "prog", true, "start $L/prog [busy]" },
        { "eXeCuTaBlE", "../prog-up", true, "start $T/prog-up [busy]" },
        { "executable", "$L/../lang/prog", true,
          "start $L/../lang/prog [busy]" },
        { "executable", "missing", false, "error: Missing: $L/missing [busy]" },
        { "executable", "folder", false, "error: Missing: $L/folder [busy]" },
        // What is left of it lies in the current folder.
        { "executable", "~launcher-no-such-user/prog-up", false,
          "error: Missing: ~launcher-no-such-user/prog-up [busy]" },

        { "Browser", "http://a.invalid/x y?q=1&r=2#top", true,
          "browser http://a.invalid/x y?q=1&r=2#top [busy]" },
        { "BROWSER", "file://page.html", true, "browser $L/page.html [busy]" },
        { "browser", "file://pafile://ge.html", true,
          "browser $L/page.html [busy]" },
        { "browser", "file://../up.html", true, "browser $T/up.html [busy]" },
        { "browser", "file://page.html#top", false,
          "error: Missing: $L/page.html#top [busy]" },
        { "browser", "file://~launcher-no-such-user/up.html", false,
          "error: Missing: ~launcher-no-such-user/up.html [busy]" },
        { "browser", "https://a.invalid", false,
          "error: Unsupported: https://a.invalid" },
        { "browser", "FILE://page.html", false,
          "error: Unsupported: FILE://page.html" },

        { "MimeLookup", "missing.txt", false,
          "error: Missing: $L/missing.txt" },
        { "mimelookup", "~launcher-no-such-user/up.html", false,
          "error: Missing: ~launcher-no-such-user/up.html" },

        { "program", "prog", false, "" },
    };

    for ( const auto& c : cases )
    {
        MakePanel({ { c.type, c.data } });
        EXPECT_EQ(Expand(c.events), Activate(0, c.result))
            << "type \"" << c.type << "\", data \"" << c.data << "\"";
    }
}

TEST_F(LaunchOptionTest, OpensDocumentsWithTheirOpenerOrTheEditor)
{
    const LaunchSystem::OpenCommandResult FOUND =
        LaunchSystem::OPEN_COMMAND_FOUND;
    const LaunchSystem::OpenCommandResult EMPTY = LaunchSystem::NO_OPEN_COMMAND;
    const LaunchSystem::OpenCommandResult NONE = LaunchSystem::NO_FILE_TYPE;

    static const struct
    {
        const char* data;
        LaunchSystem::OpenCommandResult found;
        bool windows;
        const char* editor;
        bool result;
        const char* events;
    } cases[] =
    {
        { "doc.sgf", FOUND, false, "", true,
          "open-command sgf $L/doc.sgf\nstart opener|$L/doc.sgf" },
        // A file type without an open command is no reason to ask for the
        // editor, not even for text.
        { "notes.txt", EMPTY, false, "$T/gedit", false,
          "open-command txt $L/notes.txt\nerror: No opener: txt" },
        { "notes.TXT", NONE, false, "$T/gedit", true,
          "open-command TXT $L/notes.TXT\nfind-editor\n"
          "start $T/gedit|$L/notes.TXT" },
        { "notes.txt", NONE, false, "", false,
          "open-command txt $L/notes.txt\nfind-editor\nerror: No opener: txt" },
        { "notes.TXT", NONE, false, "$T/gone/gedit", false,
          "open-command TXT $L/notes.TXT\nfind-editor\nerror: No opener: TXT" },
        { "notes.txt", NONE, false, "$L/folder", false,
          "open-command txt $L/notes.txt\nfind-editor\nerror: No opener: txt" },
        { "notes.txt", NONE, true, "$T/gedit", false,
          "open-command txt $L/notes.txt\nerror: No opener: txt" },
        { "doc.sgf", NONE, false, "$T/gedit", false,
          "open-command sgf $L/doc.sgf\nerror: No opener: sgf" },
        { "README", NONE, false, "$T/gedit", false,
          "open-command  $L/README\nerror: No opener: " },
    };

    for ( const auto& c : cases )
    {
        m_system.m_openResult = c.found;
        m_system.m_windows = c.windows;
        m_system.m_editor = Expand(c.editor);
        MakePanel({ { "mimelookup", c.data } });
        EXPECT_EQ(Expand(c.events), Activate(0, c.result))
            << c.data << ", found " << c.found << ", windows " << c.windows
            << ", editor " << c.editor;
    }
}

TEST_F(LaunchOptionTest, EachEntryKeepsTheIdOfItsOwnProgram)
{
    LauncherPanelTestAccess& panel =
        MakePanel({ { "executable", "prog" }, { "executable", "$L/prog" },
                    { "browser", "file://page.html" } });

    EXPECT_EQ(Expand("start $L/prog [busy]"), Activate(0, true));
    EXPECT_EQ(101, panel.Pid(0));
    EXPECT_EQ("exists 101 [busy]\ninfo: Already running [busy]",
              Activate(0, false));
    EXPECT_EQ(101, panel.Pid(0));

    // The same program under another entry is not held back by the first.
    EXPECT_EQ(Expand("start $L/prog [busy]"), Activate(1, true));
    EXPECT_EQ(102, panel.Pid(1));

    // Other kinds of entry neither read nor write their slot.
    Activate(2, true);
    EXPECT_EQ(-1, panel.Pid(2));

    m_system.m_running.erase(101);
    EXPECT_EQ(Expand("exists 101 [busy]\nstart $L/prog [busy]"),
              Activate(0, true));
    EXPECT_EQ(103, panel.Pid(0));
    EXPECT_EQ("exists 102 [busy]\ninfo: Already running [busy]",
              Activate(1, false));

    // A program file that has gone is reported as such, even while the
    // program started from it still runs.
    wxRemoveFile(Expand("$L/prog"));
    EXPECT_EQ(Expand("error: Missing: $L/prog [busy]"), Activate(0, false));
    EXPECT_EQ(103, panel.Pid(0));
}
