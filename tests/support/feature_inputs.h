// Every feature's inputs drawn from a source of values, checked and, when the checks pass,
// turned into a script; and what a script must never hold. Shared by the property test and
// the fuzz target, which differ only in where the values come from.
#pragma once

#include <cmath>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

#include "features/holes/counterbore.h"
#include "features/holes/drilled_hole.h"
#include "features/holes/tapped_hole.h"
#include "features/holes/thread.h"
#include "features/pins/core_note.h"
#include "features/pins/core_pin.h"
#include "features/pins/ejector.h"
#include "features/pins/taper_pin.h"
#include "features/profiles/cam.h"
#include "features/profiles/center_drill.h"
#include "features/profiles/keyway.h"
#include "features/profiles/shaft.h"
#include "features/profiles/slot.h"
#include "features/registry.h"

namespace bw::test {

// The command-line features of the registry; RunFeature(i) is the i-th of them.
inline const int kFeatureCount = static_cast<int>(CommandLineFeatures().size());

// The farthest a script number may lie from the origin: an insertion point at the limit and
// a shaft of fifty segments each at the limit, with room to spare.
inline constexpr double kFarthestScriptNumber = 64.0 * kLargestDrawingSize;

// A source gives Single() (any bit pattern, mostly where drawings are made), Wild() (only
// what lies outside or at the edge of the range), BoxText() (digits and points only),
// Int(lo, hi) and Bool().
struct Outcome {
    std::optional<std::string> message;  // a failed check
    std::string script;                  // otherwise
};

template <typename S>
std::string Layer(S& s) {
    const std::string odd[] = {"A B", std::string(256, 'L'), std::string(255, 'L'), ""};
    const int pick = s.Int(0, 15);
    return pick < 4 ? odd[pick] : s.Bool() ? "0" : "HIDDEN";
}

// One case in four puts every context value anywhere; the others keep the context sound so
// that the feature's own inputs decide.
template <typename S>
DrawContext Context(S& s) {
    DrawContext c;
    if (s.Int(0, 3) != 0) {
        c.BasePoint = {static_cast<float>(s.Int(-9999, 9999)) / 8.0f,
                       static_cast<float>(s.Int(-9999, 9999)) / 8.0f};
        return c;
    }
    c.BasePoint = {s.Single(), s.Single()};
    c.InsertScale = s.Single();
    c.EjectorClearance = s.Single();
    c.CurrentLayer = Layer(s);
    c.HiddenLayer = Layer(s);
    return c;
}

template <typename Input, typename Check, typename Make>
Outcome Run(const DrawContext& c, const Input& in, Check check, Make make) {
    if (auto m = CheckDrawContext(c)) return {m, ""};
    if (auto m = check(in)) return {m, ""};
    return {std::nullopt, make(in, c)};
}

// One case of the feature named `command`, every input taken from the source, or nothing
// when this list has no case for it. Braced initialisers take their values from the source
// left to right.
template <typename S>
std::optional<Outcome> RunFeatureNamed(const std::string& command, S& s) {
    const DrawContext c = Context(s);
    const View view = s.Bool() ? View::Face : View::Side;
    auto place = [&] { return Placement{view, DirectionOf(90 * s.Int(0, 3)), s.Bool()}; };
    auto maybeSingle = [&] { return s.Int(0, 15) ? std::optional(s.Single()) : std::nullopt; };
    if (command == "ejector")
        return Run(c, EjectorInput{maybeSingle(), maybeSingle(), place()}, CheckEjector,
                   EjectorScript);
    if (command == "corepin")
        return Run(c, CorePinInput{CorePinSize{s.Single(), s.Single(), s.Single()}, place()},
                   CheckCorePin, CorePinScript);
    if (command == "corenote")
        return Run(c, CoreNoteInput{s.Int(-32768, 32767), s.Bool()}, CheckCoreNote, CoreNoteScript);
    if (command == "taper")
        return Run(c, TaperPinInput{maybeSingle(), maybeSingle(), place()}, CheckTaperPin,
                   TaperPinScript);
    if (command == "tap")
        return Run(c, TappedHoleInput{TapSize{s.Single(), s.Single()}, maybeSingle(), place()},
                   CheckTappedHole, TappedHoleScript);
    if (command == "cbore")
        return Run(c, CounterboreInput{CboreSize{s.Single(), s.Single()}, place()},
                   CheckCounterbore, CounterboreScript);
    if (command == "thread") {
        // Thread counts are 16-bit. A script of thousands of turns takes milliseconds, so
        // most lengths are a few turns long and only some come from the whole range.
        const int tpi = s.Bool() ? s.Int(-2, 80) : s.Int(-32768, 32767);
        const int pick = s.Int(0, 511);
        std::optional<float> length;  // none when the pick is 8
        if (pick < 8) length = pick == 0 ? s.Single() : s.Wild();
        const float tenthTurnsPerUnit = 10.0f * static_cast<float>(tpi ? tpi : 1);
        if (pick > 8) length = static_cast<float>(s.Int(1, 160)) / tenthTurnsPerUnit;
        ThreadInput in{ThreadSize{s.Single(), tpi}, length, s.Bool(), place()};
        return Run(c, in, CheckThread,
                   [](const ThreadInput& i, const DrawContext& d) { return ThreadScript(i, d); });
    }
    if (command == "drill")
        return Run(c,
                   DrilledHoleInput{s.BoxText(), s.BoxText(), s.BoxText(), s.Bool(),
                                    s.Bool() ? 82 : 100, place()},
                   CheckDrilledHole, DrilledHoleScript);
    if (command == "slot")
        return Run(c, SlotInput{s.BoxText(), s.BoxText(), place()}, CheckSlot, SlotScript);
    if (command == "cam")
        return Run(c, CamInput{s.BoxText(), s.BoxText(), s.BoxText(), place()}, CheckCam,
                   CamScript);
    if (command == "keyway")
        return Run(c,
                   KeywayInput{s.BoxText(), s.BoxText(),
                               s.Bool() ? KeywayKind::Shaft : KeywayKind::Hub, place()},
                   CheckKeyway, KeywayScript);
    if (command == "shaft") {
        ShaftInput in;
        in.segments.clear();
        const int n = s.Int(0, 15) == 0 ? s.Int(0, kMaxShaftSegments + 1) : s.Int(1, 4);
        for (int i = 0; i < n; ++i) in.segments.push_back({s.BoxText(), s.BoxText()});
        in.placement = place();
        return Run(c, in, CheckShaft, ShaftScript);
    }
    if (command == "centerdrill") {
        CenterDrillInput in;
        if (s.Bool()) {
            in.plain = PlainCenterDrill{"PLAIN", s.Single(), s.Single(), s.Single()};
        } else {
            in.bell = BellCenterDrill{"BELL", s.Single(), s.Single(), s.Single()};
        }
        in.placement = place();
        return Run(c, in, CheckCenterDrill, CenterDrillScript);
    }
    return std::nullopt;
}

// One case of the i-th command-line feature.
template <typename S>
Outcome RunFeature(int which, S& s) {
    const std::string& command = CommandLineFeatures()[static_cast<size_t>(which)]->command;
    return RunFeatureNamed(command, s).value_or(Outcome{"no case for " + command, ""});
}

// The first number of the script that is not finite ("NaN", "-Infinity" too) or lies beyond
// the farthest a drawing reaches, or nothing. Numbers stand between blanks, commas and line
// ends; a word that is not wholly a number, such as a layer's name, is passed over.
inline std::optional<std::string> BadScriptNumber(std::string script) {
    for (char& c : script) c = c == ',' || c == '\r' || c == '\n' ? ' ' : c;
    std::istringstream words(script);
    for (std::string word; words >> word;) {
        char* stop = nullptr;
        const double value = std::strtod(word.c_str(), &stop);
        if (*stop == '\0' && !(std::fabs(value) <= kFarthestScriptNumber)) return word;
    }
    return std::nullopt;
}

}  // namespace bw::test
