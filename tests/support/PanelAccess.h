///////////////////////////////////////////////////////////////////////////////
// Name:        tests/support/PanelAccess.h
// Purpose:     The tests' view into a LauncherPanel
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_TESTS_PANELACCESS_H
#define LAUNCHER_TESTS_PANELACCESS_H

#include "panel/LauncherPanel.h"

class LauncherPanelTestAccess
{
public:
    explicit LauncherPanelTestAccess(LauncherPanel* panel) : m_panel(panel) { }

    const wxImage& Background() const { return m_panel->m_background; }
    const wxImage& Divider() const { return m_panel->m_divider; }
    const wxFont& MastheadFont() const { return m_panel->m_mastheadFont; }
    const wxFont& LabelFont() const { return m_panel->m_labelFont; }
    const wxFont& HeadingFont() const { return m_panel->m_headingFont; }
    const wxFont& BodyFont() const { return m_panel->m_bodyFont; }
    const wxCursor& HandCursor() const { return m_panel->m_handCursor; }

    LaunchEntry& Entry(int n) { return m_panel->m_entries[n]; }
    int EntryCount() const { return m_panel->m_entryCount; }
    void SetEntryCount(int count) { m_panel->m_entryCount = count; }
    int Selection() const { return m_panel->m_selection; }
    long& Pid(int n) { return m_panel->m_pids[n]; }

    void SetLaunchSystem(LaunchSystem* system)
        { m_panel->m_launchSystem = system; }
    void OnRepaint(const std::function<void (const wxRegion&)>& observer)
        { m_panel->m_onRepaint = observer; }

private:
    LauncherPanel* m_panel;
};

#endif // LAUNCHER_TESTS_PANELACCESS_H
