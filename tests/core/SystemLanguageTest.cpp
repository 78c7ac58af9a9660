///////////////////////////////////////////////////////////////////////////////
// Name:        tests/core/SystemLanguageTest.cpp
// Purpose:     The language named by the locale that the process started
//              in; run once per locale, which the test registration sets
//              together with the name and folder expected for it
///////////////////////////////////////////////////////////////////////////////

#include "content/DataFolders.h"

#include "TestSupport.h"

#include <wx/utils.h>

namespace
{

// Skips the test when run by hand, outside a registration that says what
// to expect.
#define GET_EXPECTATION(variable, name)                                     \
    wxString variable;                                                      \
    if ( !wxGetEnv(name, &variable) )                                       \
        GTEST_SKIP() << name " is not set"

} // anonymous namespace

TEST(SystemLanguage, CanonicalNameOfTheStartingLocale)
{
    GET_EXPECTATION(expected, "EXPECTED_CANONICAL_NAME");

    // Asking changes nothing: the second answer is the first.
    LogCapture log;
    EXPECT_EQ(expected, GetSystemCanonicalName());
    EXPECT_EQ(expected, GetSystemCanonicalName());
    EXPECT_TRUE(log.GetMessages().empty());
}

TEST(SystemLanguage, ResolveStringsPathUsesTheSystemLanguage)
{
    GET_EXPECTATION(expectedFolder, "EXPECTED_LANGUAGE_FOLDER");

    TempDir base;
    for ( const char* folder : { "fr", "de_DE", "en_US", "en" } )
        base.WriteFile(wxString("launcher_data/") + folder + "/strings.xml",
                       "<strings/>");

    const wxString savedBase = g_baseDir;
    g_baseDir = base.GetPath();
    LogCapture log;
    const wxString expectedDir = base.Path("launcher_data/" + expectedFolder);
    for ( int run = 0; run < 2; ++run )
    {
        g_languageDir.clear();
        EXPECT_EQ(expectedDir + "/strings.xml", ResolveStringsPath());
        EXPECT_EQ(expectedDir, g_languageDir);
    }
    g_baseDir = savedBase;
}
