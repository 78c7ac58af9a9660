// The window manager's part in the end-to-end tests, which run without one:
//
//   xwin close WINDOW               asks the window to close, as its close box
//                                   does: a WM_DELETE_WINDOW client message
//   xwin wait PID TYPE SECONDS      waits until the process shows a mapped
//                                   top-level window whose _NET_WM_WINDOW_TYPE
//                                   is _NET_WM_WINDOW_TYPE_<TYPE>, and prints
//                                   the ids of all such windows
//   xwin absent PID TYPE SECONDS    waits until the process shows none
//
// wait and absent exit with 0 once the condition holds, 1 when the time runs
// out (SECONDS may be 0: look once) and 3 when the process has ended.
//
// The waiting happens here, on one X connection, because a script that polls
// with a new client each time makes the X server connect and disconnect
// clients all the time; Xvfb then now and again resets another client's new
// connection, and that client may be the launcher starting up.

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace
{

// Windows may go away between listing and asking about them.
int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

bool ReadNumber(const char* text, unsigned long* value)
{
    char* end = NULL;
    *value = std::strtoul(text, &end, 0);
    return end != text && *end == '\0';
}

// Alive and not a zombie: an ended child stays one until its parent waits.
bool ProcessRuns(unsigned long pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if ( !std::getline(stat, line) )
        return false;
    const std::string::size_type paren = line.rfind(')');
    return paren != std::string::npos && paren + 2 < line.size() &&
           line[paren + 2] != 'Z';
}

bool GetCardinal(Display* display, Window window, Atom property,
                 unsigned long* value)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = NULL;
    const bool found =
        XGetWindowProperty(display, window, property, 0, 1, False, AnyPropertyType,
                           &type, &format, &count, &after, &data) == Success &&
        data && count == 1 && format == 32;
    if ( found )
        *value = *reinterpret_cast<unsigned long*>(data);
    if ( data )
        XFree(data);
    return found;
}

std::vector<Window> FindWindows(Display* display, unsigned long pid, Atom type)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    const Atom typeAtom = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);

    std::vector<Window> found;
    Window root = None, parent = None;
    Window* children = NULL;
    unsigned int count = 0;
    if ( !XQueryTree(display, DefaultRootWindow(display), &root, &parent,
                     &children, &count) )
        return found;

    for ( unsigned int n = 0; n < count; ++n )
    {
        const Window window = children[n];
        unsigned long owner = 0, windowType = None;
        XWindowAttributes attributes;
        if ( GetCardinal(display, window, pidAtom, &owner) && owner == pid &&
             XGetWindowAttributes(display, window, &attributes) &&
             attributes.map_state == IsViewable &&
             GetCardinal(display, window, typeAtom, &windowType) &&
             windowType == type )
            found.push_back(window);
    }
    if ( children )
        XFree(children);
    return found;
}

int Close(Display* display, unsigned long id)
{
    const Window window = static_cast<Window>(id);

    // A window that never asked for WM_DELETE_WINDOW would ignore it; say so
    // instead of letting the caller wait for nothing.
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    Atom* supported = NULL;
    int count = 0;
    bool accepts = false;
    if ( XGetWMProtocols(display, window, &supported, &count) )
    {
        for ( int n = 0; n < count; ++n )
            accepts = accepts || supported[n] == deleteWindow;
        XFree(supported);
    }
    if ( !accepts )
    {
        std::fprintf(stderr, "xwin: window 0x%lx does not take WM_DELETE_WINDOW\n", id);
        return 1;
    }

    XEvent event;
    std::memset(&event, 0, sizeof(event));
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return 0;
}

int Wait(Display* display, unsigned long pid, const char* typeName,
         unsigned long seconds, bool present)
{
    const Atom type = XInternAtom(display,
                                  ("_NET_WM_WINDOW_TYPE_" +
                                   std::string(typeName)).c_str(), False);
    const unsigned long stepMs = 50;
    for ( unsigned long waited = 0; ; waited += stepMs )
    {
        const std::vector<Window> windows = FindWindows(display, pid, type);
        if ( present && !windows.empty() )
        {
            for ( size_t n = 0; n < windows.size(); ++n )
                std::printf("%lu\n", static_cast<unsigned long>(windows[n]));
            return 0;
        }
        if ( !present && windows.empty() )
            return 0;
        if ( !ProcessRuns(pid) )
            return 3;
        if ( waited >= seconds * 1000 )
            return 1;
        usleep(stepMs * 1000);
    }
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: xwin close WINDOW\n"
                 "       xwin wait|absent PID TYPE SECONDS\n");
    return 2;
}

} // anonymous namespace

int main(int argc, char** argv)
{
    if ( argc < 3 )
        return Usage();

    const std::string command = argv[1];
    unsigned long id = 0, seconds = 0;
    if ( !ReadNumber(argv[2], &id) || id == 0 )
        return Usage();
    const bool waits = command == "wait" || command == "absent";
    if ( waits ? argc != 5 || !ReadNumber(argv[4], &seconds)
               : command != "close" || argc != 3 )
        return Usage();

    Display* const display = XOpenDisplay(NULL);
    if ( !display )
    {
        std::fprintf(stderr, "xwin: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);

    const int result = waits ? Wait(display, id, argv[3], seconds, command == "wait")
                             : Close(display, id);
    XCloseDisplay(display);
    return result;
}
