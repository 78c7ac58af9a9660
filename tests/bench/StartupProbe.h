///////////////////////////////////////////////////////////////////////////////
// Name:        tests/bench/StartupProbe.h
// Purpose:     Reports how long a program took from its start to the end of
//              its first paint, and its resident memory then, and ends it
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_TESTS_BENCH_STARTUPPROBE_H
#define LAUNCHER_TESTS_BENCH_STARTUPPROBE_H

#include <wx/app.h>
#include <wx/event.h>
#include <wx/ffile.h>
#include <wx/time.h>
#include <wx/utils.h>

#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

// Watches for the first paint of a window of class T. The caller's shell
// puts the wall-clock time of the start, in seconds, into STARTUP_T0 just
// before it replaces itself with the program.
template <class T>
class StartupProbe : public wxEventFilter
{
public:
    StartupProbe() : m_seen(false) { wxEvtHandler::AddFilter(this); }
    virtual ~StartupProbe() { wxEvtHandler::RemoveFilter(this); }

    virtual int FilterEvent(wxEvent& event) wxOVERRIDE
    {
        if ( !m_seen && event.GetEventType() == wxEVT_PAINT &&
             wxDynamicCast(event.GetEventObject(), T) )
        {
            // Runs once the paint handler has returned.
            m_seen = true;
            wxTheApp->CallAfter(&StartupProbe::Report);
        }
        return Event_Skip;
    }

private:
    static void Report()
    {
        const double now = wxGetUTCTimeUSec().ToDouble() / 1e6;
        const char* const start = getenv("STARTUP_T0");
        const double elapsed = start ? now - atof(start) : -1;

        long rssKb = -1;
        if ( FILE* status = fopen("/proc/self/status", "r") )
        {
            char line[256];
            while ( fgets(line, sizeof(line), status) )
                if ( sscanf(line, "VmRSS: %ld kB", &rssKb) == 1 )
                    break;
            fclose(status);
        }

        printf("%.3f %ld\n", elapsed * 1000, rssKb);
        fflush(stdout);
        _exit(0);
    }

    bool m_seen;
};

#endif // LAUNCHER_TESTS_BENCH_STARTUPPROBE_H
