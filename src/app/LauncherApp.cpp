///////////////////////////////////////////////////////////////////////////////
// Name:        app/LauncherApp.cpp
// Purpose:     The application: start-up, the single-instance lock, exit
///////////////////////////////////////////////////////////////////////////////

#include "app/LauncherApp.h"

#include "app/WindowIcon.h"
#include "content/ContentFile.h"
#include "content/DataFolders.h"
#include "content/Messages.h"
#include "content/StringTable.h"
#include "panel/LauncherPanel.h"

#include <wx/frame.h>
#include <wx/log.h>
#include <wx/snglinst.h>
#include <wx/stdpaths.h>
#include <wx/xml/xml.h>

namespace
{

const char LOCK_NAME[] = "kv_launcher_lock";

// The outer size of the window, border and caption included.
const int FRAME_WIDTH = 947;
const int FRAME_HEIGHT = 643;

// A fixed window: no resize border and no maximise box.
const long FRAME_STYLE = wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX |
                         wxCLOSE_BOX | wxCLIP_CHILDREN;

} // anonymous namespace

bool LauncherApp::OnInit()
{
    // The command line is not ours to read, so the base class, which would
    // parse it, is not called.
    g_baseDir = BaseDirFromExecutable(wxStandardPaths::Get().GetExecutablePath());

    // Without texts start-up goes on; every text is then the fallback.
    LoadStringTable();

    {
        wxLogNull noLog;
        m_checker = new wxSingleInstanceChecker(LOCK_NAME, wxEmptyString);
    }

    if ( m_checker->IsAnotherRunning() )
    {
        LogLocalisedError("already_running");
        return false;
    }

    wxFrame* const frame = new wxFrame(NULL, wxID_ANY,
                                       GetString("window_title",
                                                 UNDEFINED_PROPERTY),
                                       wxDefaultPosition,
                                       wxSize(FRAME_WIDTH, FRAME_HEIGHT),
                                       FRAME_STYLE, wxFrameNameStr);
    frame->Centre(wxBOTH | wxCENTRE_ON_SCREEN);
    frame->Show(true);
    SetTopWindow(frame);

    wxImage::AddHandler(new wxPNGHandler);
    frame->SetIcon(LoadWindowIcon());

    // The frame's only child; it needs the keys from the start.
    LauncherPanel* const panel = new LauncherPanel(frame);
    panel->SetFocus();

    return true;
}

int LauncherApp::OnExit()
{
    delete m_checker;
    m_checker = NULL;
    return 0;
}

bool LauncherApp::LoadStringTable()
{
    wxXmlDocument document;
    LoadContentFile(ResolveStringsPath(), document);
    return LoadStrings(document, g_stringTable);
}
