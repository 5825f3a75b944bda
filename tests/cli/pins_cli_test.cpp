#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "support/temp_dir.h"

namespace bw::cli {
namespace {

Result RunArgs(std::vector<std::string> args, const std::string& folder = BW_DATA_DIR) {
    return Run(args, folder);
}

struct ScriptCase {
    std::vector<std::string> args;
    const char* script;
};

TEST(PinsCli, PrintsTheScriptBytes) {
    const ScriptCase cases[] = {
        {{"ejector", "pin=.25", "view=face", "hidden=0"},
         "Layer set 0 \r\nCircle 1,1 D .25\r\nCircle 1,1 D .265\r\n"},
        {{"ejector", "pin=.25", "depth=1", "dir=90", "hidden=0", "clearance=0"},
         "Layer set 0 \r\n"
         "Line .875,1 .875,2 \r\n"
         "Line .875,2 1.125,2 \r\n"
         "Line 1.125,2 1.125,1 \r\n"
         "Line .875,2 .875,3 \r\n"
         "Line 1.125,2 1.125,3 \r\n"},
        // Hidden is ticked at start-up on the ejector tab.
        {{"ejector", "pin=.25", "view=face", "layer=A", "hidden-layer=H"},
         "Layer set A \r\nCircle 1,1 D .25\r\nLayer set H \r\nCircle 1,1 D .265\r\nLayer set A "
         "\r\n"},
        {{"corepin", "pin=.25", "head=.375", "headlen=.25", "view=face", "hidden=0"},
         "Layer set 0 \r\nCircle 1,1 D .25\r\nCircle 1,1 D .375\r\n"},
        {{"corepin", "pin=.25", "head=.375", "headlen=.25", "hidden-layer=H"},
         "Layer set H \r\n"
         "Line 1,1.1875 1.25,1.1875 \r\n"
         "Line 1.25,1.1875 1.25,.8125 \r\n"
         "Line 1.25,.8125 1,.8125 \r\n"
         "Line 1.25,1.125 2,1.125 \r\n"
         "Line 1.25,.875 2,.875 \r\n"
         "Layer set 0 \r\n"},
        {{"corenote", "kind=C", "number=12", "base=2,3"}, "insert Dmesnote 2,3 1 1 0 12\r\n"},
        {{"corenote", "number=12", "base=2,3", "scale=.5"}, "insert Dmehnote 2,3 .5 .5 0 12\r\n"},
        {{"corenote", "number=12.5"}, "insert Dmehnote 1,1 1 1 0 12\r\n"},
        // Hidden is clear at start-up on the taper pin tab: no line end at the end.
        {{"taper", "diameter=.25", "length=1", "base=0,0"},
         "Layer set 0 \r\nLine 0,.125 0,-.125 1,-.114585 1,.114585 0,.125  "
         "ARC 0,.125 -.03349365,0 0,-.125 ARC 1,-.114585 1.027806,0 1,.114585 "},
        {{"taper", "diameter=.25", "length=1", "base=0,0", "dir=90", "hidden=1", "layer=L",
          "hidden-layer=H", "view=face"},
         "Layer set H \r\nLine -.125,0 .125,0 .114585,1 -.114585,1 -.125,0  "
         "ARC -.125,0 0,-.03349365 .125,0 ARC .114585,1 0,1.027806 -.114585,1 Layer set L \r\n"},
    };
    for (const ScriptCase& c : cases) {
        const Result r = RunArgs(c.args);
        EXPECT_EQ(r.exitCode, 0) << c.args[0] << ": " << r.err;
        EXPECT_EQ(r.out, c.script) << c.args[0];
        EXPECT_EQ(r.err, "");
    }
}

struct FailCase {
    std::vector<std::string> args;
    const char* message;
};

TEST(PinsCli, FailedCheckPrintsTheMessageAndNothingElse) {
    const FailCase cases[] = {
        {{"ejector"}, "You Must Select Pin Size\n"},
        {{"ejector", "depth=1"}, "You Must Select Pin Size\n"},
        {{"ejector", "pin=.25"}, "You Must Select Depth\n"},
        {{"ejector", "pin=0", "view=face"}, "Pin Diameter Must Be Greater Than Zero\n"},
        {{"ejector", "pin=.25", "depth=-1"}, "Depth Must Be Greater Than Zero\n"},
        {{"corepin"}, "You Must Select Pin Size\n"},
        {{"corepin", "pin=.25", "head=.375", "headlen=0"},
         "Head Length Must Be Greater Than Zero\n"},
        {{"corenote", "kind=C"}, "You Must Select Pin Size\n"},
        {{"taper"}, "You Must Select Pin Size\n"},
        {{"taper", "length=1"}, "You Must Select Pin Size\n"},
        {{"taper", "diameter=.25"}, "You Must Select Pin Length\n"},
        {{"taper", "diameter=.25", "length=20"}, "Pin Length Is Too Long For This Pin Size\n"},
    };
    for (const FailCase& c : cases) {
        const Result r = RunArgs(c.args);
        EXPECT_EQ(r.exitCode, 1) << c.message;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.message);
    }
}

TEST(PinsCli, MalformedValuesAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"ejector", "pin=abc"},
        {"ejector", "pin=.25", "depth="},
        {"ejector", "head=.25"},
        {"corepin", "pin=.25", "head=.375"},
        {"corepin", "headlen=.25"},
        {"corenote", "kind=X", "number=1"},
        {"corenote", "number=40000"},
        {"corenote", "number=1,2"},
        {"taper", "diameter=.25", "length=one"},
    };
    for (const auto& args : cases) {
        const Result r = RunArgs(args);
        EXPECT_EQ(r.exitCode, 2) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(PinsCli, CheckReportsTheShippedPinTablesAsLoaded) {
    const std::vector<std::string> lines = Lines(RunArgs({"check", BW_DATA_DIR}).out);
    EXPECT_TRUE(Has(lines, "ejector.dat: 22 pin sizes, 11 depths"));
    EXPECT_TRUE(Has(lines, "Corepin.dat: 14 core pin sizes"));
    EXPECT_TRUE(Has(lines, "Corenum.dat: 14 core numbers"));
    EXPECT_TRUE(Has(lines, "000: 17 taper pin sizes"));
    EXPECT_TRUE(Has(lines, "003: 209 length records"));
}

TEST(PinsCli, CheckNamesWhatIsWrong) {
    test::TempDir dir;
    dir.Write("ejector.dat", "2\r\nA,.1\r\n");
    dir.Write("Corepin.dat", "1\r\nA,.1,.2,.3\r\n");
    dir.Write("Corenum.dat", "1\r\nA,x\r\n");
    dir.Write("000",
              test::Padded("No. 1", 12) + test::LeSingle(0.172f) + test::Le16(1) + test::Le16(3));
    dir.Write("003", test::Padded("1", 6) + test::LeSingle(1.0f));
    const Result r = RunArgs({"check", dir.Path()});
    EXPECT_EQ(r.exitCode, 1);
    const std::vector<std::string> lines = Lines(r.out);
    EXPECT_TRUE(Has(lines,
                    "ejector.dat: Ejector Data File Is Corrupt (field 4 at byte 9: the file ends "
                    "before all its fields were read); kept 1 pin size, 0 depths"));
    EXPECT_TRUE(Has(lines, "Corepin.dat: 1 core pin size"));
    EXPECT_TRUE(Has(lines,
                    "Corenum.dat: Core Number Data File Is Corrupt (field 3 at byte 5: not a "
                    "number); kept 1 core number"));
    EXPECT_TRUE(Has(lines, "000: 1 taper pin size"));
    EXPECT_TRUE(Has(lines, "003: Pin Size No. 1 Has Invalid Length Records; 1 length record"));

    test::TempDir empty;
    const std::vector<std::string> missing = Lines(RunArgs({"check", empty.Path()}).out);
    EXPECT_TRUE(Has(missing, "000: Taper Pin Diameter File NOT Found (" + empty.File("000") + ")"));
    EXPECT_TRUE(Has(missing, "003: Taper Pin Length File NOT Found (" + empty.File("003") + ")"));
    EXPECT_TRUE(Has(
        missing, "ejector.dat: Ejector Data File NOT Found (" + empty.File("ejector.dat") + ")"));
}

TEST(PinsCli, CheckListsThePinTablesInStartUpOrder) {
    const std::vector<std::string> lines = Lines(RunArgs({"check", BW_DATA_DIR}).out);
    std::vector<std::string> ours;
    for (const std::string& line : lines) {
        const std::string file = line.substr(0, line.find(':'));
        if (file == "ejector.dat" || file == "Corepin.dat" || file == "Corenum.dat" ||
            file == "000" || file == "003") {
            ours.push_back(file);
        }
    }
    EXPECT_EQ(ours, (std::vector<std::string>{"ejector.dat", "Corepin.dat", "Corenum.dat", "000",
                                              "003"}));
}

}  // namespace
}  // namespace bw::cli
