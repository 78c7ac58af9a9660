/*
 * An entry point for rundll32, which parses its own command line: it
 * appends to the file named like this library plus ".log" the whole command
 * line of the process and the text that rundll32 hands to the entry, one
 * per line, then an empty line.
 */
#include <windows.h>
#include <stdio.h>

static HINSTANCE g_module;

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if ( reason == DLL_PROCESS_ATTACH )
        g_module = module;
    return TRUE;
}

__declspec(dllexport) void CALLBACK Entry(HWND window, HINSTANCE instance,
                                          LPSTR line, int show)
{
    (void)window; (void)instance; (void)show;

    char name[MAX_PATH + 8];
    const DWORD length = GetModuleFileNameA(g_module, name, MAX_PATH);
    lstrcpyA(name + length, ".log");
    FILE* out = fopen(name, "a");
    if ( !out )
        return;
    fprintf(out, "%s\n%s\n\n", GetCommandLineA(), line);
    fclose(out);
}
