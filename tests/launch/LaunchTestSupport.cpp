///////////////////////////////////////////////////////////////////////////////
// Name:        tests/launch/LaunchTestSupport.cpp
// Purpose:     What the launching tests share: a desktop of their own with
//              stand-in programs, a system that records the launcher's
//              requests, and the fixture
///////////////////////////////////////////////////////////////////////////////

#include "LaunchTestSupport.h"

#include "content/DataFolders.h"
#include "content/StringTable.h"

#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/frame.h>
#include <wx/process.h>
#include <wx/utils.h>

#include <stdlib.h>
#include <unistd.h>

namespace
{

// The toolkit's MIME database reads the XDG folders on its first use, and
// GLib reads them (and HOME) once for the whole process, from GTK's start
// on: they are set before main runs. With them, GTK's own attempt to show a
// page (through GIO's handlers) finds no handler and the toolkit hands the
// page to the first "xdg-open" on PATH. Without a session bus nothing is
// activated through one, and none is started for the tests. The folder's
// name is in lower case as the toolkit reads .desktop files in lower case.
struct DesktopVariables
{
    DesktopVariables()
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

    std::string root;
    std::string originalPath;
};

const DesktopVariables& GetVariables()
{
    static const DesktopVariables s_variables;
    return s_variables;
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
    return "#!/bin/sh\n"
           "{ echo $#; for arg in \"$@\"; do printf '%s\\n' \"$arg\"; done; }"
           " > " + record + ".part\n"
           "mv " + record + ".part " + record + "\n";
}

class DesktopEnvironment : public testing::Environment
{
public:
    DesktopEnvironment() { GetVariables(); }

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

} // anonymous namespace

namespace TestDesktop
{

wxString Path(const wxString& relative)
{
    return wxString::FromUTF8(GetVariables().root.c_str()) + "/" + relative;
}

wxString OriginalPath()
{
    return wxString::FromUTF8(GetVariables().originalPath.c_str());
}

void ClearRecords()
{
    const wxString records = Path("records");
    wxFileName::Rmdir(records, wxPATH_RMDIR_RECURSIVE);
    wxFileName::Mkdir(records);
}

std::string WaitForRecord(const wxString& name)
{
    const wxString record = Path("records/" + name);
    WaitFor([&record]() { return wxFileExists(record); });
    return ReadFileContent(record);
}

std::string RecordOf(const std::vector<wxString>& args)
{
    std::string record = std::to_string(args.size()) + "\n";
    for ( const wxString& arg : args )
        record += arg.utf8_string() + "\n";
    return record;
}

} // namespace TestDesktop

wxString RecordingSystem::TakeEvents()
{
    const wxString text = wxJoin(m_events, '\n', '\0');
    m_events.clear();
    return text;
}

wxOperatingSystemId RecordingSystem::GetOperatingSystemId() const
{
    if ( m_real )
        return m_real->GetOperatingSystemId();
    return m_windows ? wxOS_WINDOWS_NT : wxOS_UNIX_LINUX;
}

long RecordingSystem::StartDetached(const wxArrayString& args)
{
    Note("start " + wxJoin(args, '|', '\0'));
    if ( m_failingStarts > 0 )
    {
        --m_failingStarts;
        return 0;
    }
    if ( m_real )
        return m_real->StartDetached(args);
    m_running.insert(m_nextPid);
    return m_nextPid++;
}

bool RecordingSystem::ProcessExists(long pid)
{
    Note(wxString::Format("exists %ld", pid));
    return m_real ? m_real->ProcessExists(pid) : m_running.count(pid) != 0;
}

void RecordingSystem::OpenInBrowser(const wxString& target)
{
    Note("browser " + target);
    if ( m_real )
        m_real->OpenInBrowser(target);
}

LaunchSystem::OpenCommandResult
RecordingSystem::GetOpenCommand(const wxString& extension,
                                const wxString& documentPath,
                                wxArrayString* args)
{
    Note("open-command " + extension + " " + documentPath);
    if ( m_hideFileTypes )
        return NO_FILE_TYPE;
    if ( m_real )
        return m_real->GetOpenCommand(extension, documentPath, args);
    if ( m_openResult == OPEN_COMMAND_FOUND )
    {
        args->push_back("opener");
        args->push_back(documentPath);
    }
    return m_openResult;
}

wxString RecordingSystem::FindEditor()
{
    Note("find-editor");
    return m_real ? m_real->FindEditor() : m_editor;
}

void EventLog::DoLogRecord(wxLogLevel level, const wxString& msg,
                           const wxLogRecordInfo& info)
{
    LogCapture::DoLogRecord(level, msg, info);
    m_system.Note((level == wxLOG_Error ? wxString("error") :
                   level == wxLOG_Message ? wxString("info") :
                   wxString::Format("level %lu", level)) + ": " + msg);
}

LaunchTest::LaunchTest()
    : m_log(m_system)
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

LaunchTest::~LaunchTest()
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

wxString LaunchTest::Expand(const wxString& text) const
{
    wxString expanded = text;
    expanded.Replace("$L", g_languageDir);
    expanded.Replace("$T", m_dir.GetPath());
    expanded.Replace("$D/", TestDesktop::Path(""));
    return expanded;
}

wxString LaunchTest::WriteScript(const wxString& path,
                                 const wxString& body) const
{
    const wxString full = Expand(path);
    const wxString relative = full.Mid(m_dir.GetPath().length() + 1);
    return m_dir.WriteFile(relative,
                           "#!/bin/sh\n" + Expand(body).utf8_string(), true);
}

LauncherPanelTestAccess& LaunchTest::MakePanel(const EntryList& entries)
{
    // Nothing of the panel's own content is read from here, and reading it
    // moves the language folder.
    const wxString languageDir = g_languageDir;
    g_baseDir = m_dir.GetPath();
    if ( m_panel )
        m_panel->Destroy();
    m_panel = new LauncherPanel(GetTestFrame());
    g_languageDir = languageDir;

    // Tests keep the reference that an earlier call returned.
    if ( m_access )
        *m_access = LauncherPanelTestAccess(m_panel);
    else
        m_access.reset(new LauncherPanelTestAccess(m_panel));
    m_access->SetLaunchSystem(&m_system);
    for ( size_t n = 0; n < entries.size(); ++n )
    {
        m_access->Entry(n).type = entries[n].first;
        m_access->Entry(n).data = Expand(entries[n].second);
    }
    m_access->SetEntryCount(entries.size());
    m_system.TakeEvents();
    return *m_access;
}

wxString LaunchTest::Activate(int index, bool expected)
{
    EXPECT_EQ(expected, m_panel->LaunchOption(index)) << "entry " << index;
    EXPECT_FALSE(wxIsBusy()) << "entry " << index;
    return m_system.TakeEvents();
}
