///////////////////////////////////////////////////////////////////////////////
// Name:        tests/core/DataFoldersTest.cpp
// Purpose:     Choosing the language folder and joining paths
///////////////////////////////////////////////////////////////////////////////

#include "content/DataFolders.h"

#include "TestSupport.h"

TEST(DataFolders, ChooseStringsPathFollowsTheLanguageRule)
{
    // Files and, ending in "/", folders made below the base folder; the
    // canonical name; the language folder chosen, below the base folder.
    const struct
    {
        const char* what;
        std::vector<const char*> layout;
        const char* canonicalName;
        const char* languageDir;
    } cases[] =
    {
        { "full name folder", { "launcher_data/fr_FR/strings.xml",
                                "launcher_data/fr/strings.xml",
                                "launcher_data/en/strings.xml" },
          "fr_FR", "launcher_data/fr_FR" },
        { "only the two-letter folder", { "launcher_data/fr/strings.xml",
                                          "launcher_data/en/strings.xml" },
          "fr_FR", "launcher_data/fr" },
        { "full name folder without strings.xml skips the two-letter one",
          { "launcher_data/fr_FR/", "launcher_data/fr/strings.xml",
            "launcher_data/en/strings.xml" }, "fr_FR", "launcher_data/en" },
        { "neither language folder", { "launcher_data/en/strings.xml" },
          "fr_FR", "launcher_data/en" },
        { "neither, and no en either", { "launcher_data/de/strings.xml" },
          "fr_FR", "launcher_data/en" },
        { "short name without its folder", { "launcher_data/en/strings.xml",
                                             "launcher_data/f/" },
          "fr", "launcher_data/en" },
        { "one-letter name with its folder", { "launcher_data/x/strings.xml" },
          "x", "launcher_data/x" },
        { "empty name, strings.xml in launcher_data",
          { "launcher_data/strings.xml", "launcher_data/en/strings.xml" },
          "", "launcher_data/" },
        { "empty name without it", { "launcher_data/en/strings.xml" },
          "", "launcher_data/en" },
        { "no launcher_data at all", { "other/en/strings.xml" },
          "fr_FR", "launcher_data/en" },
        { "folder names in another letter case", {
              "launcher_data/FR/strings.xml", "launcher_data/fr_fr/strings.xml" },
#ifdef __WINDOWS__
          // Windows' file names ignore the letter case; the path keeps the
          // locale's spelling.
          "fr_FR", "launcher_data/fr_FR" },
#else
          "fr_FR", "launcher_data/en" },
#endif
    };

    for ( const auto& c : cases )
    {
        SCOPED_TRACE(c.what);
        TempDir base;
        for ( const char* entry : c.layout )
        {
            const wxString relative(entry);
            if ( relative.EndsWith("/") )
                base.MakeDir(relative);
            else
                base.WriteFile(relative, "<strings/>");
        }

        wxString languageDir = "unchanged";
        const wxString path = ChooseStringsPath(base.GetPath(),
                                                c.canonicalName, &languageDir);
        EXPECT_EQ(base.Path(c.languageDir), languageDir);
        EXPECT_EQ(languageDir + "/strings.xml", path);
    }
}

TEST(DataFolders, PathsAreJoinedAsGiven)
{
    EXPECT_EQ("a/b", JoinPath("a", "b"));
    EXPECT_EQ("a//b", JoinPath("a/", "b"));
    EXPECT_EQ("/b", JoinPath("", "b"));
    EXPECT_EQ("dir/", JoinPath("dir", ""));
    EXPECT_EQ("dir//abs/icon.png", JoinPath("dir", "/abs/icon.png"));
    EXPECT_EQ("C:\\base/launcher_data/en",
              JoinPath("C:\\base", "launcher_data", "en"));
    EXPECT_EQ("/b/launcher_data/", JoinPath("/b", "launcher_data", ""));
}

TEST(DataFolders, BaseDirIsTheExecutablesFolderWithoutTrailingSeparator)
{
#ifdef __WINDOWS__
    // The drive stays, and the separators are Windows' own whichever were
    // written.
    EXPECT_EQ("C:\\opt\\launcher",
              BaseDirFromExecutable("C:\\opt\\launcher\\launcher.exe"));
    EXPECT_EQ("C:\\a b\\c", BaseDirFromExecutable("C:/a b/c/launcher.exe"));
    EXPECT_EQ("D:\\opt\\x\\..",
              BaseDirFromExecutable("D:\\opt\\x\\..\\launcher.exe"));
    EXPECT_EQ("C:\\", BaseDirFromExecutable("C:\\launcher.exe"));
    EXPECT_EQ("bin", BaseDirFromExecutable("bin\\launcher.exe"));
    EXPECT_EQ("", BaseDirFromExecutable("launcher.exe"));
#else
    EXPECT_EQ("/opt/launcher", BaseDirFromExecutable("/opt/launcher/launcher"));
    EXPECT_EQ("/a b/c", BaseDirFromExecutable("/a b/c/launcher"));
    EXPECT_EQ("/opt/x/..", BaseDirFromExecutable("/opt/x/../launcher"));
    EXPECT_EQ("bin", BaseDirFromExecutable("bin/launcher"));
    EXPECT_EQ("", BaseDirFromExecutable("launcher"));
#endif
}
