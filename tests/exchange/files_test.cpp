#include "exchange/files.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <iterator>

#include "exchange/settings.h"
#include "support/temp_dir.h"

namespace bw {
namespace {

namespace fs = std::filesystem;

TEST(FileExists, OnlyOrdinaryVisibleFiles) {
    // The table loaders' tests show a missing file and a folder in a file's place.
    test::TempDir dir;
    EXPECT_TRUE(FileExists(dir.Write("Tap.dat", "1")));
#ifndef _WIN32  // a dot name is hidden only on POSIX; Windows hides by attribute
    EXPECT_FALSE(FileExists(dir.Write(".hidden", "1")));
#endif
    EXPECT_FALSE(FileExists(""));
}

TEST(ProgramFilePath, AlwaysAddsTheSeparatorWhereAFolderAddsItOnlyWhenMissing) {
    const std::string s(1, kPathSeparator);
    // At the root a table's separator is doubled, which still names the same file; the
    // settings file's is not.
    EXPECT_EQ(ProgramFilePath(s, "Tap.dat"), s + s + "Tap.dat");
    EXPECT_EQ(SettingsFilePath(s), s + "DrawPath.txt");
    EXPECT_EQ(WithTrailingSeparator(s + "a"), s + "a" + s);
    EXPECT_EQ(WithTrailingSeparator(s + "a" + s), s + "a" + s);
    EXPECT_EQ(WithTrailingSeparator(""), s);
#ifdef _WIN32
    // A chosen drive root already ends in its backslash.
    EXPECT_EQ(WithTrailingSeparator("D:\\"), "D:\\");
    const Settings folders{"C:\\LT\\", "D:\\", "0", 0.0f};
    EXPECT_EQ(ScriptFilePath(folders), "C:\\LT\\Brasswick\\Brasswick.scr");
    EXPECT_EQ(InfoFilePath(folders), "D:\\BW_Info.txt");
#else
    const Settings folders{"/opt/lt/", "/d/", "0", 0.0f};
    EXPECT_EQ(ScriptFilePath(folders), "/opt/lt/Brasswick/Brasswick.scr");
    EXPECT_EQ(InfoFilePath(folders), "/d/BW_Info.txt");
#endif
}

// The script needs a Brasswick folder below the CAD folder; the test of its rights leaves no
// file behind.
TEST(CadFolderProblem, NoBrasswickFolderOrAWritableOneLeftAsItWas) {
    test::TempDir dir;
    EXPECT_EQ(CadFolderProblem(dir.Path() + kPathSeparator), "it holds no Brasswick folder");
    dir.MakeDir("Brasswick");
    EXPECT_EQ(CadFolderProblem(dir.Path() + kPathSeparator), std::nullopt);
    EXPECT_TRUE(fs::is_empty(dir.File("Brasswick")));
}

TEST(WriteFileAtomically, ReplacesTheWholeFileOrReportsAMissingFolderOrAFolderInThePlace) {
    test::TempDir dir;
    const std::string path = dir.Write("Brasswick.scr", "old script that is longer\r\n");
    ASSERT_EQ(WriteFileAtomically(path, "Line 1,1 2,2 \r\n"), std::nullopt);
    EXPECT_EQ(test::ReadFile(path), "Line 1,1 2,2 \r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1)
        << "no temporary is left";
    const std::string missing = dir.File("Brasswick");
    EXPECT_EQ(WriteFileAtomically(missing + kPathSeparator + "Brasswick.scr", "x"),
              "the folder " + missing + " does not exist");
    EXPECT_FALSE(test::Exists(missing)) << "the folder is never created";
    EXPECT_EQ(WriteFileAtomically(dir.MakeDir("Folder.scr"), "x"), "it is a folder");
}

TEST(WriteFileAtomically, AFailedWriteKeepsThePreviousFile) {
    test::TempDir dir;
#ifdef _WIN32
    // A read-only script is refused, and nothing is left beside it.
    const std::string path = dir.Write("Brasswick.scr", "previous");
    fs::permissions(path, fs::perms::all, fs::perm_options::remove);
    const auto error = WriteFileAtomically(path, "new");
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
    // The wording is the system's own ("Access is denied", or Wine's "Access denied").
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("denied"), std::string::npos) << *error;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
#else
    // A name of 250 characters is allowed, but the temporary file beside it would need a
    // longer one, so the write fails before anything is replaced, even for root.
    const std::string path = dir.Write(std::string(250, 's'), "previous");
    EXPECT_EQ(WriteFileAtomically(path, "new"), "File name too long");
#endif
    EXPECT_EQ(test::ReadFile(path), "previous");
}

}  // namespace
}  // namespace bw
