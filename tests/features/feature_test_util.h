// Small helpers the features' generator and check tests share.
#pragma once

#include <optional>
#include <string>

#include "features/feature.h"

namespace bw::test {

// An insertion point and the two layer names; give them distinct names where a line on the
// wrong layer must not pass unnoticed.
inline DrawContext At(float x, float y, const std::string& current = "0",
                      const std::string& hidden = "0") {
    DrawContext c;
    c.BasePoint = {x, y};
    c.CurrentLayer = current;
    c.HiddenLayer = hidden;
    return c;
}

// A row's expected check message; nullptr stands for an accepted input.
inline std::optional<std::string> Expected(const char* message) {
    return message ? std::optional<std::string>(message) : std::nullopt;
}

}  // namespace bw::test
