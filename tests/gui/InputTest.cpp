///////////////////////////////////////////////////////////////////////////////
// Name:        tests/gui/InputTest.cpp
// Purpose:     The launcher panel's pointer and key handlers: selection,
//              repaints, pointer shape and launches
///////////////////////////////////////////////////////////////////////////////

#include "PanelTestSupport.h"

#include "launch/LaunchSystem.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <sstream>

namespace
{

// Records the programs that the panel starts, by file name.
class RecordingLaunchSystem : public LaunchSystem
{
public:
    std::vector<wxString> started;

    virtual wxOperatingSystemId GetOperatingSystemId() const wxOVERRIDE
        { return wxOS_UNIX_LINUX; }
    virtual long StartDetached(const wxArrayString& args) wxOVERRIDE
    {
        started.push_back(wxFileName(args[0]).GetFullName());
        // No process id, so that the next start is not refused.
        return 0;
    }
    virtual bool ProcessExists(long WXUNUSED(pid)) wxOVERRIDE { return false; }
    virtual void OpenInBrowser(const wxString& target) wxOVERRIDE
        { started.push_back(target); }
    virtual OpenCommandResult GetOpenCommand(const wxString&, const wxString&,
                                             wxArrayString*) wxOVERRIDE
        { return NO_FILE_TYPE; }
    virtual wxString FindEditor() wxOVERRIDE { return wxString(); }
};

// Entries "prog0", "prog1", ... that start programs of those names.
struct InputContent : ContentDir
{
    explicit InputContent(int count)
    {
        WriteStandardImages();
        std::string options;
        for ( int n = 0; n < count; ++n )
        {
            const std::string name = "prog" + std::to_string(n);
            WriteFile("launcher_data/en/" + name, "#!/bin/sh\n", true);
            options += MakeOption("executable", "", "Entry " + name,
                                  "Starts " + name, name);
        }
        WriteCatalogue(options);
    }
};

// A panel whose launches and repaints are recorded.
struct InputPanel
{
    explicit InputPanel(int count) : content(count), panel(content)
    {
        panel.Access().SetLaunchSystem(&system);
        panel.Access().OnRepaint([this](const wxRegion& region)
                                 { repaints.push_back(region); });
    }

    InputContent content;
    RecordingLaunchSystem system;
    TestPanel panel;
    std::vector<wxRegion> repaints;
};

// What the user does. For the pointer, value is the entry under it (-1
// for the background) and other picks a second point there; for a key,
// value is the key code and modifiers says what is held with it.
struct Input
{
    enum Kind { MOVE, CLICK, KEY } kind;
    int value;
    int modifiers;
    bool other;
};

Input Move(int entry) { return { Input::MOVE, entry, wxMOD_NONE, false }; }
Input MoveElsewhere(int entry)
    { return { Input::MOVE, entry, wxMOD_NONE, true }; }
Input Click(int entry) { return { Input::CLICK, entry, wxMOD_NONE, false }; }
Input Key(int code, int modifiers = wxMOD_NONE)
    { return { Input::KEY, code, modifiers, false }; }

std::ostream& operator<<(std::ostream& os, const Input& input)
{
    if ( input.kind == Input::KEY )
        return os << "key " << input.value << " with modifiers "
                  << input.modifiers;
    os << (input.kind == Input::MOVE ? "move to " : "click on ");
    if ( input.value == -1 )
        os << "the background";
    else
        os << "entry " << input.value;
    return os << (input.other ? " (elsewhere)" : "");
}

wxPoint GetPoint(InputPanel& p, const Input& input)
{
    if ( input.value == -1 )
        return input.other ? wxPoint(400, 600) : wxPoint(5, 5);
    const wxRect rect = p.panel.Access().Entry(input.value).rect;
    return input.other ? rect.GetBottomRight() : rect.GetPosition() +
                                                 rect.GetSize() / 2;
}

bool SendMouse(LauncherPanel* panel, wxEventType type, const wxPoint& point)
{
    wxMouseEvent event(type);
    event.SetEventObject(panel);
    event.m_x = point.x;
    event.m_y = point.y;
    panel->GetEventHandler()->ProcessEvent(event);
    return event.GetSkipped();
}

bool SendKey(LauncherPanel* panel, int code, int modifiers)
{
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.SetEventObject(panel);
    event.m_keyCode = code;
    event.m_shiftDown = (modifiers & wxMOD_SHIFT) != 0;
    event.m_controlDown = (modifiers & wxMOD_CONTROL) != 0;
    event.m_altDown = (modifiers & wxMOD_ALT) != 0;
    panel->GetEventHandler()->ProcessEvent(event);
    return event.GetSkipped();
}

// Whether the input was skipped.
bool Send(InputPanel& p, const Input& input)
{
    if ( input.kind == Input::KEY )
        return SendKey(p.panel.Get(), input.value, input.modifiers);
    return SendMouse(p.panel.Get(), input.kind == Input::MOVE
                                        ? wxEVT_MOTION : wxEVT_LEFT_DOWN,
                     GetPoint(p, input));
}

std::string Describe(const wxRegion& region)
{
    std::ostringstream os;
    for ( wxRegionIterator it(region); it; ++it )
        os << it.GetRect() << " ";
    return os.str();
}

// The pointer shape after a step: as before it, the hand, or the default.
enum Pointer { KEPT, HAND, DEFAULT };

// Entries whose rectangles a step repaints with the heading band and the
// body area; BANDS alone means only those two, NOTHING that nothing was
// drawn.
const std::vector<int> NOTHING;
const std::vector<int> BANDS = { -1 };

struct Step
{
    Input input;
    int selection;
    std::vector<int> repainted;
    Pointer pointer;
    int launched;
};

void RunSteps(InputPanel& p, const std::vector<Step>& steps)
{
    const wxCursor before(wxCURSOR_CROSS);
    const wxSize client = p.panel->GetClientSize();
    for ( size_t n = 0; n < steps.size(); ++n )
    {
        const Step& step = steps[n];
        SCOPED_TRACE(testing::Message() << "step " << n + 1 << ": "
                     << step.input);
        p.repaints.clear();
        p.system.started.clear();
        p.panel->SetCursor(before);

        // Keys go on to the toolkit; the pointer's events end here.
        EXPECT_EQ(step.input.kind == Input::KEY, Send(p, step.input));
        EXPECT_EQ(step.selection, p.panel.Access().Selection());

        if ( step.repainted.empty() )
        {
            EXPECT_TRUE(p.repaints.empty());
        }
        else if ( p.repaints.size() != 1 )
        {
            ADD_FAILURE() << p.repaints.size() << " repaints";
        }
        else
        {
            wxRegion expected(wxRect(client.x - 395, 105, 395, 30));
            expected.Union(wxRect(client.x - 395, 150, 395, client.y - 150));
            for ( int entry : step.repainted )
                if ( entry != -1 )
                    expected.Union(p.panel.Access().Entry(entry).rect);
            EXPECT_TRUE(expected == p.repaints[0])
                << "expected " << Describe(expected) << "\nrepainted "
                << Describe(p.repaints[0]);
        }

        const wxCursor cursor = p.panel->GetCursor();
        switch ( step.pointer )
        {
            case KEPT:
                EXPECT_TRUE(cursor.IsSameAs(before));
                break;
            case HAND:
                EXPECT_TRUE(cursor.IsSameAs(p.panel.Access().HandCursor()));
                break;
            case DEFAULT:
                EXPECT_FALSE(cursor.IsOk());
                break;
        }

        std::vector<wxString> launched;
        if ( step.launched != -1 )
            launched.push_back(wxString::Format("prog%d", step.launched));
        EXPECT_EQ(launched, p.system.started);
    }
}

// Whether the pixel is part of a text, or next to one.
bool IsNearText(const wxImage& image, int x, int y)
{
    const int reach = 2;
    for ( int v = wxMax(0, y - reach);
          v <= wxMin(image.GetHeight() - 1, y + reach); ++v )
        for ( int u = wxMax(0, x - reach);
              u <= wxMin(image.GetWidth() - 1, x + reach); ++u )
        {
            const wxColour c = PixelAt(image, u, v);
            if ( c != BACKGROUND_COLOUR && c != HIGHLIGHT_COLOUR &&
                 c != DIVIDER_COLOUR )
                return true;
        }
    return false;
}

// The display smooths glyphs differently from a memory bitmap, so the
// window may differ from the rendered picture only near its texts.
testing::AssertionResult ShowsSamePicture(const wxImage& expected,
                                          const wxImage& actual)
{
    if ( expected.GetSize() != actual.GetSize() )
        return SamePixels(expected, actual);
    for ( int y = 0; y < expected.GetHeight(); ++y )
        for ( int x = 0; x < expected.GetWidth(); ++x )
            if ( PixelAt(expected, x, y) != PixelAt(actual, x, y) &&
                 !IsNearText(expected, x, y) )
                return testing::AssertionFailure()
                       << "at " << wxPoint(x, y) << " expected "
                       << PixelAt(expected, x, y) << ", found "
                       << PixelAt(actual, x, y);
    return testing::AssertionSuccess();
}

} // anonymous namespace

TEST(PanelInput, PointerSelectsAndSetsTheShape)
{
    InputPanel p(3);
    RunSteps(p, {
        { Move(-1),          -1, NOTHING, KEPT,    -1 },
        { Move(1),            1, { 1 },   HAND,    -1 },
        { MoveElsewhere(1),   1, NOTHING, KEPT,    -1 },
        { Move(0),            0, { 0, 1 }, HAND,   -1 },
        { Move(-1),          -1, { 0 },   DEFAULT, -1 },
        { MoveElsewhere(-1), -1, NOTHING, KEPT,    -1 },
        // The pointer takes over from the keys.
        { Key(WXK_TAB),       0, { 0 },   KEPT,    -1 },
        { Key(WXK_DOWN),      1, { 0, 1 }, KEPT,   -1 },
        { Move(-1),          -1, { 1 },   DEFAULT, -1 },
        { Key(WXK_ESCAPE),   -1, NOTHING, KEPT,    -1 },
        // Escape under the pointer leaves the hand until it selects again.
        { Move(2),            2, { 2 },   HAND,    -1 },
        { Key(WXK_ESCAPE),   -1, { 2 },   KEPT,    -1 },
        { MoveElsewhere(2),   2, { 2 },   HAND,    -1 },
        { Key(WXK_ESCAPE),   -1, { 2 },   KEPT,    -1 },
        { Move(-1),          -1, NOTHING, KEPT,    -1 },
        // A click launches what it is on, whatever is selected.
        { Move(0),            0, { 0 },   HAND,    -1 },
        { Click(2),           0, NOTHING, KEPT,     2 },
        { Click(0),           0, NOTHING, KEPT,     0 },
        { Click(-1),          0, NOTHING, KEPT,    -1 },
        { Key(WXK_RETURN),    0, NOTHING, KEPT,     0 },
    });
}

TEST(PanelInput, KeysStepThroughTheEntries)
{
    InputPanel p(3);
    RunSteps(p, {
        { Key(WXK_RETURN),                 -1, NOTHING, KEPT, -1 },
        { Key(WXK_LEFT),                    2, { 2 },   KEPT, -1 },
        { Key(WXK_RIGHT),                   0, { 2, 0 }, KEPT, -1 },
        { Key(WXK_LEFT, wxMOD_SHIFT),       2, { 0, 2 }, KEPT, -1 },
        { Key(WXK_TAB, wxMOD_CONTROL),      0, { 2, 0 }, KEPT, -1 },
        { Key(WXK_TAB, wxMOD_SHIFT),        2, { 0, 2 }, KEPT, -1 },
        { Key(WXK_UP),                      1, { 2, 1 }, KEPT, -1 },
        { Key(WXK_NUMPAD_UP),               0, { 1, 0 }, KEPT, -1 },
        { Key(WXK_NUMPAD_LEFT),             2, { 0, 2 }, KEPT, -1 },
        { Key(WXK_NUMPAD_RIGHT),            0, { 2, 0 }, KEPT, -1 },
        { Key(WXK_NUMPAD_DOWN),             1, { 0, 1 }, KEPT, -1 },
        { Key(WXK_DOWN, wxMOD_ALT),         2, { 1, 2 }, KEPT, -1 },
        { Key(WXK_RETURN, wxMOD_CONTROL),   2, NOTHING, KEPT,  2 },
        { Key('A'),                         2, NOTHING, KEPT, -1 },
        { Key(WXK_SPACE),                   2, NOTHING, KEPT, -1 },
        { Key(WXK_NUMPAD_ENTER),            2, NOTHING, KEPT, -1 },
        { Key(WXK_ESCAPE),                 -1, { 2 },   KEPT, -1 },
        { Key(WXK_ESCAPE),                 -1, NOTHING, KEPT, -1 },
        { Key(WXK_TAB),                     0, { 0 },   KEPT, -1 },
    });
}

TEST(PanelInput, OneEntryStaysSelected)
{
    InputPanel p(1);
    RunSteps(p, {
        { Key(WXK_TAB),     0, { 0 },   KEPT, -1 },
        { Key(WXK_TAB),     0, NOTHING, KEPT, -1 },
        { Key(WXK_LEFT),    0, NOTHING, KEPT, -1 },
        { Key(WXK_ESCAPE), -1, { 0 },   KEPT, -1 },
        { Key(WXK_UP),      0, { 0 },   KEPT, -1 },
        { Key(WXK_RIGHT),   0, NOTHING, KEPT, -1 },
    });
}

TEST(PanelInput, WithoutEntriesOnlyNextSelectsAnEmptySlot)
{
    InputPanel p(0);
    RunSteps(p, {
        { Move(-1),          -1, NOTHING, KEPT,    -1 },
        { Key(WXK_LEFT),     -1, NOTHING, KEPT,    -1 },
        { Key(WXK_RETURN),   -1, NOTHING, KEPT,    -1 },
        { Key(WXK_TAB),       0, BANDS,   KEPT,    -1 },
        { Key(WXK_DOWN),      0, NOTHING, KEPT,    -1 },
        { Key(WXK_RETURN),    0, NOTHING, KEPT,    -1 },
        { Click(-1),          0, NOTHING, KEPT,    -1 },
        { Key(WXK_LEFT),     -1, BANDS,   KEPT,    -1 },
        { Key(WXK_NUMPAD_RIGHT), 0, BANDS, KEPT,   -1 },
        { Key(WXK_ESCAPE),   -1, BANDS,   KEPT,    -1 },
        { Key(WXK_RIGHT),     0, BANDS,   KEPT,    -1 },
        { MoveElsewhere(-1), -1, BANDS,   DEFAULT, -1 },
    });
}

TEST(PanelInput, ClickHitsTheEntryRectanglesExactly)
{
    InputPanel p(2);
    const wxRect first = p.panel.Access().Entry(0).rect;
    const wxRect second = p.panel.Access().Entry(1).rect;
    ASSERT_EQ(second.y, first.GetBottom() + 1 + 20);

    const struct
    {
        wxPoint point;
        int launched;
    } clicks[] =
    {
        { first.GetTopLeft(), 0 },
        { first.GetBottomRight(), 0 },
        { first.GetTopRight() + wxPoint(1, 0), -1 },
        { first.GetBottomLeft() + wxPoint(0, 1), -1 },
        { first.GetTopLeft() - wxPoint(1, 0), -1 },
        { first.GetTopLeft() - wxPoint(0, 1), -1 },
        { first.GetBottomLeft() + wxPoint(0, 19), -1 },
        { second.GetTopLeft(), 1 },
        { second.GetBottomRight(), 1 },
        { second.GetBottomRight() + wxPoint(0, 1), -1 },
    };
    for ( const auto& click : clicks )
    {
        SCOPED_TRACE(testing::Message() << "click at " << click.point);
        p.system.started.clear();
        EXPECT_FALSE(SendMouse(p.panel.Get(), wxEVT_LEFT_DOWN, click.point));
        std::vector<wxString> launched;
        if ( click.launched != -1 )
            launched.push_back(wxString::Format("prog%d", click.launched));
        EXPECT_EQ(launched, p.system.started);
        EXPECT_EQ(-1, p.panel.Access().Selection());
    }
}

TEST(PanelOnScreen, SelectionChangeRepaintsTheWindow)
{
    StringsInUse strings({ { "masthead_label", "Masthead" },
                           { "welcome_label", "Welcome" },
                           { "welcome_description", "Pick an entry." } });
    GetTestFrame()->Show();
    InputPanel p(3);
    LauncherPanel* const panel = p.panel.Get();

    // What the window shows, read back from the display.
    const auto showsRender = [panel]()
    {
        const wxSize size = panel->GetClientSize();
        wxBitmap bitmap(size);
        {
            wxMemoryDC memory(bitmap);
            wxClientDC window(panel);
            memory.Blit(0, 0, size.x, size.y, &window, 0, 0);
        }
        return ShowsSamePicture(RenderPanel(panel), bitmap.ConvertToImage());
    };

    // The first paint comes from the event loop; a change of selection
    // must show without it.
    EXPECT_TRUE(WaitFor([&showsRender]() { return bool(showsRender()); }));
    for ( const char* change : { "selecting", "moving" } )
    {
        SendKey(panel, WXK_DOWN, wxMOD_NONE);
        EXPECT_TRUE(showsRender()) << "after " << change << " an entry";
    }
    EXPECT_EQ(1, p.panel.Access().Selection());
    GetTestFrame()->Hide();
}
