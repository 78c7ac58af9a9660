///////////////////////////////////////////////////////////////////////////////
// Name:        tests/launch/DesktopLaunchTest.cpp
// Purpose:     Tests of launching on the running system: real programs, the
//              default browser and the file-type registry, with stand-ins
//              that record what reaches them
///////////////////////////////////////////////////////////////////////////////

#include "LaunchTestSupport.h"

#include "content/DataFolders.h"
#include "launch/DesktopLaunchSystem.h"
#include "launch/LaunchActions.h"

#include <wx/file.h>
#include <wx/process.h>
#include <wx/utils.h>

#include <limits.h>
#include <signal.h>
#include <unistd.h>

namespace
{

// Shell lines that write to the record what the script's process got from
// its parent: its session and process group, where its standard streams
// lead and what SIGPIPE does.
wxString RecordInheritance(const wxString& record)
{
    return "( set -- $(cat /proc/$$/stat)\n"
           "  if [ $5 = $$ ] && [ $6 = $$ ]; then echo own session\n"
           "  else echo session $6 group $5; fi\n"
           "  for fd in 0 1 2; do echo \"$(readlink /proc/$$/fd/$fd)\"; done\n"
           "  ignored=$(awk '/^SigIgn/ {print $2}' /proc/$$/status)\n"
           "  if [ $((0x$ignored & 4096)) = 0 ]; then echo SIGPIPE default\n"
           "  else echo SIGPIPE ignored; fi ) > " + record + ".part\n"
           "mv " + record + ".part " + record + "\n";
}

// The record of a process that stands apart from the launcher.
const char STANDS_APART[] =
    "own session\n/dev/null\n/dev/null\n/dev/null\nSIGPIPE default\n";

// The record of a process that shares all of it with the test program.
std::string RecordOfTheLauncher()
{
    std::string record = "session " + std::to_string(getsid(0)) + " group " +
                         std::to_string(getpgrp()) + "\n";
    for ( int fd = 0; fd < 3; ++fd )
    {
        char target[PATH_MAX];
        const ssize_t length = readlink(
            ("/proc/self/fd/" + std::to_string(fd)).c_str(), target,
            sizeof(target));
        record += std::string(target, length > 0 ? length : 0) + "\n";
    }
    struct sigaction action;
    sigaction(SIGPIPE, NULL, &action);
    return record + (action.sa_handler == SIG_IGN ? "SIGPIPE ignored\n"
                                                  : "SIGPIPE default\n");
}

void WriteDesktopFile(const wxString& relative, const wxString& content)
{
    const wxString path = TestDesktop::Path(relative);
    wxFileName::Mkdir(wxFileName(path).GetPath(), wxS_DIR_DEFAULT,
                      wxPATH_MKDIR_FULL);
    wxFile file;
    EXPECT_TRUE(file.Create(path, true, wxS_DEFAULT | wxPOSIX_USER_EXECUTE));
    EXPECT_TRUE(file.Write(content));
}

wxString MakeRecorder(const wxString& name)
{
    const wxString record = "'" + TestDesktop::Path("records/" + name) + "'";
    return "#!/bin/sh\n" +
           RecordInheritance("'" + TestDesktop::Path("records/" + name) +
                             ".inherited'") +
           "{ echo $#; for arg in \"$@\"; do printf '%s\\n' \"$arg\"; done; }"
           " > " + record + ".part\n"
           "mv " + record + ".part " + record + "\n";
}

class DesktopEnvironment : public testing::Environment
{
public:
    DesktopEnvironment() { TestDesktop::Get(); }

    virtual void SetUp() wxOVERRIDE
    {
        TearDown();
        WriteDesktopFile("bin/xdg-open", MakeRecorder("xdg-open"));
        WriteDesktopFile("bin/launch-recorder",
                         MakeRecorder("launch-recorder"));
        WriteDesktopFile("editor/gedit", MakeRecorder("gedit"));

        wxString which;
        EXPECT_TRUE(wxFindFileInPath(&which, TestDesktop::OriginalPath(),
                                     "which"));
        WriteDesktopFile("nogedit/which",
                         "#!/bin/sh\nexec '" + which + "' \"$@\"\n");
        WriteDesktopFile("badwhich/which",
                         "#!/bin/sh\necho /nonexistent/gedit\n");

        // GTK looks for an icon of every MIME type the toolkit reads.
        WriteDesktopFile("sysdata/icons/hicolor/index.theme",
                         "[Icon Theme]\nName=Hicolor\nDirectories=\n");

        // The toolkit maps extensions to MIME types only through the fixed
        // /usr/share/mime/globs (where "sgf" has this one type) and takes
        // openers from the MimeType= lines of every .desktop file in the
        // XDG data folders (and from defaults.list, not mimeapps.list).
        WriteDesktopFile("data/applications/launch-recorder.desktop",
                         "[Desktop Entry]\nType=Application\n"
                         "Name=Launch recorder\nExec=launch-recorder %f\n"
                         "MimeType=application/x-go-sgf;\n");
    }

    virtual void TearDown() wxOVERRIDE
    {
        wxFileName::Rmdir(TestDesktop::Path(""), wxPATH_RMDIR_RECURSIVE);
    }
};

[[maybe_unused]] testing::Environment* const g_desktop =
    testing::AddGlobalTestEnvironment(new DesktopEnvironment);

class DesktopLaunchTest : public LaunchTest
{
protected:
    DesktopLaunchTest() { m_system.UseRealSystem(); }

    // The content of a file below the test's folder once it has some.
    std::string WaitForMarker(const wxString& name)
    {
        const wxString path = Expand("$T/" + name);
        WaitFor([&path]() { return !ReadFileContent(path).empty(); });
        return ReadFileContent(path);
    }

    long StartProgram(const wxString& path)
    {
        long pid = -1;
        EXPECT_TRUE(LaunchProgram(m_system, Expand(path), g_languageDir, pid))
            << path;
        KillAtEnd(pid);
        return pid;
    }

    wxString WriteDocument(const wxString& name)
    {
        return m_dir.WriteFile("lang/" + name, "document");
    }

    // Runs a launcher that starts the program and ends at once, its own
    // standard streams closed or not; returns its exit status.
    static int RunClosingLauncher(const wxString& program, bool closeStreams)
    {
        const wxCharBuffer helper(wxString(LAUNCH_AND_EXIT).fn_str());
        const wxCharBuffer programArg(program.fn_str());
        const char* const argv[] =
        {
            "/bin/sh", "-c", closeStreams ? "exec \"$0\" \"$1\" <&- >&- 2>&-"
                                          : "exec \"$0\" \"$1\"",
            helper.data(), programArg.data(), NULL
        };
        return wxExecute(argv, wxEXEC_SYNC | wxEXEC_NODISABLE);
    }
};

} // anonymous namespace

TEST_F(DesktopLaunchTest, StartsExactlyTheProgramOfThePath)
{
    // Each with what splitting the path at a blank would run.
    static const struct { const char* program; const char* decoy; } cases[] =
    {
        { "$T/My Tools/setup", "$T/My" },
        { "$T/it's \"a\" tool; $(touch pwned) & `touch pwned`/run", "$T/it's" },
    };

    int n = 0;
    for ( const auto& c : cases )
    {
        const wxString marker = wxString::Format("ran-%d", ++n);
        WriteScript(c.program, "echo \"$# $0\" > '$T/" + marker + "'\n");
        WriteScript(c.decoy, "echo decoy > '$T/decoy'\n");

        EXPECT_GT(StartProgram(c.program), 0);
        EXPECT_EQ("0 " + Expand(c.program).utf8_string() + "\n",
                  WaitForMarker(marker));
    }
    EXPECT_FALSE(wxFileExists(Expand("$T/decoy")));
    EXPECT_FALSE(wxFileExists(Expand("$T/pwned")));
}

TEST_F(DesktopLaunchTest, ProgramNeitherReadsNorWritesThroughTheLauncher)
{
    // More than any pipe holds: a launcher that never reads would hold the
    // program up for good.
    WriteScript("$T/flood", "head -c 1048576 /dev/zero\n"
                            "head -c 1048576 /dev/zero >&2\n"
                            "echo done > '$T/flooded'\n");
    WriteScript("$T/streams", "wc -c > '$T/input'\n"
                              "fds=$(readlink /proc/$$/fd/0 /proc/$$/fd/1"
                              " /proc/$$/fd/2)\n"
                              "echo \"$fds\" > '$T/fds'\n"
                              "ignored=$(awk '/^SigIgn/ {print $2}'"
                              " /proc/$$/status)\n"
                              "echo $((0x$ignored & 4096)) > '$T/sigpipe'\n");
    StartProgram("$T/flood");
    StartProgram("$T/streams");

    EXPECT_EQ("done\n", WaitForMarker("flooded"));
    EXPECT_EQ("0\n", WaitForMarker("input"));
    EXPECT_EQ("/dev/null\n/dev/null\n/dev/null\n", WaitForMarker("fds"));
    // SIGPIPE has its default action, as from a shell, whatever the
    // launcher's libraries chose for the launcher itself.
    EXPECT_EQ("0\n", WaitForMarker("sigpipe"));
}

TEST_F(DesktopLaunchTest, ProgramOutlivesTheLauncherThatStartedIt)
{
    // Writes only once the launcher has ended (the test then says "go"), to
    // streams that would have been the launcher's. Its parent cannot tell:
    // the launcher may end before the program has even looked. Whether a
    // write to a pipe nobody reads kills the program or fails depends on
    // whether the launcher ignored SIGPIPE (GLib does, once it has opened a
    // socket); either way the program does not go on normally.
    const wxString program = WriteScript("$T/survivor",
        "n=0\n"
        "while [ ! -e '$T/go' ] && [ $n -lt 250 ]; do\n"
        "    sleep 0.02; n=$((n + 1))\n"
        "done\n"
        "if head -c 100000 /dev/zero && echo still here >&2; then\n"
        "    echo outlived > '$T/outlived'\n"
        "else\n"
        "    echo writes failed > '$T/outlived'\n"
        "fi\n");

    EXPECT_EQ(0, RunClosingLauncher(program, false));
    m_dir.WriteFile("go", "");

    EXPECT_EQ("outlived\n", WaitForMarker("outlived"));
}

TEST_F(DesktopLaunchTest, ProgramGetsTheNullDeviceEvenFromALauncherWithoutStreams)
{
    // A launcher started with its standard streams closed must still hand
    // the null device on, not a stream that is closed.
    const wxString program = WriteScript("$T/orphan",
        "fds=$(readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2)\n"
        "echo \"$fds\" > '$T/orphan-fds'\n");
    EXPECT_EQ(0, RunClosingLauncher(program, true));

    EXPECT_EQ("/dev/null\n/dev/null\n/dev/null\n", WaitForMarker("orphan-fds"));
}

TEST_F(DesktopLaunchTest, ProgramAndBrowserStandApartOnLinuxOnly)
{
    // This machine, taken for another Unix: its starts must follow that
    // answer, as the launcher's decisions do.
    class OtherUnix : public DesktopLaunchSystem
    {
        virtual wxOperatingSystemId GetOperatingSystemId() const wxOVERRIDE
            { return wxOS_UNIX_FREEBSD; }
    } otherUnix;

    // As the launcher's libraries leave it.
    void (*const brokenPipe)(int) = signal(SIGPIPE, SIG_IGN);
    const std::string launcher = RecordOfTheLauncher();
    const wxString program = WriteScript("$T/inherits",
                                         RecordInheritance("'$T/program'"));

    for ( bool onLinux : { true, false } )
    {
        if ( !onLinux )
            m_system.UseRealSystem(otherUnix);
        TestDesktop::ClearRecords();
        wxRemoveFile(Expand("$T/program"));
        const std::string expected = onLinux ? STANDS_APART : launcher;

        StartProgram(program);
        EXPECT_EQ(expected, WaitForMarker("program")) << onLinux;
        EXPECT_TRUE(LaunchAddress(m_system, "http://a.invalid/",
                                  g_languageDir));
        EXPECT_EQ(expected, TestDesktop::WaitForRecord("xdg-open.inherited"))
            << onLinux;
    }
    signal(SIGPIPE, brokenPipe);
}

TEST_F(DesktopLaunchTest, RefusesRelaunchWhileTheProgramRuns)
{
    WriteScript("$L/waiting", "echo started >> '$T/runs'\nexec sleep 30\n");
    LauncherPanelTestAccess& panel = MakePanel({ { "executable", "waiting" } });

    // Whatever process holds the id, it counts as the entry's program.
    panel.Pid(0) = getpid();
    EXPECT_EQ(wxString::Format("exists %d [busy]\n"
                               "info: Already running [busy]", getpid()),
              Activate(0, false));

    // A start that failed stores 0, which must not hold back the next one:
    // the system answers "exists" for 0 on Linux.
    panel.Pid(0) = -1;
    m_system.m_failingStarts = 1;
    EXPECT_EQ(Expand("start $L/waiting [busy]"), Activate(0, true));
    EXPECT_EQ(0, panel.Pid(0));
    EXPECT_EQ(Expand("start $L/waiting [busy]"), Activate(0, true));
    const long first = panel.Pid(0);
    KillAtEnd(first);
    ASSERT_GT(first, 0);
    EXPECT_EQ("started\n", WaitForMarker("runs"));

    EXPECT_EQ(wxString::Format("exists %ld [busy]\n"
                               "info: Already running [busy]", first),
              Activate(0, false));
    EXPECT_EQ(first, panel.Pid(0));

    wxProcess::Kill(first, wxSIGTERM);
    EXPECT_TRUE(WaitFor([first]() { return !wxProcess::Exists(first); }));

    EXPECT_EQ(Expand(wxString::Format("exists %ld [busy]\n"
                                      "start $L/waiting [busy]", first)),
              Activate(0, true));
    const long second = panel.Pid(0);
    KillAtEnd(second);
    EXPECT_GT(second, 0);
    EXPECT_NE(first, second);
    EXPECT_TRUE(WaitFor([this]() {
        return ReadFileContent(Expand("$T/runs")) == "started\nstarted\n"; }));
}

TEST_F(DesktopLaunchTest, BrowserReceivesTheBarePathOrTheAddress)
{
    WriteDocument("my page.html");
    const char* const cases[][2] =
    {
        { "http://a.invalid/page?q=1&r=2#frag",
          "http://a.invalid/page?q=1&r=2#frag" },
        { "file://my page.html", "$L/my page.html" },
    };
    for ( const auto& c : cases )
    {
        TestDesktop::ClearRecords();
        EXPECT_TRUE(LaunchAddress(m_system, c[0], g_languageDir));
        // Nothing from the toolkit either: the call reached the stand-in.
        EXPECT_EQ(Expand(wxString("browser ") + c[1] + " [busy]"),
                  m_system.TakeEvents());
        EXPECT_EQ(TestDesktop::RecordOf(Expand(c[1])),
                  TestDesktop::WaitForRecord("xdg-open")) << c[0];
    }
}

TEST_F(DesktopLaunchTest, RegisteredOpenerReceivesExactlyTheDocument)
{
    // The editor is at hand, yet a known file type is never opened with it.
    ScopedEnv path("PATH", TestDesktop::Path("editor:") + wxGetenv("PATH"));

    // Only "sgf" has an opener; "txt" is a known type without one.
    static const struct { const char* name; const char* extension; bool opens; }
        cases[] =
    {
        { "plain.sgf", "sgf", true },
        { "CAPITALS.SGF", "SGF", true },
        { "it's \"quoted\"; $(touch pwned) `touch pwned` & more.sgf", "sgf",
          true },
        { "notes.txt", "txt", false },
        { "notes.TXT", "TXT", false },
        { "document.launchtestnone", "launchtestnone", false },
        { "README", "", false },
    };

    for ( const auto& c : cases )
    {
        TestDesktop::ClearRecords();
        const wxString document = WriteDocument(c.name);
        EXPECT_EQ(c.opens, LaunchDocument(m_system, c.name, g_languageDir));
        EXPECT_EQ(wxString("open-command ") + c.extension + " " + document +
                  (c.opens ? "\nstart launch-recorder|" + document
                           : "\nerror: No opener: " + wxString(c.extension)),
                  m_system.TakeEvents());
        if ( c.opens )
        {
            EXPECT_EQ(TestDesktop::RecordOf(document),
                      TestDesktop::WaitForRecord("launch-recorder"))
                << c.name;
        }
    }
    EXPECT_FALSE(wxFileExists(Expand("$T/pwned")));
}

TEST_F(DesktopLaunchTest, TextWithoutFileTypeOpensInTheEditorFound)
{
    // The toolkit knows "txt" from the system's fixed list of extensions, so
    // only the answer that no file type exists is made up here; the probe,
    // the editor and the start are real.
    m_system.m_hideFileTypes = true;

    // On PATH, "$O" stands for the PATH the tests started with; without it
    // no gedit of this machine is found.
    // Each with the events after the question for the open command.
    static const struct
        { const char* path; const char* name; const char* extension;
          const char* events; } cases[] =
    {
        { "$D/editor:$O",
          "it's \"my\" notes; $(touch pwned) & `touch pwned`.txt", "txt",
          "find-editor\nstart $D/editor/gedit|" },
        { "$D/nogedit", "notes.txt", "txt",
          "find-editor\nerror: No opener: txt" },
        { "$D/badwhich", "notes.TXT", "TXT",
          "find-editor\nerror: No opener: TXT" },
    };

    for ( const auto& c : cases )
    {
        TestDesktop::ClearRecords();
        const wxString document = WriteDocument(c.name);
        const bool opens = wxString(c.events).EndsWith("|");
        {
            wxString path = Expand(c.path);
            path.Replace("$O", TestDesktop::OriginalPath());
            ScopedEnv setPath("PATH", path);
            EXPECT_EQ(opens, LaunchDocument(m_system, c.name, g_languageDir));
        }
        EXPECT_EQ(wxString("open-command ") + c.extension + " " + document +
                  "\n" + Expand(c.events) + (opens ? document : ""),
                  m_system.TakeEvents());
        if ( opens )
        {
            EXPECT_EQ(TestDesktop::RecordOf(document),
                      TestDesktop::WaitForRecord("gedit"));
        }
    }
    EXPECT_FALSE(wxFileExists(Expand("$T/pwned")));
}
