#include "exchange/settings.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

TEST(SettingsFile, FourLinesWithQuotedPathsAndABareLayerAndClearance) {
    Settings s;
    s.CadPath = "/opt/lt/";
    s.DrawingPath = "/home/d/drawings/";
    s.HiddenLayer = "HIDDEN";
    s.EjectorClearance = 0.02f;
    EXPECT_EQ(SettingsFileText(s), "\"/opt/lt/\"\r\n\"/home/d/drawings/\"\r\nHIDDEN\r\n.02\r\n");
}

TEST(SettingsFile, ALayerNameWithACommaIsQuotedAndReadsBackUnchanged) {
    Settings s;
    s.CadPath = "/a/";
    s.DrawingPath = "/b/";
    s.HiddenLayer = "HID,DEN";
    const std::string text = SettingsFileText(s);
    EXPECT_EQ(text, "\"/a/\"\r\n\"/b/\"\r\n\"HID,DEN\"\r\n.015\r\n");
    const SettingsReadResult back = ParseSettings(text);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.settings.HiddenLayer, "HID,DEN");
}

TEST(SettingsFile, ReadsTheFourFields) {
    // As a Windows machine writes it: quoted paths with backslashes, CR LF, and a folder name
    // in code page 1252 (0xFC is u with diaeresis), which comes back byte for byte.
    const SettingsReadResult r =
        ParseSettings("\"C:\\J\xFCrgen\\LT\\\"\r\n\"D:\\\"\r\nHIDDEN\r\n.015\r\n");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.settings.CadPath, "C:\\J\xFCrgen\\LT\\");
    EXPECT_EQ(r.settings.DrawingPath, "D:\\");
    EXPECT_EQ(r.settings.HiddenLayer, "HIDDEN");
    EXPECT_EQ(r.settings.EjectorClearance, 0.015f);
}

TEST(SettingsFile, FewerThanFourFieldsOrABadNumberIsAProblem) {
    EXPECT_EQ(ParseSettings("\"/a/\"\r\n\"/b/\"\r\nHIDDEN\r\n").problem,
              "it holds fewer than four fields");
    EXPECT_EQ(ParseSettings("\"/a/\",\"/b/\",0,abc").problem,
              "the ejector clearance is not a number");
    EXPECT_FALSE(ParseSettings("").ok);
}

TEST(SettingsFile, DerivedPaths) {
    Settings s;
#ifdef _WIN32
    s.CadPath = "C:\\LT\\";
    s.DrawingPath = "D:\\";
    EXPECT_EQ(InfoFilePath(s), "D:\\BW_Info.txt");
    EXPECT_EQ(ScriptFilePath(s), "C:\\LT\\Brasswick\\Brasswick.scr");
    EXPECT_EQ(SettingsFilePath("C:\\Brasswick"), "C:\\Brasswick\\DrawPath.txt");
    // A program folder at a drive's root gets no doubled separator.
    EXPECT_EQ(SettingsFilePath("E:\\"), "E:\\DrawPath.txt");
#else
    s.CadPath = "/opt/lt/";
    s.DrawingPath = "/d/";
    EXPECT_EQ(InfoFilePath(s), "/d/BW_Info.txt");
    EXPECT_EQ(ScriptFilePath(s), "/opt/lt/Brasswick/Brasswick.scr");
    EXPECT_EQ(SettingsFilePath("/usr/lib/brasswick"), "/usr/lib/brasswick/DrawPath.txt");
    // A program folder at the root gets no doubled separator.
    EXPECT_EQ(SettingsFilePath("/"), "/DrawPath.txt");
#endif
}

}  // namespace
}  // namespace bw
