// The companion Brasswick writes for the CAD side: its paths as AutoLISP strings, its lines.
#include <gtest/gtest.h>

#include <algorithm>

#include "exchange/companion.h"

namespace bw {
namespace {

TEST(CompanionTest, PathsBecomeLispStringsAheadOfTheSourceEveryLineEndedByCrLf) {
    const std::pair<std::string, std::string> rows[] = {
        {"C:\\LT\\Brasswick\\Brasswick.scr", R"("C:\\LT\\Brasswick\\Brasswick.scr")"},
        {"C:\\Program Files\\Brass wick\\", R"("C:\\Program Files\\Brass wick\\")"},
        {"/home/a\"b/x", R"("/home/a\"b/x")"},
        {"D:\\J\xFCrgen\\", "\"D:\\\\J\xFCrgen\\\\\""},  // a Latin-1 byte passes unchanged
        {"", "\"\""},
    };
    for (const auto& [text, lisp] : rows) EXPECT_EQ(LispString(text), lisp) << text;

    EXPECT_EQ(CompanionText("C:\\B\\brasswick.exe", "D:\\W\\BW_Info.txt",
                            "C:\\LT\\Brasswick\\Brasswick.scr", "(princ)\n;; two\r\n"),
              "; Written by Brasswick from its settings; it writes it again when they change.\r\n"
              "(setq bw:program \"C:\\\\B\\\\brasswick.exe\")\r\n"
              "(setq bw:info-file \"D:\\\\W\\\\BW_Info.txt\")\r\n"
              "(setq bw:script-file \"C:\\\\LT\\\\Brasswick\\\\Brasswick.scr\")\r\n"
              "(princ)\r\n;; two\r\n");
    // The shipped source is built in whole and holds both commands.
    const std::string shipped = CompanionText("p", "i", "s");
    EXPECT_NE(shipped.find("(defun c:BWPLACE "), std::string::npos);
    EXPECT_NE(shipped.find("(defun c:BWDRAW "), std::string::npos);
    EXPECT_EQ(std::count(shipped.begin(), shipped.end(), '\n'),
              std::count(shipped.begin(), shipped.end(), '\r'));
    // Plain ASCII, the same bytes in every ANSI code page.
    EXPECT_TRUE(std::all_of(shipped.begin(), shipped.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

}  // namespace
}  // namespace bw
