///////////////////////////////////////////////////////////////////////////////
// Name:        tests/gui/InputTest.cpp
// Purpose:     The launcher panel's pointer and key handlers: selection,
//              repaints, pointer shape and launches. Which key does what and
//              where an entry ends are the rules' own tests; these show that
//              the handlers follow them.
///////////////////////////////////////////////////////////////////////////////

#include "PanelTestSupport.h"

#include "launch/LaunchSystem.h"

#include <wx/dcclient.h>

namespace
{

// Records the addresses that the panel opens.
class RecordingLaunchSystem : public LaunchSystem
{
public:
    std::vector<wxString> opened;

    virtual wxOperatingSystemId GetOperatingSystemId() const wxOVERRIDE
        { return wxOS_UNIX_LINUX; }
    virtual long StartDetached(const wxArrayString&) wxOVERRIDE { return 0; }
    virtual long StartCommandLine(const wxString&) wxOVERRIDE { return 0; }
    virtual bool ProcessExists(long) wxOVERRIDE { return false; }
    virtual void OpenInBrowser(const wxString& target) wxOVERRIDE
        { opened.push_back(target); }
    virtual OpenCommandResult GetOpenCommand(const wxString&, const wxString&,
                                             OpenCommand*) wxOVERRIDE
        { return NO_FILE_TYPE; }
    virtual wxString FindEditor() wxOVERRIDE { return wxString(); }
};

// Entries that open "http://0", "http://1", ...
std::string Entries(int count)
{
    std::string options;
    for ( int n = 0; n < count; ++n )
        options += MakeOption("browser", "", "Entry " + std::to_string(n),
                              "Opens it", "http://" + std::to_string(n));
    return options;
}

// What the user does: moves or clicks at a spot, or presses a key with
// modifiers. A spot is the centre of an entry, CORNER plus an entry for
// its bottom-right pixel, or one of two points on the background.
enum Kind { MOVE, CLICK, KEY };
const int BACKGROUND = -1, FAR_BACKGROUND = -2, CORNER = 10;

struct Input
{
    Kind kind;
    int what;
    int modifiers;
};

Input Move(int spot) { return { MOVE, spot, wxMOD_NONE }; }
Input Click(int spot) { return { CLICK, spot, wxMOD_NONE }; }
Input Key(int code, int modifiers = wxMOD_NONE)
    { return { KEY, code, modifiers }; }

// Hands the input to the panel; returns whether it was skipped.
bool Send(TestPanel& panel, const Input& input)
{
    wxEvtHandler* const handler = panel->GetEventHandler();
    if ( input.kind == KEY )
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = input.what;
        event.SetShiftDown((input.modifiers & wxMOD_SHIFT) != 0);
        event.SetControlDown((input.modifiers & wxMOD_CONTROL) != 0);
        event.SetAltDown((input.modifiers & wxMOD_ALT) != 0);
        handler->ProcessEvent(event);
        return event.GetSkipped();
    }
    wxMouseEvent event(input.kind == MOVE ? wxEVT_MOTION : wxEVT_LEFT_DOWN);
    if ( input.what < 0 )
        event.SetPosition(input.what == BACKGROUND ? wxPoint(5, 5)
                                                   : wxPoint(400, 600));
    else
    {
        const wxRect rect = panel.Access().Entry(input.what % CORNER).rect;
        event.SetPosition(input.what >= CORNER ? rect.GetBottomRight()
                          : rect.GetPosition() + rect.GetSize() / 2);
    }
    handler->ProcessEvent(event);
    return event.GetSkipped();
}

// The pointer shape after a step: as before it, the hand, or the default.
enum Pointer { KEPT, HAND, DEFAULT };

// The entries whose rectangles a step repaints with the heading band and
// the body area; BANDS alone means only those two, NOTHING that nothing
// was drawn.
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

// Runs the steps on a panel with this many entries.
void RunSteps(int count, const std::vector<Step>& steps)
{
    ContentDir content(Entries(count));
    RecordingLaunchSystem system;
    TestPanel panel(content);
    std::vector<wxRegion> repaints;
    panel.Access().SetLaunchSystem(&system);
    panel.Access().OnRepaint([&repaints](const wxRegion& region)
                             { repaints.push_back(region); });

    const wxCursor before(wxCURSOR_CROSS);
    const wxSize client = panel->GetClientSize();
    for ( size_t n = 0; n < steps.size(); ++n )
    {
        const Step& step = steps[n];
        SCOPED_TRACE(testing::Message() << "step " << n + 1);
        repaints.clear();
        system.opened.clear();
        panel->SetCursor(before);

        // Keys go on to the toolkit; the pointer's events end here.
        EXPECT_EQ(step.input.kind == KEY, Send(panel, step.input));
        EXPECT_EQ(step.selection, panel.Access().Selection());

        // The entries' rectangles and the two text areas, and besides them
        // only the room around the column's texts that their ink may take.
        ASSERT_EQ(step.repainted.empty() ? 0u : 1u, repaints.size());
        if ( !step.repainted.empty() )
        {
            wxRegion expected(wxRect(client.x - 395, 105, 395, 30));
            expected.Union(wxRect(client.x - 395, 150, 395, client.y - 150));
            for ( int entry : step.repainted )
                if ( entry != -1 )
                    expected.Union(panel.Access().Entry(entry).rect);
            wxRegion missing(expected), beyond(repaints[0]);
            missing.Subtract(repaints[0]);
            beyond.Subtract(expected);
            beyond.Subtract(wxRect(client.x - 405, 95, 405, client.y - 95));
            EXPECT_TRUE(missing.IsEmpty()) << missing.GetBox();
            EXPECT_TRUE(beyond.IsEmpty()) << beyond.GetBox();
        }

        const wxCursor cursor = panel->GetCursor();
        const wxCursor wanted = step.pointer == KEPT ? before
                              : step.pointer == HAND
                                  ? panel.Access().HandCursor()
                                  : wxNullCursor;
        EXPECT_TRUE(wanted.IsOk() ? cursor.IsSameAs(wanted) : !cursor.IsOk());

        std::vector<wxString> opened;
        if ( step.launched != -1 )
            opened.push_back(wxString::Format("http://%d", step.launched));
        EXPECT_EQ(opened, system.opened);
    }
}

} // anonymous namespace

TEST(PanelInput, PointerSelectsAndSetsTheShape)
{
    RunSteps(3, {
        { Move(BACKGROUND),     -1, NOTHING,  KEPT,    -1 },
        { Move(1),               1, { 1 },    HAND,    -1 },
        { Move(CORNER + 1),      1, NOTHING,  KEPT,    -1 },
        { Move(0),               0, { 0, 1 }, HAND,    -1 },
        { Move(BACKGROUND),     -1, { 0 },    DEFAULT, -1 },
        { Move(FAR_BACKGROUND), -1, NOTHING,  KEPT,    -1 },
        // The pointer takes over from the keys.
        { Key(WXK_TAB),          0, { 0 },    KEPT,    -1 },
        { Move(BACKGROUND),     -1, { 0 },    DEFAULT, -1 },
        // Escape under the pointer leaves the hand until it selects again.
        { Move(2),               2, { 2 },    HAND,    -1 },
        { Key(WXK_ESCAPE),      -1, { 2 },    KEPT,    -1 },
        { Move(CORNER + 2),      2, { 2 },    HAND,    -1 },
        { Key(WXK_ESCAPE),      -1, { 2 },    KEPT,    -1 },
        { Move(BACKGROUND),     -1, NOTHING,  KEPT,    -1 },
        // A click launches what it is on, whatever is selected, and
        // selects nothing.
        { Click(CORNER + 1),    -1, NOTHING,  KEPT,     1 },
        { Move(0),               0, { 0 },    HAND,    -1 },
        { Click(2),              0, NOTHING,  KEPT,     2 },
        { Click(0),              0, NOTHING,  KEPT,     0 },
        { Click(BACKGROUND),     0, NOTHING,  KEPT,    -1 },
        { Key(WXK_RETURN),       0, NOTHING,  KEPT,     0 },
    });
}

TEST(PanelInput, KeysStepThroughTheEntries)
{
    RunSteps(3, {
        { Key(WXK_RETURN),                 -1, NOTHING,  KEPT, -1 },
        { Key(WXK_LEFT),                    2, { 2 },    KEPT, -1 },
        { Key(WXK_RIGHT),                   0, { 2, 0 }, KEPT, -1 },
        { Key(WXK_LEFT, wxMOD_SHIFT),       2, { 0, 2 }, KEPT, -1 },
        { Key(WXK_TAB, wxMOD_CONTROL),      0, { 2, 0 }, KEPT, -1 },
        { Key(WXK_TAB, wxMOD_SHIFT),        2, { 0, 2 }, KEPT, -1 },
        { Key(WXK_UP),                      1, { 2, 1 }, KEPT, -1 },
        { Key(WXK_NUMPAD_DOWN, wxMOD_ALT),  2, { 1, 2 }, KEPT, -1 },
        { Key(WXK_RETURN, wxMOD_CONTROL),   2, NOTHING,  KEPT,  2 },
        { Key('A'),                         2, NOTHING,  KEPT, -1 },
        { Key(WXK_NUMPAD_ENTER),            2, NOTHING,  KEPT, -1 },
        { Key(WXK_ESCAPE),                 -1, { 2 },    KEPT, -1 },
        { Key(WXK_ESCAPE),                 -1, NOTHING,  KEPT, -1 },
        { Key(WXK_TAB),                     0, { 0 },    KEPT, -1 },
    });
}

TEST(PanelInput, OneEntryStaysSelected)
{
    RunSteps(1, {
        { Key(WXK_TAB),     0, { 0 },   KEPT, -1 },
        { Key(WXK_TAB),     0, NOTHING, KEPT, -1 },
        { Key(WXK_LEFT),    0, NOTHING, KEPT, -1 },
        { Key(WXK_ESCAPE), -1, { 0 },   KEPT, -1 },
        { Key(WXK_UP),      0, { 0 },   KEPT, -1 },
    });
}

TEST(PanelInput, WithoutEntriesOnlyNextSelectsAnEmptySlot)
{
    RunSteps(0, {
        { Move(BACKGROUND),     -1, NOTHING, KEPT,    -1 },
        { Key(WXK_LEFT),        -1, NOTHING, KEPT,    -1 },
        { Key(WXK_TAB),          0, BANDS,   KEPT,    -1 },
        { Key(WXK_DOWN),         0, NOTHING, KEPT,    -1 },
        { Key(WXK_RETURN),       0, NOTHING, KEPT,    -1 },
        { Click(BACKGROUND),     0, NOTHING, KEPT,    -1 },
        { Key(WXK_LEFT),        -1, BANDS,   KEPT,    -1 },
        { Key(WXK_RIGHT),        0, BANDS,   KEPT,    -1 },
        { Key(WXK_ESCAPE),      -1, BANDS,   KEPT,    -1 },
        { Key(WXK_RIGHT),        0, BANDS,   KEPT,    -1 },
        { Move(FAR_BACKGROUND), -1, BANDS,   DEFAULT, -1 },
    });
}

TEST(PanelOnScreen, SelectionChangeRepaintsTheWindow)
{
    StringsInUse strings(WELCOME_TEXTS);
    GetTestFrame()->Show();
    ContentDir content(Entries(3));
    TestPanel p(content);
    LauncherPanel* const panel = p.Get();

    // What the window shows, read back from the display.
    const auto shown = [panel]()
    {
        const wxSize size = panel->GetClientSize();
        wxBitmap bitmap(size);
        {
            wxMemoryDC memory(bitmap);
            wxClientDC window(panel);
            memory.Blit(0, 0, size.x, size.y, &window, 0, 0);
        }
        return bitmap.ConvertToImage();
    };
    // That against a full render. The display smooths glyphs differently
    // from a memory bitmap, so the two may differ only within two pixels of
    // a text.
    const auto showsRender = [panel, &shown]()
    {
        const wxImage render = RenderPanel(panel);
        return SamePixels(render, shown(), [&render](int x, int y)
        {
            const wxRect around = wxRect(x - 2, y - 2, 5, 5)
                                    .Intersect(wxRect(render.GetSize()));
            return CountPixels(render, around, [](const wxColour& c)
                { return c == BACKGROUND_COLOUR || c == HIGHLIGHT_COLOUR ||
                         c == DIVIDER_COLOUR; }) < around.width * around.height;
        });
    };

    // The first paint comes from the event loop, late under a sanitizer on
    // a busy machine; a change of selection must show without it.
    EXPECT_TRUE(WaitFor([&showsRender]() { return bool(showsRender()); },
                        30000));
    for ( const char* change : { "selecting", "moving" } )
    {
        Send(p, Key(WXK_DOWN));
        EXPECT_TRUE(showsRender()) << "after " << change << " an entry";
    }
    EXPECT_EQ(1, p.Access().Selection());

    // Only what the change affects is drawn again: a colour that no picture
    // here has, painted over the whole window, stays everywhere else.
    const wxColour marker(255, 0, 255);
    {
        wxClientDC window(panel);
        window.SetBackground(wxBrush(marker));
        window.Clear();
    }
    wxRegion repainted;
    p.Access().OnRepaint([&repainted](const wxRegion& region)
                         { repainted = region; });
    Send(p, Key(WXK_DOWN));
    const wxImage after = shown();
    int outside = 0, kept = 0, left = 0;
    for ( int y = 0; y < after.GetHeight(); ++y )
        for ( int x = 0; x < after.GetWidth(); ++x )
        {
            const bool marked = PixelAt(after, x, y) == marker;
            if ( repainted.Contains(x, y) == wxInRegion )
                left += marked;
            else
            {
                ++outside;
                kept += marked;
            }
        }
    EXPECT_GT(outside, 0);
    EXPECT_EQ(outside, kept);
    EXPECT_EQ(0, left);
    GetTestFrame()->Hide();
}
