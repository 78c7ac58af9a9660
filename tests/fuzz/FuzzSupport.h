///////////////////////////////////////////////////////////////////////////////
// Name:        tests/fuzz/FuzzSupport.h
// Purpose:     What the fuzz targets share: the toolkit set up once, its
//              log silenced, its assertions turned into crashes
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_TESTS_FUZZ_FUZZSUPPORT_H
#define LAUNCHER_TESTS_FUZZ_FUZZSUPPORT_H

#include <wx/init.h>
#include <wx/log.h>
#include <wx/string.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

inline void AbortOnAssert(const wxString& file, int line, const wxString& func,
                          const wxString& cond, const wxString& msg)
{
    fprintf(stderr, "toolkit assertion at %s:%d in %s: %s %s\n",
            static_cast<const char*>(file.utf8_str()), line,
            static_cast<const char*>(func.utf8_str()),
            static_cast<const char*>(cond.utf8_str()),
            static_cast<const char*>(msg.utf8_str()));
    abort();
}

// Each target is a program of its own that includes this once: libFuzzer
// calls this before the first input.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static wxInitializer initializer;
    wxSetAssertHandler(AbortOnAssert);
    // A broken document is what the fuzzer feeds; the toolkit's complaints
    // about it are expected and would only slow the runs down.
    wxLog::EnableLogging(false);
    return 0;
}

// The input as text, the way strings.xml and its values reach the code:
// UTF-8, with anything invalid replaced rather than dropped whole.
inline wxString InputText(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    wxString text = wxString::FromUTF8(bytes.c_str(), bytes.size());
    if ( text.empty() && size > 0 )
        text = wxString(bytes.c_str(), wxConvISO8859_1, bytes.size());
    return text;
}

#endif // LAUNCHER_TESTS_FUZZ_FUZZSUPPORT_H
