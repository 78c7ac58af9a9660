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
#include "launch/LaunchSystem.h"

#include <gtest/gtest.h>

#include <wx/utils.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

// The test program's own desktop: HOME and the XDG folders point below one
// folder where nothing is registered but "launch-recorder", the opener of
// "sgf" documents. It, "xdg-open" (early on PATH) and "editor/gedit" (on
// PATH when a test puts it there) write down the arguments they receive.
namespace TestDesktop
{

// A path below the desktop's folder.
wxString Path(const wxString& relative);
// The PATH the tests started with.
wxString OriginalPath();

void ClearRecords();
// The record of the stand-in of this name once it has run (the count of its
// arguments, then one a line), empty when it did not run in time.
std::string WaitForRecord(const wxString& name);
// The record of a run with exactly these arguments.
std::string RecordOf(const std::vector<wxString>& args);

} // namespace TestDesktop

// Sets an environment variable while it lives.
class ScopedEnv
{
public:
    ScopedEnv(const wxString& name, const wxString& value) : m_name(name)
    {
        m_hadValue = wxGetEnv(name, &m_previous);
        wxSetEnv(name, value);
    }
    ~ScopedEnv()
    {
        if ( m_hadValue )
            wxSetEnv(m_name, m_previous);
        else
            wxUnsetEnv(m_name);
    }

private:
    wxString m_name, m_previous;
    bool m_hadValue;
};

// Writes down, in order, what the launcher asks of the system and tells the
// user, each with " [busy]" while the busy cursor shows. With the real
// system the requests go on to it; without, the members below answer.
class RecordingSystem : public LaunchSystem
{
public:
    void UseRealSystem() { m_real = &GetDesktopLaunchSystem(); }

    void Note(const wxString& event)
        { m_events.push_back(wxIsBusy() ? event + " [busy]" : event); }
    // The events since the last call, one a line.
    wxString TakeEvents();

    virtual wxOperatingSystemId GetOperatingSystemId() const wxOVERRIDE;
    virtual long StartDetached(const wxArrayString& args) wxOVERRIDE;
    virtual bool ProcessExists(long pid) wxOVERRIDE;
    virtual void OpenInBrowser(const wxString& target) wxOVERRIDE;
    virtual OpenCommandResult GetOpenCommand(const wxString& extension,
                                             const wxString& documentPath,
                                             wxArrayString* args) wxOVERRIDE;
    virtual wxString FindEditor() wxOVERRIDE;

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

private:
    LaunchSystem* m_real = NULL;
    wxArrayString m_events;
};

// Hands every log message to the recording system as "error: text" or
// "info: text".
class EventLog : public LogCapture
{
public:
    explicit EventLog(RecordingSystem& system) : m_system(system) { }

protected:
    virtual void DoLogRecord(wxLogLevel level, const wxString& msg,
                             const wxLogRecordInfo& info) wxOVERRIDE;

private:
    RecordingSystem& m_system;
};

typedef std::vector<std::pair<wxString, wxString> > EntryList;

// A language folder of its own and known message texts. In texts "$L"
// stands for the language folder, "$T" for the folder above it and "$D" for
// the desktop's folder.
class LaunchTest : public testing::Test
{
protected:
    LaunchTest();
    virtual ~LaunchTest();

    wxString Expand(const wxString& text) const;

    // A shell script at the expanded path that runs the expanded body.
    wxString WriteScript(const wxString& path, const wxString& body) const;

    // A panel with these entries (type and data), asking m_system.
    LauncherPanelTestAccess& MakePanel(const EntryList& entries);

    // Activates the entry, checks its result and that no busy cursor is
    // left; returns the events it caused.
    wxString Activate(int index, bool expected);

    // Makes sure the program is gone when the test ends.
    void KillAtEnd(long pid) { if ( pid > 0 ) m_started.push_back(pid); }

    TempDir m_dir;
    RecordingSystem m_system;
    EventLog m_log;

private:
    LauncherPanel* m_panel = NULL;
    std::unique_ptr<LauncherPanelTestAccess> m_access;
    std::vector<long> m_started;
    wxString m_previousCwd;
};

#endif // LAUNCHER_TESTS_LAUNCHTESTSUPPORT_H
