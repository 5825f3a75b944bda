#include "exchange/settings.h"

#include <gtest/gtest.h>

#include <optional>

namespace bw {
namespace {

TEST(SettingsFile, FourLinesWithQuotedPathsAndABareLayerAndClearanceThatReadBack) {
    const struct {
        Settings settings;
        const char* text;
    } cases[] = {
        {{"/opt/lt/", "/home/d/drawings/", "HIDDEN", 0.02f},
         "\"/opt/lt/\"\r\n\"/home/d/drawings/\"\r\nHIDDEN\r\n.02\r\n"},
        // As a Windows machine writes it: a folder name in code page 1252 (0xFC is u with
        // diaeresis) comes back byte for byte.
        {{"C:\\J\xFCrgen\\LT\\", "D:\\", "0", 1e6f},
         "\"C:\\J\xFCrgen\\LT\\\"\r\n\"D:\\\"\r\n0\r\n1000000\r\n"},
        // The smallest clearance a check lets through is still written without an exponent.
        {{"/a/", "/b/", "0", 1e-4f}, "\"/a/\"\r\n\"/b/\"\r\n0\r\n.0001\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SettingsFileText(c.settings), c.text);
        const SettingsReadResult back = ParseSettings(c.text);
        ASSERT_TRUE(back.ok) << c.text;
        EXPECT_EQ(back.settings.CadPath, c.settings.CadPath);
        EXPECT_EQ(back.settings.DrawingPath, c.settings.DrawingPath);
        EXPECT_EQ(back.settings.HiddenLayer, c.settings.HiddenLayer);
        EXPECT_EQ(back.settings.EjectorClearance, c.settings.EjectorClearance);
    }
}

TEST(SettingsFile, AFileThatCannotBeUsedIsAProblem) {
    const std::pair<const char*, const char*> cases[] = {
        {"\"/a/\"\r\n\"/b/\"\r\nHIDDEN\r\n", "it holds fewer than four fields"},
        {"", "it holds fewer than four fields"},
        {"\"/a/\",\"/b/\",0,abc", "the ejector clearance is not a number"},
        {"\"/a/\",\"/b/\",0,-.5", "the ejector clearance is negative or exceeds 1000000"},
        {"\"/a/\",\"/b/\",0,1000001", "the ejector clearance is negative or exceeds 1000000"},
        {"\"/a/\",\"/b/\",H\"D,0", "the hidden layer: the layer name holds a double quote"},
        {"\"/a/\",\"/b/\",H D,0", "the hidden layer: the layer name holds a blank"},
    };
    for (const auto& [text, problem] : cases) {
        const SettingsReadResult r = ParseSettings(text);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.problem, problem) << text;
    }
    EXPECT_TRUE(ParseSettings("\"/a/\",\"/b/\",0,1E-06").ok) << "an older file still reads";
}

TEST(SettingsFile, OkRefusesWhatTheFileOrAScriptCannotCarry) {
    // The Settings tab's own test shows the layer-name and drawing-path refusals.
    const struct {
        std::string cad, layer;
        float clearance;
        std::optional<std::string> message;
    } rows[] = {
        {"/lt/", "HIDDEN", 0.0f, std::nullopt},
        {"/lt/", "HIDDEN", 1e6f, std::nullopt},
        {"/lt/", std::string(255, 'H'), 0.015f, std::nullopt},
        {"/lt/", "HIDDEN", 1000001.0f, "Ejector Clearance Must Not Exceed 1000000"},
        {"/lt/", "HIDDEN", 1e-5f, "Ejector Clearance Must Be 0 Or At Least .0001"},
        {"/l\"t/", "HIDDEN", 0.015f,
         "AutoCAD LT Path Not Usable: \"/l\"t/\" (the path holds a double quote)"},
        {"/lt\r\n/", "HIDDEN", 0.015f,
         "AutoCAD LT Path Not Usable: \"/lt\r\n/\" (the path holds a line end)"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(CheckSettings({r.cad, "/d/", r.layer, r.clearance}), r.message) << r.clearance;
    }
}

}  // namespace
}  // namespace bw
