#include "exchange/settings.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(SettingsFile, AClearanceNoDrawingCanUseIsAProblem) {
    for (const char* clearance : {"-.5", "3e38", "1000001"}) {
        const SettingsReadResult r = ParseSettings(std::string("\"/a/\",\"/b/\",0,") + clearance);
        EXPECT_FALSE(r.ok) << clearance;
        EXPECT_EQ(r.problem, "the ejector clearance is negative or exceeds 1000000");
    }
    EXPECT_TRUE(ParseSettings("\"/a/\",\"/b/\",0,1E-06").ok) << "an older file still reads";
}

TEST(SettingsFile, OkRefusesWhatTheFileOrAScriptCannotCarry) {
    const std::string quoted = "/home/d/\"drawings\"/";
    const struct {
        std::string cad, drawing, layer;
        float clearance;
        std::optional<std::string> message;
    } rows[] = {
        {"/lt/", "/d/", "HIDDEN", 0.015f, std::nullopt},
        {"/lt/", "/d/", "HIDDEN", 0.0f, std::nullopt},
        {"/lt/", "/d/", "HIDDEN", 1e6f, std::nullopt},
        {"/lt/", "/d/", "HIDDEN", INFINITY, "Ejector Clearance Must Not Exceed 1000000"},
        {"/lt/", "/d/", "HIDDEN", 1000001.0f, "Ejector Clearance Must Not Exceed 1000000"},
        {"/lt/", "/d/", "HIDDEN", 1e-5f, "Ejector Clearance Must Be 0 Or At Least .0001"},
        {"/lt/", quoted, "HIDDEN", 0.015f,
         "Drawing Path Not Usable: \"" + quoted + "\" (the path holds a double quote)"},
        {"/l\"t/", "/d/", "HIDDEN", 0.015f,
         "AutoCAD LT Path Not Usable: \"/l\"t/\" (the path holds a double quote)"},
        {"/lt\r\n/", "/d/", "HIDDEN", 0.015f,
         "AutoCAD LT Path Not Usable: \"/lt\r\n/\" (the path holds a line end)"},
        {"/lt/", "/d/", std::string(255, 'H'), 0.015f, std::nullopt},
        {"/lt/", "/d/", std::string(10'000'000, 'H'), 0.015f,
         "Hidden Layer Name Not Usable: \"" + std::string(40, 'H') +
             "...\" (the layer name is longer than 255 characters)"},
        {"/lt/", "/d/", "TWO WORDS", 0.015f,
         "Hidden Layer Name Not Usable: \"TWO WORDS\" (the layer name holds a blank)"},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& r = rows[i];
        EXPECT_EQ(CheckSettings({r.cad, r.drawing, r.layer, r.clearance}), r.message)
            << "row " << i;
    }
}

TEST(SettingsFile, EveryStorableClearanceIsWrittenBareAndReadsBack) {
    // From the smallest to the largest a check lets through, across every decade.
    for (float c = 1e-4f; c <= 1e6f; c *= 1.37f) {
        for (const float value : {c, std::nextafter(c, 0.0f)}) {
            const Settings s{"/a/", "/b/", "0", value};
            if (CheckSettings(s)) continue;
            const std::string text = SettingsFileText(s);
            const std::string line = text.substr(text.rfind('\n', text.size() - 2) + 1);
            EXPECT_EQ(line.find_first_not_of(".0123456789\r\n"), std::string::npos) << line;
            const SettingsReadResult back = ParseSettings(text);
            ASSERT_TRUE(back.ok) << line;
            EXPECT_NEAR(back.settings.EjectorClearance, value, value * 1e-6f) << line;
        }
    }
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
