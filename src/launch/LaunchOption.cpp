///////////////////////////////////////////////////////////////////////////////
// Name:        launch/LaunchOption.cpp
// Purpose:     Activating one entry of the launcher panel
///////////////////////////////////////////////////////////////////////////////

#include "panel/LauncherPanel.h"

#include "content/DataFolders.h"
#include "launch/LaunchActions.h"
#include "launch/LaunchTarget.h"

bool LauncherPanel::LaunchOption(int index)
{
    if ( index < 0 || index > m_entryCount - 1 )
        return false;

    const LaunchEntry& entry = m_entries[index];
    switch ( GetLaunchKind(entry.type) )
    {
        case LAUNCH_PROGRAM:
            return LaunchProgram(*m_launchSystem, entry.data, g_languageDir,
                                 m_pids[index]);

        case LAUNCH_BROWSER:
            return LaunchAddress(*m_launchSystem, entry.data, g_languageDir);

        case LAUNCH_DOCUMENT:
            return LaunchDocument(*m_launchSystem, entry.data, g_languageDir);

        case LAUNCH_NONE:
            break;
    }
    return false;
}
