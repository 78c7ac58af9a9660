#include "GuiTestSupport.h"
#include "PanelAccess.h"
#include "content/DataFolders.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

TEST(Smoke, PanelBuildsWithoutContent)
{
    TempDir dir;
    g_baseDir = dir.GetPath();
    LogCapture log;
    LauncherPanel* panel = new LauncherPanel(GetTestFrame());
    LauncherPanelTestAccess access(panel);
    EXPECT_EQ(0, access.EntryCount());
    EXPECT_EQ(-1, access.Selection());
    panel->Destroy();
}
