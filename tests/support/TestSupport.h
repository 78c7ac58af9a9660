///////////////////////////////////////////////////////////////////////////////
// Name:        tests/support/TestSupport.h
// Purpose:     What every test program shares: captured log messages,
//              temporary folders, waiting on the event loop, printing
//              toolkit types in failures
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_TESTS_TESTSUPPORT_H
#define LAUNCHER_TESTS_TESTSUPPORT_H

#include <wx/filename.h>
#include <wx/log.h>
#include <wx/string.h>

#include <functional>
#include <ostream>
#include <vector>

class wxColour;
class wxPoint;
class wxRect;
class wxSize;

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
    LogCapture();
    virtual ~LogCapture();

    const std::vector<LoggedMessage>& GetMessages() const { return m_messages; }
    void Clear() { m_messages.clear(); }

    // The messages of one level, in order.
    std::vector<wxString> GetTexts(wxLogLevel level) const;

protected:
    virtual void DoLogRecord(wxLogLevel level, const wxString& msg,
                             const wxLogRecordInfo& info) wxOVERRIDE;

private:
    std::vector<LoggedMessage> m_messages;
    wxLog* m_previous;
};

// A folder of its own for one test, removed with everything in it.
class TempDir
{
public:
    TempDir();
    ~TempDir();

    const wxString& GetPath() const { return m_path; }

    // The path of a name below the folder.
    wxString Path(const wxString& relative) const;

    // Writes a file below the folder (making the folders it needs) and
    // returns its path; executable makes it a program.
    wxString WriteFile(const wxString& relative, const std::string& content,
                       bool executable = false) const;

    // Makes a folder below this one and returns its path.
    wxString MakeDir(const wxString& relative) const;

private:
    wxString m_path;
};

// Reads a whole file; empty when it cannot be read.
std::string ReadFileContent(const wxString& path);

// Runs the event loop until the condition holds or the time is up; returns
// whether it held.
bool WaitFor(const std::function<bool ()>& condition, int timeoutMs = 5000);

// Makes toolkit assertions fail the running test instead of showing a
// dialog.
void InstallAssertHandler();

void PrintTo(const wxString& s, std::ostream* os);
std::ostream& operator<<(std::ostream& os, const wxColour& c);
std::ostream& operator<<(std::ostream& os, const wxPoint& p);
std::ostream& operator<<(std::ostream& os, const wxSize& s);
std::ostream& operator<<(std::ostream& os, const wxRect& r);

#endif // LAUNCHER_TESTS_TESTSUPPORT_H
