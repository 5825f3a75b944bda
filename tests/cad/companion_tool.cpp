// What the companion's tests ask of Brasswick's own code: the companion as Brasswick writes
// it, and an info file as Brasswick's reader takes it.
//   companion_tool write PROGRAM INFO_FILE SCRIPT_FILE OUT
//   companion_tool read INFO_FILE     prints "X Y SCALE [LAYER]" (9 digits), or why not
#include <cstdio>
#include <string>

#include "exchange/companion.h"
#include "exchange/files.h"
#include "exchange/insertion_info.h"

int main(int argc, char** argv) {
    const std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "write" && argc == 6) {
        const auto error =
            bw::WriteFileAtomically(argv[5], bw::CompanionText(argv[2], argv[3], argv[4]));
        if (error) std::fprintf(stderr, "%s\n", error->c_str());
        return error ? 1 : 0;
    }
    if (verb != "read" || argc != 3) {
        std::fprintf(stderr, "usage: companion_tool write|read ...\n");
        return 2;
    }
    const bw::FileRead file = bw::ReadWholeFile(argv[2]);
    if (!file.ok) return std::printf("missing\n"), 0;
    const bw::InfoReadResult r = bw::ParseInsertionInfo(file.bytes);
    if (r.status != bw::InfoStatus::Read) return std::printf("malformed: %s\n", r.problem.c_str()), 0;
    std::printf("%.9g %.9g %.9g [%s]\n", r.info.BasePoint.X, r.info.BasePoint.Y,
                r.info.InsertScale, r.info.CurrentLayer.c_str());
    return 0;
}
