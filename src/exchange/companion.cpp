#include "exchange/companion.h"

#include "exchange/files.h"

namespace bw {

std::string LispString(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string CompanionText(const std::string& program, const std::string& infoFile,
                          const std::string& scriptFile, std::string_view source) {
    std::string lf =
        "; Written by Brasswick from its settings; it writes it again when they "
        "change.\n";
    lf += "(setq bw:program " + LispString(program) + ")\n";
    lf += "(setq bw:info-file " + LispString(infoFile) + ")\n";
    lf += "(setq bw:script-file " + LispString(scriptFile) + ")\n";
    lf += source;
    std::string text;
    text.reserve(lf.size() + lf.size() / 16);
    for (char c : lf) {
        if (c == '\r') continue;  // a source checked out with CR LF gets no doubled CR
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

std::string CompanionFilePath(const Settings& settings) {
    return settings.CadPath + "Brasswick" + kPathSeparator + "Brasswick.lsp";
}

}  // namespace bw
