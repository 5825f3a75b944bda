// Any bytes as every table file at once, loaded by every table loader the way
// `brasswick-script check` loads them: each must load, or report the file as not found or
// corrupt, and never crash, hang or read outside what it was given.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "cli/cli.h"

namespace {

namespace fs = std::filesystem;

const char* const kTableFiles[] = {
    "ejector.dat", "Corepin.dat", "Cbore.dat", "Tap.dat", "Corenum.dat", "Thread.dat", "Slot.dat",
    "Keyway.dat",  "000",         "001",       "002",     "003",         "Drill.dat",  "Csink.dat"};

const std::string& Folder() {
    static const std::string folder = [] {
        const fs::path base =
            fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        const fs::path dir = base / ("bw-table-fuzz." + std::to_string(::getpid()));
        fs::create_directories(dir);
        return dir.string();
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const char* name : kTableFiles) {
        std::ofstream out(Folder() + "/" + name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const bw::cli::Result result = bw::cli::Run({"check", Folder()}, Folder());
    if (result.exitCode != 0 && result.exitCode != 1) __builtin_trap();
    return 0;
}
