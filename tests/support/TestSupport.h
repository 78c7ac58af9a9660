///////////////////////////////////////////////////////////////////////////////
// Name:        tests/support/TestSupport.h
// Purpose:     What every test program shares: captured log messages,
//              temporary folders, waiting on the event loop, printing
//              toolkit types in failures
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_TESTS_TESTSUPPORT_H
#define LAUNCHER_TESTS_TESTSUPPORT_H

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/colour.h>
#include <wx/evtloop.h>
#include <wx/filename.h>
#include <wx/gdicmn.h>
#include <wx/log.h>
#include <wx/stopwatch.h>
#include <wx/string.h>
#include <wx/utils.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <vector>

#include <stdlib.h>
#include <sys/stat.h>
#ifdef __WINDOWS__
    #include <direct.h>
#endif

// One message that reached the toolkit's log.
struct LoggedMessage
{
    wxLogLevel level;
    wxString text;
};

// Collects the toolkit's log messages instead of showing them, while it
// lives; the target that was active before comes back afterwards.
class LogCapture : public wxLog
{
public:
    LogCapture() : m_previous(wxLog::SetActiveTarget(this)) { }
    virtual ~LogCapture() { wxLog::SetActiveTarget(m_previous); }

    const std::vector<LoggedMessage>& GetMessages() const { return m_messages; }
    void Clear() { m_messages.clear(); }

    // The messages of one level, in order.
    std::vector<wxString> GetTexts(wxLogLevel level) const
    {
        std::vector<wxString> texts;
        for ( const LoggedMessage& message : m_messages )
            if ( message.level == level )
                texts.push_back(message.text);
        return texts;
    }

protected:
    virtual void DoLogRecord(wxLogLevel level, const wxString& msg,
                             const wxLogRecordInfo&) wxOVERRIDE
        { m_messages.push_back(LoggedMessage{ level, msg }); }

private:
    std::vector<LoggedMessage> m_messages;
    wxLog* m_previous;
};

// A folder of its own for one test, removed with everything in it.
class TempDir
{
public:
    TempDir()
    {
#ifdef __UNIX__
        wxString base;
        if ( !wxGetEnv("TMPDIR", &base) || base.empty() )
            base = "/tmp";
        std::string pattern = (base + "/launcher-test-XXXXXX").ToStdString();
        if ( mkdtemp(&pattern[0]) )
            m_path = wxString::FromUTF8(pattern.c_str());
#else
        // No mkdtemp here: making the folder fails when the name is taken,
        // so the first name that is made is ours alone.
        const wxString base = wxFileName::GetTempDir();
        static unsigned long s_serial = 0;
        for ( int attempt = 0; attempt < 100 && m_path.empty(); ++attempt )
        {
            const wxString path = wxString::Format("%s\\launcher-test-%lu-%lu",
                                                   base, wxGetProcessId(),
                                                   ++s_serial);
            if ( _wmkdir(path.wc_str()) == 0 )
                m_path = path;
        }
#endif
    }
    ~TempDir()
    {
        if ( !m_path.empty() )
            wxFileName::Rmdir(m_path, wxPATH_RMDIR_RECURSIVE);
    }

    const wxString& GetPath() const { return m_path; }

    // The path of a name below the folder.
    wxString Path(const wxString& relative) const
        { return m_path + "/" + relative; }

    // Writes a file below the folder (making the folders it needs) and
    // returns its path; executable makes it a program.
    wxString WriteFile(const wxString& relative, const std::string& content,
                       bool executable = false) const
    {
        const wxString path = Path(relative);
        wxFileName::Mkdir(wxFileName(path).GetPath(), wxS_DIR_DEFAULT,
                          wxPATH_MKDIR_FULL);
        std::ofstream(path.fn_str(), std::ios::binary) << content;
        EXPECT_TRUE(wxFileName::FileExists(path)) << "cannot write " << path;
#ifdef __UNIX__
        if ( executable )
            chmod(path.fn_str(), 0755);
#else
        // A program is one by its name there, not by a permission.
        wxUnusedVar(executable);
#endif
        return path;
    }

    // Makes a folder below this one and returns its path.
    wxString MakeDir(const wxString& relative) const
    {
        const wxString path = Path(relative);
        wxFileName::Mkdir(path, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
        return path;
    }

private:
    wxString m_path;
};

// Reads a whole file; empty when it cannot be read.
inline std::string ReadFileContent(const wxString& path)
{
    std::ifstream in(path.fn_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in),
                       std::istreambuf_iterator<char>());
}

// Runs the event loop until the condition holds or the time is up; returns
// whether it held.
inline bool WaitFor(const std::function<bool ()>& condition,
                    int timeoutMs = 5000)
{
    wxStopWatch watch;
    for ( ;; )
    {
        if ( condition() )
            return true;
        if ( watch.Time() > timeoutMs )
            return false;

        if ( wxEventLoopBase* loop = wxEventLoopBase::GetActive() )
        {
            while ( loop->Pending() )
                loop->Dispatch();
            loop->ProcessIdle();
        }
        if ( wxTheApp )
            wxTheApp->ProcessPendingEvents();
        wxMilliSleep(10);
    }
}

// Makes toolkit assertions fail the running test instead of showing a
// dialog.
inline void InstallAssertHandler()
{
    wxSetAssertHandler([](const wxString& file, int line, const wxString& func,
                          const wxString& cond, const wxString& msg)
    {
        ADD_FAILURE_AT(file.utf8_str(), line)
            << "toolkit assertion in " << func << ": " << cond << " " << msg;
    });
}

inline void PrintTo(const wxString& s, std::ostream* os)
{
    *os << '"' << s.utf8_string() << '"';
}

inline std::ostream& operator<<(std::ostream& os, const wxColour& c)
{
    return c.IsOk() ? os << "RGB(" << int(c.Red()) << ", " << int(c.Green())
                         << ", " << int(c.Blue()) << ")"
                    : os << "wxColour(invalid)";
}

inline std::ostream& operator<<(std::ostream& os, const wxPoint& p)
{
    return os << "(" << p.x << ", " << p.y << ")";
}

inline std::ostream& operator<<(std::ostream& os, const wxSize& s)
{
    return os << s.x << " x " << s.y;
}

inline std::ostream& operator<<(std::ostream& os, const wxRect& r)
{
    return os << "(" << r.x << ", " << r.y << ", " << r.width << ", "
              << r.height << ")";
}

#endif // LAUNCHER_TESTS_TESTSUPPORT_H
