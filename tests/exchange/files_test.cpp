#include "exchange/files.h"

#include <gtest/gtest.h>
#include <filesystem>

#include "support/temp_dir.h"

namespace bw {
namespace {

TEST(FileExists, OnlyOrdinaryVisibleFiles) {
    test::TempDir dir;
    EXPECT_TRUE(FileExists(dir.Write("Tap.dat", "1")));
    EXPECT_FALSE(FileExists(dir.File("missing.dat")));
    EXPECT_FALSE(FileExists(dir.MakeDir("folder")));
#ifndef _WIN32  // a dot name is hidden only on POSIX; Windows hides by attribute
    EXPECT_FALSE(FileExists(dir.Write(".hidden", "1")));
#endif
    EXPECT_FALSE(FileExists(""));
}

TEST(ProgramFilePath, AlwaysAddsTheSeparator) {
    const std::string s(1, kPathSeparator);
    EXPECT_EQ(ProgramFilePath(s + "opt" + s + "bw", "Tap.dat"),
              s + "opt" + s + "bw" + s + "Tap.dat");
    // At the root the separator is doubled, which still names the same file.
    EXPECT_EQ(ProgramFilePath(s, "Tap.dat"), s + s + "Tap.dat");
    EXPECT_EQ(WithTrailingSeparator(s + "a"), s + "a" + s);
    EXPECT_EQ(WithTrailingSeparator(s + "a" + s), s + "a" + s);
    EXPECT_EQ(WithTrailingSeparator(""), s);
#ifdef _WIN32
    // A chosen drive root already ends in its backslash.
    EXPECT_EQ(WithTrailingSeparator("D:\\"), "D:\\");
    EXPECT_EQ(WithTrailingSeparator("C:\\LT"), "C:\\LT\\");
#endif
}

TEST(WriteFileAtomically, ReplacesTheWholeFileAndLeavesNoTemporary) {
    test::TempDir dir;
    const std::string path = dir.Write("Brasswick.scr", "old script that is longer\r\n");
    ASSERT_EQ(WriteFileAtomically(path, "Line 1,1 2,2 \r\n"), std::nullopt);
    EXPECT_EQ(test::ReadFile(path), "Line 1,1 2,2 \r\n");
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
}

TEST(WriteFileAtomically, AMissingFolderIsReportedAndNotCreated) {
    test::TempDir dir;
    const std::string path = dir.File("Brasswick/Brasswick.scr");
    const auto error = WriteFileAtomically(path, "x");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "the folder " + dir.File("Brasswick") + " does not exist");
    EXPECT_FALSE(test::Exists(dir.File("Brasswick")));
}

TEST(WriteFileAtomically, AFailedWriteKeepsThePreviousFile) {
    test::TempDir dir;
#ifdef _WIN32
    // A read-only script is refused, and nothing is left beside it.
    const std::string path = dir.Write("Brasswick.scr", "previous");
    std::filesystem::permissions(path, std::filesystem::perms::all,
                                 std::filesystem::perm_options::remove);
    const auto error = WriteFileAtomically(path, "new");
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    // The wording is the system's own ("Access is denied", or Wine's "Access denied").
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("denied"), std::string::npos) << *error;
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
#else
    // A name of 250 characters is allowed, but the temporary file beside it would need a
    // longer one, so the write fails before anything is replaced, even for root.
    const std::string path = dir.Write(std::string(250, 's'), "previous");
    const auto error = WriteFileAtomically(path, "new");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "File name too long");
#endif
    EXPECT_EQ(test::ReadFile(path), "previous");
}

TEST(WriteFileAtomically, ATargetThatIsAFolderIsReported) {
    test::TempDir dir;
    const std::string path = dir.MakeDir("Brasswick.scr");
    EXPECT_EQ(WriteFileAtomically(path, "x"), std::optional<std::string>("it is a folder"));
}

}  // namespace
}  // namespace bw
