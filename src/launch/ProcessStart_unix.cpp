///////////////////////////////////////////////////////////////////////////////
// Name:        launch/ProcessStart_unix.cpp
// Purpose:     Starting a program on its own on Unix systems
///////////////////////////////////////////////////////////////////////////////

#include "launch/ProcessStart.h"

#include "launch/LaunchTarget.h"

#include <wx/utils.h>

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <unistd.h>

#include <vector>

namespace
{

// While it lives, the launcher's own standard streams read from and write to
// the null device, so that a child started meanwhile inherits those instead
// of pipes or a terminal that may go away with the launcher. The switch is
// process-wide but lasts only for the start, on the GUI thread, which alone
// writes to these streams.
class NullStandardStreams
{
public:
    NullStandardStreams()
    {
        fflush(stdout);
        fflush(stderr);

        int nullDevice = open("/dev/null", O_RDWR | O_CLOEXEC);
        if ( nullDevice != -1 && nullDevice < STREAM_COUNT )
        {
            // The launcher runs without that stream of its own; the slot
            // must stay free to take the null device below.
            const int moved = fcntl(nullDevice, F_DUPFD_CLOEXEC, STREAM_COUNT);
            close(nullDevice);
            nullDevice = moved;
        }

        for ( int fd = 0; fd < STREAM_COUNT; ++fd )
        {
            m_saved[fd] = fcntl(fd, F_DUPFD_CLOEXEC, STREAM_COUNT);
            // A stream that was closed is taken over too; one that could not
            // be kept aside is left alone.
            m_redirected[fd] = nullDevice != -1 &&
                               (m_saved[fd] != -1 || errno == EBADF);
            if ( m_redirected[fd] )
                dup2(nullDevice, fd);
        }
        if ( nullDevice != -1 )
            close(nullDevice);
    }

    ~NullStandardStreams()
    {
        for ( int fd = 0; fd < STREAM_COUNT; ++fd )
        {
            if ( !m_redirected[fd] )
                continue;
            if ( m_saved[fd] == -1 )
            {
                // It was not open before either.
                close(fd);
                continue;
            }
            dup2(m_saved[fd], fd);
            close(m_saved[fd]);
        }
    }

private:
    enum { STREAM_COUNT = 3 };

    int m_saved[STREAM_COUNT];
    bool m_redirected[STREAM_COUNT];

    wxDECLARE_NO_COPY_CLASS(NullStandardStreams);
};

// The toolkit's libraries have the launcher ignore SIGPIPE, and an ignored
// signal stays ignored in a program started from it. While this lives,
// SIGPIPE has its default action again, so that a started program gets it
// as it would from a shell; the libraries' own writes to sockets ask for no
// signal, and the moment is that of a fork.
class DefaultBrokenPipeAction
{
public:
    DefaultBrokenPipeAction()
    {
        struct sigaction defaultAction;
        sigemptyset(&defaultAction.sa_mask);
        defaultAction.sa_flags = 0;
        defaultAction.sa_handler = SIG_DFL;
        m_restore = sigaction(SIGPIPE, &defaultAction, &m_previous) == 0;
    }

    ~DefaultBrokenPipeAction()
    {
        if ( m_restore )
            sigaction(SIGPIPE, &m_previous, NULL);
    }

private:
    struct sigaction m_previous;
    bool m_restore;

    wxDECLARE_NO_COPY_CLASS(DefaultBrokenPipeAction);
};

} // anonymous namespace

long StartDetachedProcess(const wxArrayString& args, wxOperatingSystemId osId)
{
    if ( args.empty() || args[0].empty() )
        return 0;

    std::vector<wxCharBuffer> buffers;
    buffers.reserve(args.size());
    std::vector<const char*> argv;
    argv.reserve(args.size() + 1);
    for ( size_t n = 0; n < args.size(); ++n )
    {
        buffers.push_back(args[n].fn_str());
        argv.push_back(buffers.back().data());
    }
    argv.push_back(NULL);

    // Elsewhere a program shares the launcher's streams, which are no pipes
    // of ours there.
    if ( !IsLinuxSystem(osId) )
        return wxExecute(&argv[0], wxEXEC_ASYNC);

    NullStandardStreams nullStreams;
    DefaultBrokenPipeAction brokenPipe;

    // Its own session: signals meant for the launcher's terminal or process
    // group do not reach it.
    return wxExecute(&argv[0], wxEXEC_ASYNC | wxEXEC_MAKE_GROUP_LEADER);
}

void OpenInBrowserDetached(const wxString& target)
{
    // The toolkit's browser call first has GIO start the registered
    // browser, which then keeps the launcher's session and process group
    // (GIO lets the toolkit say nothing about that), and else starts the
    // first "xdg-open" on PATH, the target its one argument, as a plain
    // child that shares the launcher's streams and ignored SIGPIPE too.
    // Starting that same xdg-open on its own is the toolkit's own road with
    // the launcher left behind; xdg-open asks the desktop for its default
    // browser as GIO would.
    wxString path, xdgOpen;
    if ( wxGetEnv("PATH", &path) &&
         wxFindFileInPath(&xdgOpen, path, "xdg-open") )
    {
        wxArrayString args;
        args.push_back(xdgOpen);
        args.push_back(target);
        if ( StartDetachedProcess(args, wxOS_UNIX_LINUX) > 0 )
            return;
    }

    // Without it, what GIO starts gets at least the null device (GIO sets
    // the default SIGPIPE itself); only its session cannot be had here.
    NullStandardStreams nullStreams;
    DefaultBrokenPipeAction brokenPipe;
    wxLaunchDefaultBrowser(target, 0);
}
