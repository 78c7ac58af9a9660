///////////////////////////////////////////////////////////////////////////////
// Name:        tests/launch/LaunchTestSupport.h
// Purpose:     What the launching tests share: a desktop of their own with
//              stand-in programs, a system that records the launcher's
//              requests, and the fixture
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_TESTS_LAUNCHTESTSUPPORT_H
#define LAUNCHER_TESTS_LAUNCHTESTSUPPORT_H

#include "GuiTestSupport.h"
#include "PanelAccess.h"
#include "content/DataFolders.h"
#include "content/StringTable.h"
#include "launch/LaunchSystem.h"

#include <wx/frame.h>
#include <wx/process.h>
#include <wx/utils.h>

#include <stdlib.h>
#include <unistd.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

// The test program's own desktop: HOME and the XDG folders point below one
// folder where nothing is registered but "launch-recorder", the opener of
// "sgf" documents. It, "xdg-open" (early on PATH) and "editor/gedit" (on
// PATH when a test puts it there) write down the arguments they receive.
//
// The toolkit's MIME database reads the XDG folders on its first use, and
// GLib reads them (and HOME) once for the whole process, from GTK's start
// on: they are set before main runs. With them, GTK's own attempt to show a
// page (through GIO's handlers) finds no handler and the toolkit hands the
// page to the first "xdg-open" on PATH. Without a session bus nothing is
// activated through one, and none is started for the tests. The folder's
// name is in lower case as the toolkit reads .desktop files in lower case.
struct TestDesktop
{
    TestDesktop()
    {
        const char* const tmp = getenv("TMPDIR");
        root = std::string(tmp && *tmp ? tmp : "/tmp") +
               "/launcher-launch-desktop-" + std::to_string(getpid());
        const char* const path = getenv("PATH");
        originalPath = path ? path : "/usr/bin:/bin";

        const std::pair<const char*, std::string> variables[] =
        {
            { "HOME", root + "/home" },
            { "XDG_DATA_HOME", root + "/data" },
            { "XDG_DATA_DIRS", root + "/sysdata" },
            { "XDG_CONFIG_HOME", root + "/config" },
            { "XDG_CONFIG_DIRS", root + "/sysconfig" },
            { "BROWSER", root + "/bin/xdg-open" },
            { "PATH", root + "/bin:" + originalPath },
            { "DBUS_SESSION_BUS_ADDRESS", "unix:path=" + root + "/no-bus" },
            { "NO_AT_BRIDGE", "1" },
        };
        for ( const auto& v : variables )
            setenv(v.first, v.second.c_str(), 1);
    }

    static const TestDesktop& Get()
    {
        static const TestDesktop s_desktop;
        return s_desktop;
    }

    // A path below the desktop's folder.
    static wxString Path(const wxString& relative)
        { return wxString::FromUTF8(Get().root.c_str()) + "/" + relative; }
    // The PATH the tests started with.
    static wxString OriginalPath()
        { return wxString::FromUTF8(Get().originalPath.c_str()); }

    static void ClearRecords()
    {
        wxFileName::Rmdir(Path("records"), wxPATH_RMDIR_RECURSIVE);
        wxFileName::Mkdir(Path("records"));
    }
    // The record of the stand-in of this name once it has run (the count of
    // its arguments, then one a line), empty when it did not run in time.
    static std::string WaitForRecord(const wxString& name)
    {
        const wxString record = Path("records/" + name);
        WaitFor([&record]() { return wxFileExists(record); });
        return ReadFileContent(record);
    }
    // The record of a run with this one argument.
    static std::string RecordOf(const wxString& arg)
        { return "1\n" + arg.utf8_string() + "\n"; }

    std::string root;
    std::string originalPath;
};

// Sets an environment variable while it lives.
class ScopedEnv
{
public:
    ScopedEnv(const wxString& name, const wxString& value)
        : m_name(name), m_hadValue(wxGetEnv(name, &m_previous))
        { wxSetEnv(name, value); }
    ~ScopedEnv()
        { m_hadValue ? wxSetEnv(m_name, m_previous) : wxUnsetEnv(m_name); }

private:
    wxString m_name, m_previous;
    bool m_hadValue;
};

// Writes down, in order, what the launcher asks of the system and tells the
// user (every log message, as "error: text" or "info: text"), each with
// " [busy]" while the busy cursor shows. With the real system the requests
// go on to it; without, the members below answer.
class RecordingSystem : public LaunchSystem, public wxLog
{
public:
    RecordingSystem() : m_previousLog(wxLog::SetActiveTarget(this)) { }
    virtual ~RecordingSystem() { wxLog::SetActiveTarget(m_previousLog); }

    void UseRealSystem(LaunchSystem& real = GetDesktopLaunchSystem())
        { m_real = &real; }

    void Note(const wxString& event)
        { m_events.push_back(wxIsBusy() ? event + " [busy]" : event); }
    // The events since the last call, one a line.
    wxString TakeEvents()
    {
        const wxString text = wxJoin(m_events, '\n', '\0');
        m_events.clear();
        return text;
    }

    virtual wxOperatingSystemId GetOperatingSystemId() const wxOVERRIDE
    {
        return m_real ? m_real->GetOperatingSystemId()
                      : m_windows ? wxOS_WINDOWS_NT : wxOS_UNIX_LINUX;
    }
    virtual long StartDetached(const wxArrayString& args) wxOVERRIDE
    {
        Note("start " + wxJoin(args, '|', '\0'));
        if ( m_failingStarts-- > 0 )
            return 0;
        if ( m_real )
            return m_real->StartDetached(args);
        m_running.insert(m_nextPid);
        return m_nextPid++;
    }
    virtual long StartCommandLine(const wxString& commandLine) wxOVERRIDE
    {
        Note("start-line " + commandLine);
        return m_real ? m_real->StartCommandLine(commandLine) : 0;
    }
    virtual bool ProcessExists(long pid) wxOVERRIDE
    {
        Note(wxString::Format("exists %ld", pid));
        return m_real ? m_real->ProcessExists(pid) : m_running.count(pid) != 0;
    }
    virtual void OpenInBrowser(const wxString& target) wxOVERRIDE
    {
        Note("browser " + target);
        if ( m_real )
            m_real->OpenInBrowser(target);
    }
    virtual OpenCommandResult GetOpenCommand(const wxString& extension,
                                             const wxString& documentPath,
                                             OpenCommand* command) wxOVERRIDE
    {
        Note("open-command " + extension + " " + documentPath);
        if ( m_hideFileTypes )
            return NO_FILE_TYPE;
        if ( m_real )
            return m_real->GetOpenCommand(extension, documentPath, command);
        if ( m_openResult == OPEN_COMMAND_FOUND )
            command->args = wxSplit("opener|" + documentPath, '|', '\0');
        return m_openResult;
    }
    virtual wxString FindEditor() wxOVERRIDE
    {
        Note("find-editor");
        return m_real ? m_real->FindEditor() : m_editor;
    }

    // This many starts fail, as a failed fork does, before one goes on.
    int m_failingStarts = 0;
    // No extension has a file type, as on a system without MIME database.
    bool m_hideFileTypes = false;

    // Without the real system: started programs get ids from m_nextPid on
    // and run until a test erases them; a found open command is "opener"
    // followed by the document.
    bool m_windows = false;
    long m_nextPid = 101;
    std::set<long> m_running;
    OpenCommandResult m_openResult = OPEN_COMMAND_FOUND;
    wxString m_editor;

protected:
    virtual void DoLogRecord(wxLogLevel level, const wxString& msg,
                             const wxLogRecordInfo&) wxOVERRIDE
    {
        Note((level == wxLOG_Error ? wxString("error") :
              level == wxLOG_Message ? wxString("info") :
              wxString::Format("level %lu", level)) + ": " + msg);
    }

private:
    LaunchSystem* m_real = NULL;
    wxArrayString m_events;
    wxLog* m_previousLog;
};

typedef std::vector<std::pair<wxString, wxString> > EntryList;

// A language folder of its own and known message texts. In texts "$L"
// stands for the language folder, "$T" for the folder above it and "$D" for
// the desktop's folder.
class LaunchTest : public testing::Test
{
protected:
    LaunchTest() : m_access(NULL)
    {
        g_languageDir = m_dir.MakeDir("lang");
        g_stringTable.clear();
        g_stringTable["file_no_exist"] = "Missing: %s";
        g_stringTable["already_running"] = "Already running";
        g_stringTable["unsupported_uri"] = "Unsupported: %s";
        g_stringTable["unregistered_filetype"] = "No opener: %s";

        // Whatever a started program might create by mistake lands here.
        m_previousCwd = wxGetCwd();
        wxSetWorkingDirectory(m_dir.GetPath());
        TestDesktop::ClearRecords();
    }

    virtual ~LaunchTest()
    {
        for ( long pid : m_started )
        {
            wxProcess::Kill(pid, wxSIGKILL, wxKILL_CHILDREN);
            // The toolkit reaps its children from the event loop.
            WaitFor([pid]() { return !wxProcess::Exists(pid); }, 2000);
        }
        if ( m_panel )
            m_panel->Destroy();
        wxSetWorkingDirectory(m_previousCwd);
    }

    wxString Expand(const wxString& text) const
    {
        wxString expanded = text;
        expanded.Replace("$L", g_languageDir);
        expanded.Replace("$T", m_dir.GetPath());
        expanded.Replace("$D/", TestDesktop::Path(""));
        return expanded;
    }

    // A shell script at the expanded path that runs the expanded body.
    wxString WriteScript(const wxString& path, const wxString& body) const
    {
        return m_dir.WriteFile(Expand(path).Mid(m_dir.GetPath().length() + 1),
                               "#!/bin/sh\n" + Expand(body).utf8_string(),
                               true);
    }

    // A panel with these entries (type and data), asking m_system; the
    // access stays valid for the panels that later calls make.
    LauncherPanelTestAccess& MakePanel(const EntryList& entries)
    {
        // Nothing of the panel's own content is read from here, and reading
        // it moves the language folder.
        const wxString languageDir = g_languageDir;
        g_baseDir = m_dir.GetPath();
        if ( m_panel )
            m_panel->Destroy();
        m_panel = new LauncherPanel(GetTestFrame());
        g_languageDir = languageDir;

        m_access = LauncherPanelTestAccess(m_panel);
        m_access.SetLaunchSystem(&m_system);
        for ( size_t n = 0; n < entries.size(); ++n )
        {
            m_access.Entry(n).type = entries[n].first;
            m_access.Entry(n).data = Expand(entries[n].second);
        }
        m_access.SetEntryCount(entries.size());
        m_system.TakeEvents();
        return m_access;
    }

    // Activates the entry, checks its result and that no busy cursor is
    // left; returns the events it caused.
    wxString Activate(int index, bool expected)
    {
        EXPECT_EQ(expected, m_panel->LaunchOption(index)) << "entry " << index;
        EXPECT_FALSE(wxIsBusy()) << "entry " << index;
        return m_system.TakeEvents();
    }

    // Makes sure the program is gone when the test ends.
    void KillAtEnd(long pid) { if ( pid > 0 ) m_started.push_back(pid); }

    TempDir m_dir;
    RecordingSystem m_system;

private:
    LauncherPanel* m_panel = NULL;
    LauncherPanelTestAccess m_access;
    std::vector<long> m_started;
    wxString m_previousCwd;
};

#endif // LAUNCHER_TESTS_LAUNCHTESTSUPPORT_H
