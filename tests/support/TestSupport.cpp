///////////////////////////////////////////////////////////////////////////////
// Name:        tests/support/TestSupport.cpp
// Purpose:     What every test program shares
///////////////////////////////////////////////////////////////////////////////

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/colour.h>
#include <wx/dir.h>
#include <wx/evtloop.h>
#include <wx/ffile.h>
#include <wx/gdicmn.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

LogCapture::LogCapture()
{
    m_previous = wxLog::SetActiveTarget(this);
}

LogCapture::~LogCapture()
{
    wxLog::SetActiveTarget(m_previous);
}

std::vector<wxString> LogCapture::GetTexts(wxLogLevel level) const
{
    std::vector<wxString> texts;
    for ( size_t n = 0; n < m_messages.size(); ++n )
    {
        if ( m_messages[n].level == level )
            texts.push_back(m_messages[n].text);
    }
    return texts;
}

void LogCapture::DoLogRecord(wxLogLevel level, const wxString& msg,
                             const wxLogRecordInfo& WXUNUSED(info))
{
    LoggedMessage message;
    message.level = level;
    message.text = msg;
    m_messages.push_back(message);
}

TempDir::TempDir()
{
    wxString base;
    if ( !wxGetEnv("TMPDIR", &base) || base.empty() )
        base = "/tmp";
    std::string pattern = (base + "/launcher-test-XXXXXX").ToStdString();
    if ( mkdtemp(&pattern[0]) )
        m_path = wxString::FromUTF8(pattern.c_str());
}

TempDir::~TempDir()
{
    if ( !m_path.empty() )
        wxFileName::Rmdir(m_path, wxPATH_RMDIR_RECURSIVE);
}

wxString TempDir::Path(const wxString& relative) const
{
    return m_path + "/" + relative;
}

wxString TempDir::MakeDir(const wxString& relative) const
{
    const wxString path = Path(relative);
    wxFileName::Mkdir(path, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    return path;
}

wxString TempDir::WriteFile(const wxString& relative,
                            const std::string& content,
                            bool executable) const
{
    const wxString path = Path(relative);
    wxFileName::Mkdir(wxFileName(path).GetPath(), wxS_DIR_DEFAULT,
                      wxPATH_MKDIR_FULL);
    wxFFile file(path, "wb");
    EXPECT_TRUE(file.IsOpened()) << "cannot write " << path;
    file.Write(content.data(), content.size());
    file.Close();
    if ( executable )
        chmod(path.fn_str(), 0755);
    return path;
}

std::string ReadFileContent(const wxString& path)
{
    wxLogNull noLog;
    wxFFile file(path, "rb");
    if ( !file.IsOpened() )
        return std::string();
    std::string content;
    char buffer[4096];
    size_t count;
    while ( (count = file.Read(buffer, sizeof(buffer))) > 0 )
        content.append(buffer, count);
    return content;
}

bool WaitFor(const std::function<bool ()>& condition, int timeoutMs)
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

namespace
{

void FailOnAssert(const wxString& file, int line, const wxString& func,
                  const wxString& cond, const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str(), line)
        << "toolkit assertion in " << func << ": " << cond << " " << msg;
}

} // anonymous namespace

void InstallAssertHandler()
{
    wxSetAssertHandler(FailOnAssert);
}

void PrintTo(const wxString& s, std::ostream* os)
{
    *os << '"' << s.utf8_string() << '"';
}

std::ostream& operator<<(std::ostream& os, const wxColour& c)
{
    if ( !c.IsOk() )
        return os << "wxColour(invalid)";
    return os << "RGB(" << int(c.Red()) << ", " << int(c.Green()) << ", "
              << int(c.Blue()) << ")";
}

std::ostream& operator<<(std::ostream& os, const wxPoint& p)
{
    return os << "(" << p.x << ", " << p.y << ")";
}

std::ostream& operator<<(std::ostream& os, const wxSize& s)
{
    return os << s.x << " x " << s.y;
}

std::ostream& operator<<(std::ostream& os, const wxRect& r)
{
    return os << "(" << r.x << ", " << r.y << ", " << r.width << ", "
              << r.height << ")";
}
