// Every table file through the one list that start-up and `check` follow: what each holds,
// how a short file, a field that does not read and a value no feature can draw with are
// reported, and which records stay.
#include "features/registry.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

#include "cli/cli.h"
#include "support/temp_dir.h"

namespace bw {
namespace {

using test::LengthRecord;
using test::SizeRecord;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// The line `check` prints for `file`.
std::string LineOf(const std::string& lines, const std::string& file) {
    const size_t at = lines.find(file + ": ");
    if (at == std::string::npos) return "<none>";
    return lines.substr(at, lines.find('\n', at) - at);
}

TEST(TableFiles, ShippedFilesLoadCleanlyInStartUpOrderAndMissingOnesAreNamedByPath) {
    const TableCheck check = CheckTableFiles(BW_DATA_DIR);
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
    // The command prints exactly this and exits 0, as the check is clean; it exits 1 in a
    // folder without them. Start-up's own test names the other files' messages, in order;
    // 001 is there and 003 is not read there.
    const cli::Result r = cli::Run({"check", BW_DATA_DIR}, "");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, check.lines);
    test::TempDir dir;
    const cli::Result none = cli::Run({"check", dir.Path()}, "");
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(LineOf(none.out, "003"),
              "003: Taper Pin Length File NOT Found (" + dir.File("003") + ")");
    EXPECT_EQ(LineOf(none.out, "001"),
              "001: Plain Centerdrill File NOT Found (" + dir.File("001") + ")");
}

TEST(TableFiles, EachFileReportsWhatItKeptAndWhereItWentWrong) {
    const struct {
        std::vector<std::pair<std::string, std::string>> files;  // laid into an empty folder
        const char* expected;                                    // the line of the first file
    } cases[] = {
        // A count below 1 is an empty section; one beyond 16 bits does not read.
        {{{"Keyway.dat", "-3\r\n40000\r\n"}},
         "Keyway.dat: Keyway Data File Is Corrupt (field 2 at byte 4: count out of range); kept 0 "
         "key widths, 0 diameters"},
        // A short file: the count promises more than the file holds.
        {{{"Cbore.dat", "3\r\nA,.25,.4375\r\nB,.5,.8125\r\n"}},
         "Cbore.dat: Counterbore Data File Is Corrupt (field 8 at byte 28: the file ends before "
         "all its fields were read); kept 2 screw sizes"},
        {{{"Csink.dat", ""}},
         "Csink.dat: Countersink Data File Is Corrupt (field 1 at byte 0: the file ends before "
         "all its fields were read); kept 0 screw sizes"},
        {{{"Thread.dat", "1\r\n\"1/4-20, UNC\",.25,40000\r\n1\r\nL,.5\r\n"}},
         "Thread.dat: Thread Data File Is Corrupt (field 4 at byte 21: count out of range); kept "
         "1 thread size, 0 depths"},
        // Values no feature can draw with: the record is not kept and reading stops there.
        // An ejector pin of 2.9e38 used to load and make OK write "Infinity".
        {{{"ejector.dat", "1\r\nA,2.9e38\r\n1\r\nD,2.9e38\r\n"}},
         "ejector.dat: Ejector Data File Is Corrupt: ejector.dat, pin size 1 (A), diameter "
         "2.9e+38 is more than 1000000; kept 0 pin sizes, 0 depths"},
        {{{"Slot.dat", "1\r\nA,.25\r\n2\r\nD,1\r\nE,2.9e38\r\n"}},
         "Slot.dat: Slot Data File Is Corrupt: Slot.dat, center distance 2 (E), center distance "
         "2.9e+38 is more than 1000000; kept 1 slot width, 1 center distance"},
        {{{"Drill.dat", "2\r\nA,.25\r\nB,-.2\r\n"}},
         "Drill.dat: Drill Data File Is Corrupt: Drill.dat, dimension 2 (B), dimension -0.2 is "
         "not greater than zero; kept 1 dimension"},
        // The record files: the same rule, whatever the bytes hold.
        {{{"000", SizeRecord("No. 1", .25f, 1, 1) + SizeRecord("No. 2", -kInf, 1, 1)}},
         "000: Data File Is Corrupt: 000, record 2 (No. 2), diameter -Infinity is not a finite "
         "number; kept 1 taper pin size"},
        // A taper pin size of 1e-45 used to load and write a degenerate pin.
        {{{"000", SizeRecord("No. 1", 1e-45f, 1, 1)}},
         "000: Data File Is Corrupt: 000, record 1 (No. 1), diameter 1e-45 is too small to draw "
         "with; kept 0 taper pin sizes"},
        {{{"003", LengthRecord("1", 1) + LengthRecord("2", kNaN)}},
         "003: Data File Is Corrupt: 003, record 2 (2), length NaN is not a finite number; kept "
         "1 length record"},
        // 003 against the sizes of 000: a range a pick would refuse.
        {{{"003", LengthRecord("1", 1)}, {"000", SizeRecord("No. 1", .172f, 1, 3)}},
         "003: Data File Is Corrupt (Pin Size No. 1 Has Invalid Length Records); kept 1 length "
         "record"},
        {{{"002", test::BellRecord("#11", .5f, .125f, 2e6f)}},
         "002: Data File Is Corrupt: 002, record 1 (#11), countersink diameter 2e+06 is more "
         "than 1000000; kept 0 bell center drills"},
        // Sizes that are each usable but do not nest load, and are named by record number.
        {{{"001", test::PlainRecord("#1", .25f, .0625f, .0625f) +
                      test::PlainRecord("#2", .125f, .25f, .1f)}},
         "001: 2 plain center drills (records that cannot be drawn: 2)"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        for (const auto& [name, bytes] : c.files) dir.Write(name, bytes);
        EXPECT_EQ(LineOf(CheckTableFiles(dir.Path()).lines, c.files.front().first), c.expected);
    }
}

}  // namespace
}  // namespace bw
