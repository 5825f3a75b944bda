// Conversions between the core's byte strings and Qt's strings.
#pragma once

#include <QString>
#include <string>

namespace bw {

// Core text is UTF-8 where it is valid; table and record files written by 8-bit tools are
// shown as Latin-1 instead of as replacement characters.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

}  // namespace bw
