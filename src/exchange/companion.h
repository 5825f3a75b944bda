// The AutoLISP companion that runs inside the CAD program: BWPLACE leaves the insertion info
// for Brasswick, BWDRAW runs its script. Brasswick writes it, with its own paths filled in,
// beside the script, so the companion can never point anywhere Brasswick does not look.
#pragma once

#include <string>
#include <string_view>

#include "exchange/settings.h"

namespace bw {

// The program's own file name in its folder.
#ifdef _WIN32
inline constexpr const char* kProgramFileName = "brasswick.exe";
#else
inline constexpr const char* kProgramFileName = "brasswick";
#endif

// The companion as it ships, built into the program so that it can never be missing.
extern const char* const kCompanionSource;

// `text` as an AutoLISP string: in double quotes, a backslash and a double quote escaped.
std::string LispString(std::string_view text);

// The whole file: three (setq ...) lines naming the program, the info file and the script,
// then the shipped companion; every line ended by CR LF.
std::string CompanionText(const std::string& program, const std::string& infoFile,
                          const std::string& scriptFile,
                          std::string_view source = kCompanionSource);

// Brasswick.lsp in the script's folder.
std::string CompanionFilePath(const Settings& settings);

}  // namespace bw
