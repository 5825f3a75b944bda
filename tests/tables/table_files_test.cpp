// Every table file through the one list that start-up and `check` follow: what each holds,
// how a short file, a field that does not read and a value no feature can draw with are
// reported, and which records stay.
#include "features/table_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "cli/cli.h"
#include "features/pins/ejector.h"
#include "support/temp_dir.h"

namespace bw {
namespace {

using test::Le16;
using test::LeSingle;
using test::Padded;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

std::string TaperSize(const std::string& name, float d, int first, int last) {
    return Padded(name, 12) + LeSingle(d) + Le16(first) + Le16(last);
}
std::string TaperLength(const std::string& label, float length) {
    return Padded(label, 6) + LeSingle(length);
}
std::string Plain(const std::string& name, float d1, float d2, float l) {
    return Padded(name, 10) + LeSingle(d1) + LeSingle(d2) + LeSingle(l);
}
std::string Bell(const std::string& name, float b1, float b2, float b3) {
    return Padded(name, 11) + LeSingle(b1) + LeSingle(b2) + LeSingle(b3);
}

// The line `check` prints for `file`.
std::string LineOf(const std::string& lines, const std::string& file) {
    const size_t at = lines.find(file + ": ");
    if (at == std::string::npos) return "<none>";
    return lines.substr(at, lines.find('\n', at) - at);
}

TEST(TableFiles, ShippedFilesLoadCleanlyInStartUpOrder) {
    const TableCheck check = CheckTableFiles(BW_DATA_DIR);
    EXPECT_TRUE(check.clean);
    EXPECT_EQ(check.lines,
              "ejector.dat: 22 pin sizes, 11 depths\n"
              "Corepin.dat: 14 core pin sizes\n"
              "Cbore.dat: 18 screw sizes\n"
              "Tap.dat: 39 tap sizes, 15 depths\n"
              "Corenum.dat: 14 core numbers\n"
              "Thread.dat: 39 thread sizes, 10 depths\n"
              "Slot.dat: 11 slot widths, 11 center distances\n"
              "Keyway.dat: 13 key widths, 14 diameters\n"
              "000: 17 taper pin sizes\n"
              "003: 209 length records\n"
              "001: 10 plain center drills\n"
              "002: 8 bell center drills\n"
              "Drill.dat: 170 dimensions\n"
              "Csink.dat: 18 screw sizes\n");
    // The command prints exactly this and exits 0.
    const cli::Result r = cli::Run({"check", BW_DATA_DIR}, "");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, check.lines);
}

TEST(TableFiles, MissingFilesAreNotFoundWithTheirPathAndOnly003IsReadLater) {
    test::TempDir dir;
    const cli::Result r = cli::Run({"check", dir.Path()}, "");
    EXPECT_EQ(r.exitCode, 1);
    std::string expected;
    const std::pair<const char*, const char*> files[] = {
        {"ejector.dat", "Ejector Data File NOT Found"},
        {"Corepin.dat", "Core Data File NOT Found"},
        {"Cbore.dat", "Counterbore Data File NOT Found"},
        {"Tap.dat", "Tap Data File NOT Found"},
        {"Corenum.dat", "Core Number Data File NOT Found"},
        {"Thread.dat", "Thread Data File NOT Found"},
        {"Slot.dat", "Slot Data File NOT Found"},
        {"Keyway.dat", "Keyway Data File NOT Found"},
        {"000", "Taper Pin Diameter File NOT Found"},
        {"003", "Taper Pin Length File NOT Found"},
        {"001", "Plain Centerdrill File NOT Found"},
        {"002", "Bell Centerdrill File NOT Found"},
        {"Drill.dat", "Drill Data File NOT Found"},
        {"Csink.dat", "Countersink Data File NOT Found"}};
    for (auto [file, message] : files) {
        expected += std::string(file) + ": " + message + " (" + dir.File(file) + ")\n";
    }
    EXPECT_EQ(r.out, expected);
    for (const TableFile& file : TableFiles()) {
        EXPECT_EQ(file.loadedAtStartUp, file.name != "003") << file.name;
    }
}

struct FileCase {
    std::vector<std::pair<std::string, std::string>> files;  // laid into an empty folder
    const char* expected;  // the line of the first file; the check is clean only when it reads
                           // as loaded
};

TEST(TableFiles, EachFileReportsWhatItKeptAndWhereItWentWrong) {
    const FileCase cases[] = {
        // Counts below 1 are empty sections.
        {{{"Keyway.dat", "0\r\n-3\r\n"}}, "Keyway.dat: 0 key widths, 0 diameters"},
        // Short files: the count promises more than the file holds.
        {{{"ejector.dat", "2\r\nA,.1\r\n"}},
         "ejector.dat: Ejector Data File Is Corrupt (field 4 at byte 9: the file ends before "
         "all its fields were read); kept 1 pin size, 0 depths"},
        {{{"Tap.dat", "2\r\nA,.25,.201\r\n"}},
         "Tap.dat: Tap Data File Is Corrupt (field 5 at byte 15: the file ends before all its "
         "fields were read); kept 1 tap size, 0 depths"},
        {{{"Cbore.dat", "3\r\nA,.25,.4375\r\nB,.5,.8125\r\n"}},
         "Cbore.dat: Counterbore Data File Is Corrupt (field 8 at byte 28: the file ends before "
         "all its fields were read); kept 2 screw sizes"},
        {{{"Thread.dat", "1\r\nA,.25,20\r\n2\r\nL,.5\r\n"}},
         "Thread.dat: Thread Data File Is Corrupt (field 8 at byte 22: the file ends before all "
         "its fields were read); kept 1 thread size, 1 depth"},
        {{{"Slot.dat", "1\n\"1/4\",.25\n3\n\"1\",1\n\"2\",2\n"}},
         "Slot.dat: Slot Data File Is Corrupt (field 9 at byte 26: the file ends before all its "
         "fields were read); kept 1 slot width, 2 center distances"},
        {{{"Drill.dat", "2\r\nA,.234\r\n"}},
         "Drill.dat: Drill Data File Is Corrupt (field 4 at byte 11: the file ends before all "
         "its fields were read); kept 1 dimension"},
        {{{"Csink.dat", "2\r\nA,.067,.138\r\nB,.081"}},
         "Csink.dat: Countersink Data File Is Corrupt (field 7 at byte 22: the file ends before "
         "all its fields were read); kept 2 screw sizes"},
        {{{"Csink.dat", ""}},
         "Csink.dat: Countersink Data File Is Corrupt (field 1 at byte 0: the file ends before "
         "all its fields were read); kept 0 screw sizes"},
        // Fields that do not read.
        {{{"Corenum.dat", "1\r\nA,x\r\n"}},
         "Corenum.dat: Core Number Data File Is Corrupt (field 3 at byte 5: not a number); kept "
         "1 core number"},
        {{{"Thread.dat", "1\r\n\"1/4-20, UNC\",.25,40000\r\n1\r\nL,.5\r\n"}},
         "Thread.dat: Thread Data File Is Corrupt (field 4 at byte 21: count out of range); kept "
         "1 thread size, 0 depths"},
        {{{"Corepin.dat", "1\r\nA,nan,.2,.3\r\n"}},
         "Corepin.dat: Core Data File Is Corrupt (field 3 at byte 5: not a number); kept 1 core "
         "pin size"},
        // Values no feature can draw with: the record is not kept and reading stops there.
        {{{"ejector.dat", "2\r\nA,.25\r\nB,2.9e38\r\n1\r\nD,2.9e38\r\n"}},
         "ejector.dat: Ejector Data File Is Corrupt: ejector.dat, pin size 2 (B), diameter "
         "2.9e+38 is more than 1000000; kept 1 pin size, 0 depths"},
        {{{"ejector.dat", "1\r\nA,.25\r\n2\r\nD,1\r\nE,2.9e38\r\n"}},
         "ejector.dat: Ejector Data File Is Corrupt: ejector.dat, depth 2 (E), depth 2.9e+38 is "
         "more than 1000000; kept 1 pin size, 1 depth"},
        {{{"Corepin.dat", "2\r\nA,.25,.375,.125\r\nB,.5,0,.25\r\n"}},
         "Corepin.dat: Core Data File Is Corrupt: Corepin.dat, core pin size 2 (B), head "
         "diameter 0 is not greater than zero; kept 1 core pin size"},
        {{{"Tap.dat", "1\r\nA,.25,-.2\r\n0\r\n"}},
         "Tap.dat: Tap Data File Is Corrupt: Tap.dat, tap size 1 (A), drill diameter -0.2 is not "
         "greater than zero; kept 0 tap sizes, 0 depths"},
        {{{"Cbore.dat", "1\r\nA,1000001,2\r\n"}},
         "Cbore.dat: Counterbore Data File Is Corrupt: Cbore.dat, screw size 1 (A), screw "
         "diameter 1000001 is more than 1000000; kept 0 screw sizes"},
        {{{"Thread.dat", "1\r\nA,.25,20\r\n1\r\nL,1e-45\r\n"}},
         "Thread.dat: Thread Data File Is Corrupt: Thread.dat, depth 1 (L), depth 1e-45 is too "
         "small to draw with; kept 1 thread size, 0 depths"},
        {{{"Keyway.dat", "1\r\nA,.25\r\n1\r\nB,3e38\r\n"}},
         "Keyway.dat: Keyway Data File Is Corrupt: Keyway.dat, diameter 1 (B), diameter 3e+38 "
         "is more than 1000000; kept 1 key width, 0 diameters"},
        {{{"Drill.dat", "1\r\nA,0\r\n"}},
         "Drill.dat: Drill Data File Is Corrupt: Drill.dat, dimension 1 (A), dimension 0 is not "
         "greater than zero; kept 0 dimensions"},
        // The record files: the same rule, whatever the bytes hold.
        {{{"000", TaperSize("No. 1", .25f, 1, 1) + TaperSize("No. 2", kNaN, 1, 1)}},
         "000: Data File Is Corrupt: 000, record 2 (No. 2), diameter NaN is not a finite "
         "number; kept 1 taper pin size"},
        {{{"000", TaperSize("No. 1", kInf, 1, 1)}},
         "000: Data File Is Corrupt: 000, record 1 (No. 1), diameter Infinity is not a finite "
         "number; kept 0 taper pin sizes"},
        {{{"000", TaperSize("No. 1", -kInf, 1, 1)}},
         "000: Data File Is Corrupt: 000, record 1 (No. 1), diameter -Infinity is not a finite "
         "number; kept 0 taper pin sizes"},
        {{{"000", TaperSize("No. 1", -1.0f, 1, 1)}},
         "000: Data File Is Corrupt: 000, record 1 (No. 1), diameter -1 is not greater than "
         "zero; kept 0 taper pin sizes"},
        {{{"000", TaperSize("No. 1", 0.0f, 1, 1)}},
         "000: Data File Is Corrupt: 000, record 1 (No. 1), diameter 0 is not greater than "
         "zero; kept 0 taper pin sizes"},
        // A taper pin size of 1e-45 used to load and write a degenerate pin.
        {{{"000", TaperSize("No. 1", 1e-45f, 1, 1)}},
         "000: Data File Is Corrupt: 000, record 1 (No. 1), diameter 1e-45 is too small to draw "
         "with; kept 0 taper pin sizes"},
        {{{"003", TaperLength("1", 1.0f) + TaperLength("2", kNaN)}},
         "003: Data File Is Corrupt: 003, record 2 (2), length NaN is not a finite number; kept "
         "1 length record"},
        {{{"003", TaperLength("1", 0.0f)}},
         "003: Data File Is Corrupt: 003, record 1 (1), length 0 is not greater than zero; "
         "kept 0 length records"},
        // 003 against the sizes of 000: a range a pick would refuse.
        {{{"003", TaperLength("1", 1.0f)}, {"000", TaperSize("No. 1", .172f, 1, 3)}},
         "003: Data File Is Corrupt (Pin Size No. 1 Has Invalid Length Records); kept 1 length "
         "record"},
        {{{"001", Plain("#1", .25f, .0625f, .0625f) + Plain("#2", .25f, kInf, .1f)}},
         "001: Data File Is Corrupt: 001, record 2 (#2), drill diameter Infinity is not a "
         "finite number; kept 1 plain center drill"},
        {{{"002", Bell("#11", .5f, .125f, 2e6f)}},
         "002: Data File Is Corrupt: 002, record 1 (#11), countersink diameter 2e+06 is more "
         "than 1000000; kept 0 bell center drills"},
        // Sizes that are each usable but do not nest load, and are named.
        {{{"001", Plain("#1", .125f, .25f, .1f) + Plain("#2", .25f, .0625f, .0625f)}},
         "001: 2 plain center drills (records that cannot be drawn: 1)"},
        // The tail shorter than a record is not one.
        {{{"002", Bell("#11", .125f, .046875f, .1f) + "tail"}}, "002: 1 bell center drill"},
    };
    for (const FileCase& c : cases) {
        test::TempDir dir;
        for (const auto& [name, bytes] : c.files) dir.Write(name, bytes);
        const TableCheck check = CheckTableFiles(dir.Path());
        EXPECT_EQ(LineOf(check.lines, c.files.front().first), c.expected);
    }
}

TEST(TableFiles, AValueNoFeatureCanDrawWithIsShownAtStartUpAndNeverReachesTheTab) {
    // An ejector pin and a depth of 2.9e38 used to load and make OK write "Infinity".
    test::TempDir dir;
    dir.Write("ejector.dat", "1\r\nA,2.9e38\r\n1\r\nD,2.9e38\r\n");
    const EjectorTableLoad load = LoadEjectorTable(dir.Path());
    EXPECT_TRUE(load.table.pinLabels.empty());
    EXPECT_TRUE(load.table.pinDiameters.empty());
    EXPECT_EQ(TableMessage(kEjectorTableMessages, load.diagnostic),
              "Ejector Data File Is Corrupt: ejector.dat, pin size 1 (A), diameter 2.9e+38 is "
              "more than 1000000");
}

}  // namespace
}  // namespace bw
