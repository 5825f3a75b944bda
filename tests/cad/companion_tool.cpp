// What the companion's tests ask of Brasswick's own code:
//   companion_tool write PROGRAM INFO_FILE SCRIPT_FILE OUT   the companion as Brasswick writes it
//   companion_tool read INFO_FILE    "X Y SCALE [LAYER]" as Brasswick's reader takes the file
#include <cstdio>
#include <string>

#include "exchange/companion.h"
#include "exchange/files.h"
#include "exchange/insertion_info.h"

int main(int argc, char** argv) {
    const std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "write" && argc == 6) {
        return bw::WriteFileAtomically(argv[5], bw::CompanionText(argv[2], argv[3], argv[4])) ? 1
                                                                                              : 0;
    }
    if (verb != "read" || argc != 3) return std::fprintf(stderr, "usage: see the source\n"), 2;
    const bw::FileRead file = bw::ReadWholeFile(argv[2]);
    const bw::InfoReadResult r = bw::ParseInsertionInfo(file.bytes);
    if (!file.ok) return std::printf("missing\n"), 0;
    if (r.status != bw::InfoStatus::Read)
        return std::printf("malformed: %s\n", r.problem.c_str()), 0;
    std::printf("%.9g %.9g %.9g [%s]\n", r.info.BasePoint.X, r.info.BasePoint.Y, r.info.InsertScale,
                r.info.CurrentLayer.c_str());
}
