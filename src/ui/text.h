// Conversions between the core's byte strings and Qt's strings.
#pragma once

#include <QString>
#include <string>

namespace bw {

// Core text is in the system's 8-bit character set (UTF-8 on Linux and macOS, the ANSI code
// page on Windows); bytes that are not valid there, such as a Latin-1 table file on Linux,
// are shown as Latin-1 instead of as replacement characters.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

}  // namespace bw
