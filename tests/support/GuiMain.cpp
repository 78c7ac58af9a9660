///////////////////////////////////////////////////////////////////////////////
// Name:        tests/support/GuiMain.cpp
// Purpose:     Entry of the test programs that need a display: a real
//              application object and event loop, and one hidden frame
///////////////////////////////////////////////////////////////////////////////

#include "GuiTestSupport.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/image.h>

namespace
{

class TestApp : public wxApp
{
public:
    virtual bool OnInit() wxOVERRIDE
    {
        wxImage::AddHandler(new wxPNGHandler);
        return true;
    }
};

} // anonymous namespace

wxIMPLEMENT_APP_NO_MAIN(TestApp);

#ifdef __SANITIZE_ADDRESS__
// Memory that the desktop libraries under the toolkit keep until the
// process ends, by design; leaks of ours are still reported.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libgtk-3.so\nleak:libgdk-3.so\n"
           "leak:libglib-2.0.so\nleak:libgobject-2.0.so\nleak:libgio-2.0.so\n"
           "leak:libpango-1.0.so\nleak:libpangoft2-1.0.so\nleak:libcairo.so\n"
           "leak:libX11.so\nleak:libdbus-1.so\nleak:libatk-bridge-2.0.so\n";
}
#endif

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);

    // Listing the tests needs no display.
    if ( testing::GTEST_FLAG(list_tests) )
        return RUN_ALL_TESTS();

    if ( !wxEntryStart(argc, argv) )
    {
        fprintf(stderr, "the toolkit could not be initialised (no display?)\n");
        return 1;
    }
    InstallAssertHandler();

    int result = 1;
    if ( wxTheApp->CallOnInit() )
    {
        LogCapture quiet;
        wxEventLoop loop;
        wxEventLoopActivator activate(&loop);
        result = RUN_ALL_TESTS();

        if ( wxWindow* frame = wxTheApp->GetTopWindow() )
            frame->Destroy();
        WaitFor([]() { return false; }, 50);
        wxTheApp->OnExit();
    }
    wxEntryCleanup();
    return result;
}
