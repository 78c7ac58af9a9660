/*
 * A program for the launcher to start under Wine. It appends to the file
 * named like itself plus ".log" the command line it was given, exactly, and
 * the arguments that the system's own splitting finds in it, one per line,
 * then an empty line. While a file named like itself plus ".hold" exists it
 * keeps running (a minute at most), so that a test can find it still
 * running.
 */
#include <windows.h>
#include <shellapi.h>
#include <stdio.h>
#include <wchar.h>

static void WriteUtf8(FILE* out, const wchar_t* text)
{
    char buffer[4096];
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer,
                                           sizeof(buffer), NULL, NULL);
    if ( length > 0 )
        fprintf(out, "%s\n", buffer);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR arguments,
                    int show)
{
    (void)instance; (void)previous; (void)arguments; (void)show;

    wchar_t self[MAX_PATH], name[MAX_PATH + 8];
    GetModuleFileNameW(NULL, self, MAX_PATH);

    _snwprintf(name, MAX_PATH + 8, L"%ls.log", self);
    FILE* out = _wfopen(name, L"a");
    if ( !out )
        return 1;
    const wchar_t* line = GetCommandLineW();
    WriteUtf8(out, line);
    int count = 0;
    wchar_t** args = CommandLineToArgvW(line, &count);
    for ( int n = 1; n < count; ++n )
        WriteUtf8(out, args[n]);
    LocalFree(args);
    fprintf(out, "\n");
    fclose(out);

    _snwprintf(name, MAX_PATH + 8, L"%ls.hold", self);
    for ( int tenths = 0; tenths < 600; ++tenths )
    {
        if ( GetFileAttributesW(name) == INVALID_FILE_ATTRIBUTES )
            break;
        Sleep(100);
    }
    return 0;
}
