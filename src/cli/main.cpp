// brasswick-script FEATURE [NAME=VALUE ...] | check [FOLDER]
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "exchange/platform.h"

namespace {

// Where the tables lie: beside the executable. When the system cannot tell, the folder part
// of the name it was started by is the best remaining guess.
std::string ProgramFolder(const char* argv0) {
    std::string folder = bw::platform::ExecutableFolder();
    if (!folder.empty()) return folder;
    const std::string self = argv0 ? argv0 : "";
    const size_t cut = self.find_last_of("/\\");
    return cut == std::string::npos ? "." : self.substr(0, cut);
}

}  // namespace

int main(int argc, char** argv) {
    bw::platform::UseBinaryStandardStreams();
    std::vector<std::string> args(argv + 1, argv + argc);
    const bw::cli::Result result = bw::cli::Run(args, ProgramFolder(argv[0]));
    std::fwrite(result.out.data(), 1, result.out.size(), stdout);
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return result.exitCode;
}
