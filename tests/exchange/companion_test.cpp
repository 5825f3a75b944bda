// The companion Brasswick writes for the CAD side: its paths as AutoLISP strings, its lines.
#include <gtest/gtest.h>

#include <algorithm>

#include "exchange/companion.h"

namespace bw {
namespace {

TEST(CompanionTest, PathsBecomeLispStringsAheadOfTheSourceEveryLineEndedByCrLf) {
    EXPECT_EQ(LispString("C:\\Brass wick\\a\"b J\xFC"), "\"C:\\\\Brass wick\\\\a\\\"b J\xFC\"");
    EXPECT_EQ(CompanionText("C:\\B\\brasswick.exe", "D:\\W\\BW_Info.txt", "C:\\LT\\B.scr",
                            "(princ)\n;; two\r\n"),
              "; Written by Brasswick from its settings; it writes it again when they change.\r\n"
              "(setq bw:program \"C:\\\\B\\\\brasswick.exe\")\r\n"
              "(setq bw:info-file \"D:\\\\W\\\\BW_Info.txt\")\r\n"
              "(setq bw:script-file \"C:\\\\LT\\\\B.scr\")\r\n(princ)\r\n;; two\r\n");
    // The shipped source is built in whole, in plain ASCII (the same bytes in every ANSI code
    // page), with CR LF line ends.
    const std::string shipped = CompanionText("p", "i", "s");
    EXPECT_NE(shipped.find("(defun c:BWDRAW "), std::string::npos);
    EXPECT_EQ(std::count(shipped.begin(), shipped.end(), '\n'),
              std::count(shipped.begin(), shipped.end(), '\r'));
    EXPECT_TRUE(std::all_of(shipped.begin(), shipped.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

}  // namespace
}  // namespace bw
