///////////////////////////////////////////////////////////////////////////////
// Name:        tests/bench/LauncherBench.cpp
// Purpose:     Timings of reading a large strings.xml and of painting, as
//              medians over many runs; the memory that building the panel
//              takes at its peak, with a camera photo as the background
///////////////////////////////////////////////////////////////////////////////

#include "GuiTestSupport.h"
#include "PanelAccess.h"

#include "app/LauncherApp.h"
#include "content/DataFolders.h"
#include "content/StringTable.h"
#include "panel/DCTextMeasurer.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/stdpaths.h>

#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

namespace
{

// The median time of one run, in milliseconds; what prepares a run is not
// timed.
double Median(int runs, const std::function<void ()>& work,
              const std::function<void ()>& prepare = nullptr)
{
    std::vector<double> times;
    for ( int n = 0; n < runs; ++n )
    {
        if ( prepare )
            prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        times.push_back(took.count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Report(const char* what, double ms)
{
    printf("%-58s %10.3f ms\n", what, ms);
}

std::string LargeStringsXml(int strings, int options)
{
    std::ostringstream xml;
    xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<launcher>\n";
    for ( int n = 0; n < strings; ++n )
        xml << "  <string id=\"key" << n << "\">Text number " << n
            << " of the table</string>\n";
    xml << "  <options>\n";
    for ( int n = 0; n < options; ++n )
        xml << "    <option><type>browser</type><icon>icons/none.png</icon>"
               "<label>Entry " << n << "</label><description>About entry "
            << n << "</description><data>http://example.org/" << n
            << "</data></option>\n";
    xml << "  </options>\n</launcher>\n";
    return xml.str();
}

// The sentences repeated until the text has this many characters.
wxString RepeatText(const char* sentence, size_t length)
{
    const wxString piece = wxString::FromUTF8(sentence);
    wxString text;
    text.reserve(length + piece.length());
    while ( text.length() < length )
        text += piece;
    return text.Left(length);
}

const char HEBREW[] =
    "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D "
    "\xD7\x9C\xD7\x9B\xD7\x95\xD7\x9C\xD7\x9D, \xD7\x96\xD7\x94\xD7\x95 "
    "\xD7\xAA\xD7\x99\xD7\x90\xD7\x95\xD7\xA8 "
    "\xD7\x90\xD7\xA8\xD7\x95\xD7\x9A \xD7\xA9\xD7\x9C "
    "\xD7\x94\xD7\xAA\xD7\x95\xD7\x9B\xD7\xA0\xD7\x94 "
    "\xD7\x91\xD7\x92\xD7\xA8\xD7\xA1\xD7\x94 2.5. ";

// The longest description that a strings.xml of the largest size read can
// hold, less the markup around it: one byte a character in Latin, two in
// Hebrew.
const size_t LARGEST_FILE = 16 * 1024 * 1024;
const size_t LONGEST_LATIN = LARGEST_FILE - 1024;
const size_t LONGEST_HEBREW = (LARGEST_FILE - 1024) / 2;

// What the user waits for when the selection moves to an entry: the
// repaint of the changed areas on the window.
void BenchSelectionChanges(LauncherPanel* panel,
                           LauncherPanelTestAccess& access)
{
    GetTestFrame()->Show();
    wxTheApp->Yield();

    const struct { const char* what; wxString description; } cases[] =
    {
        { "sample description", access.Entry(0).description },
        { "10,000-character Hebrew description", RepeatText(HEBREW, 10000) },
        { "4,000,000-character Latin description",
          RepeatText("A long description keeps going with words of many "
                     "sizes ", 4000000) },
        { "16,776,192-character Latin description (16 MB file)",
          RepeatText("A long description keeps going with words of many "
                     "sizes ", LONGEST_LATIN) },
        { "8,388,096-character Hebrew description (16 MB file)",
          RepeatText(HEBREW, LONGEST_HEBREW) },
    };
    // Beside each, the same paint into a bitmap: what the texts cost, apart
    // from putting the pictures on the screen.
    wxBitmap bitmap(panel->GetClientSize());
    wxMemoryDC memoryDC(bitmap);
    for ( const auto& c : cases )
    {
        access.Entry(0).description = c.description;
        printf("selection change, %s\n", c.what);
        Report("    on the window",
               Median(21, [&]() { panel->SetSelection(0); },
                      [&]() { panel->SetSelection(-1); }));
        Report("    Render into a bitmap",
               Median(21, [&]() { panel->Render(memoryDC); }));
    }
    memoryDC.SelectObject(wxNullBitmap);

    wxClientDC dc(panel);
    dc.SetFont(access.BodyFont());
    const wxString hebrew = RepeatText(HEBREW, 10000);
    wxArrayString lines, reference;
    Report("WrapText of the 10,000-character Hebrew description",
           Median(21, [&]() { lines = WrapText(dc, hebrew, 365, 463); }));
    Report("the same, measuring the remaining text whole at every line",
           Median(11, [&]()
           {
               reference = WrapMeasuringWhole(dc, hebrew, 365, 463);
           }));
    printf("(the lines are %s)\n",
           reference == lines ? "the same" : "NOT the same");
    GetTestFrame()->Hide();
}

void BenchLargeCatalogue()
{
    TempDir dir;
    dir.WriteFile("launcher_data/en/strings.xml", LargeStringsXml(10000, 10000));
    g_baseDir = dir.GetPath();

    Report("load 10,000 strings (strings.xml of 10,000 + 10,000)",
           Median(21, []() { LauncherApp::LoadStringTable(); }));
    Report("build the panel (reads 10,000 options)",
           Median(21, []()
           {
               LauncherPanel* panel = new LauncherPanel(GetTestFrame());
               panel->Destroy();
           }));
    g_stringTable.clear();
}

void BenchPainting(const wxString& sampleBase)
{
    g_baseDir = sampleBase;
    LauncherApp::LoadStringTable();

    LauncherPanel* panel = new LauncherPanel(GetTestFrame());
    LauncherPanelTestAccess access(panel);
    const wxSize client = panel->GetClientSize();
    printf("(client area %d x %d, %d entries)\n", client.x, client.y,
           access.EntryCount());

    wxBitmap bitmap(941, 615);
    wxMemoryDC dc(bitmap);
    Report("Render, sample content, nothing selected",
           Median(101, [&]() { panel->Render(dc); }));

    panel->SetSelection(0);
    wxString longText;
    while ( longText.length() < 20000 )
        longText += "A long description keeps going with words of many sizes ";
    longText.Truncate(20000);
    access.Entry(0).description = longText;
    Report("Render, first entry selected, 20,000-character body",
           Median(21, [&]() { panel->Render(dc); }));

    dc.SetFont(access.BodyFont());
    wxArrayString lines;
    Report("WrapText of that body (365 wide, 435 high)",
           Median(21, [&]() { lines = WrapText(dc, longText, 365, 435); }));
    printf("(%zu lines)\n", lines.size());

    wxArrayString reference;
    Report("the same, measuring the remaining text whole at every line",
           Median(11, [&]()
           {
               reference = WrapMeasuringWhole(dc, longText, 365, 435);
           }));
    printf("(the lines are %s)\n",
           reference == lines ? "the same" : "NOT the same");

    dc.SelectObject(wxNullBitmap);
    BenchSelectionChanges(panel, access);
    panel->Destroy();
}

// The process's peak resident memory in kB since the last reset, from
// /proc; -1 where the system does not tell.
long ReadPeakResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while ( std::getline(status, line) )
        if ( line.compare(0, 6, "VmHWM:") == 0 )
            return atol(line.c_str() + 6);
    return -1;
}

// Makes the peak the memory in use now, so that what follows has its own.
bool ResetPeakResident()
{
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5";
    clearRefs.flush();
    return bool(clearRefs);
}

// The peak resident memory while a panel is built on the content below the
// base folder, and the memory in use before, in MB.
void ReportPanelPeak(const char* what, const wxString& base)
{
    g_baseDir = base;
    const bool reset = ResetPeakResident();
    const long before = ReadPeakResidentKb();
    LauncherPanel* panel = new LauncherPanel(GetTestFrame());
    const bool shown = LauncherPanelTestAccess(panel).Background().IsOk();
    panel->Destroy();
    const long peak = ReadPeakResidentKb();
    printf("%-58s %7.1f MB peak (%.1f MB before)%s%s\n", what,
           peak / 1024.0, before / 1024.0, shown ? "" : ", NOT SHOWN",
           reset ? "" : ", peak not reset");
}

// A photo-like picture: smooth shades with grain, so that its file is not
// one that compresses to nothing.
wxImage MakePhoto(int width, int height, bool withAlpha)
{
    wxImage image(width, height, false);
    unsigned char* rgb = image.GetData();
    unsigned seed = 12345;
    for ( int y = 0; y < height; ++y )
        for ( int x = 0; x < width; ++x )
        {
            seed = seed * 1103515245 + 12345;
            const int grain = (seed >> 16) & 15;
            *rgb++ = static_cast<unsigned char>(x * 255 / width + grain);
            *rgb++ = static_cast<unsigned char>(y * 255 / height + grain);
            *rgb++ = static_cast<unsigned char>((x + y) / 64 + grain);
        }
    if ( withAlpha )
    {
        image.InitAlpha();
        memset(image.GetAlpha(), 200, size_t(width) * height);
    }
    return image;
}

void BenchBackgroundMemory(const wxString& sampleBase)
{
    ReportPanelPeak("build the panel, sample background (941 x 615)",
                    sampleBase);

    // 8660 x 5773 is 50 megapixels, at a camera's 3:2.
    for ( bool withAlpha : { false, true } )
    {
        TempDir dir;
        dir.MakeDir("launcher_data/images");
        {
            wxImage photo = MakePhoto(8660, 5773, withAlpha);
            photo.SetOption(wxIMAGE_OPTION_PNG_COMPRESSION_LEVEL, 1);
            if ( !photo.SaveFile(dir.Path("launcher_data/images/"
                                          "launcher_background.png"),
                                 wxBITMAP_TYPE_PNG) )
            {
                printf("(the 50-megapixel picture could not be written)\n");
                return;
            }
        }
        dir.WriteFile("launcher_data/en/strings.xml", "<launcher/>");
        ReportPanelPeak(withAlpha
                            ? "build the panel, 50-megapixel RGBA background"
                            : "build the panel, 50-megapixel RGB background",
                        dir.GetPath());
    }
}

} // anonymous namespace

int main(int argc, char** argv)
{
    // The folder that holds the sample launcher_data, if not the source tree.
    const wxString given = argc > 1 ? wxString(argv[1]) : wxString();
    int toolkitArgc = 1;
    char* toolkitArgv[] = { argv[0], NULL };

    wxApp::SetInstance(new wxApp);
    if ( !wxEntryStart(toolkitArgc, toolkitArgv) || !wxTheApp->CallOnInit() )
    {
        fprintf(stderr, "the toolkit could not be initialised (no display?)\n");
        return 1;
    }
    wxImage::AddHandler(new wxPNGHandler);

    const wxString exeDir =
        wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath();
    const wxString sampleBase = !given.empty() ? given : exeDir + "/../../..";

    {
        LogCapture quiet;
        BenchBackgroundMemory(sampleBase);
        BenchLargeCatalogue();
        BenchPainting(sampleBase);
    }

    GetTestFrame()->Destroy();
    wxEntryCleanup();
    return 0;
}
